#!/usr/bin/env bash
# Many test processes that start at the same moment on an empty template cache must all get
# a whole test database: each round starts N processes of one test case at once, each of which
# finds the template missing and builds or copies it, and counts the processes that failed.
#   template_race.sh TEST-PROGRAM [GTEST-FILTER [PROCESSES [ROUNDS]]]
set -u
program="$1"
filter="${2:-SchemaDemoTest.TablesTakeTheProgramsPositionalInserts}"
processes="${3:-40}"
rounds="${4:-3}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen

failed_total=0
for round in $(seq "$rounds"); do
    export OXTA_TEST_TEMPLATES="$scratch/cache-$round"
    pids=()
    for i in $(seq "$processes"); do
        "$program" --gtest_filter="$filter" >"$scratch/out-$round-$i" 2>&1 &
        pids+=($!)
    done
    failed=0
    for i in "${!pids[@]}"; do
        if ! wait "${pids[$i]}"; then
            failed=$((failed + 1))
            [ "$failed" -eq 1 ] && grep -m 3 -E 'Failure|malformed|cannot' "$scratch/out-$round-$((i + 1))"
        fi
    done
    echo "round $round: $failed of $processes processes failed"
    failed_total=$((failed_total + failed))
done
[ "$failed_total" -eq 0 ]
