#!/usr/bin/env bash
# Builds the fuzz targets with clang + libFuzzer (and ASan/UBSan) in build-fuzz, runs each
# for the given time, one after the other, and merges the new inputs that reach new code
# into fuzz/corpus/<target>. Crash inputs are left in build-fuzz/findings/<target>: once the
# fault is mended, copy each into the corpus as crash-<what>, where the replay tests keep it.
#   scripts/fuzz.sh [seconds-per-target] [target...]     (default: 300 s; sql ini literal scramble)
# OXTA_FUZZ_TIMEOUT (seconds, default 10): how long one input may run before it counts as a
# finding; raise it on a machine loaded by other work, where a stall can reach 10 s.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build-fuzz"
seconds="${1:-300}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(sql ini literal scramble)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="-O1 -g1" -DOXTA_FUZZ=ON -DOXTA_BUILD_TESTS=OFF -DOXTA_BUILD_BENCH=OFF \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
for t in "${targets[@]}"; do
    corpus="$here/fuzz/corpus/$t"
    work="$build/work/$t"
    findings="$build/findings/$t"
    mkdir -p "$work" "$findings"
    echo "== fuzz_$t for ${seconds}s"
    # New inputs go to the scratch folder first; the corpus only gets those that add coverage.
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout="${OXTA_FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$corpus" || true
    "$build/fuzz/fuzz_$t" -merge=1 "$corpus" "$work" >/dev/null 2>&1
    rm -rf "$work"
done
ls "$build"/findings/*/ 2>/dev/null | grep -E 'crash|leak|timeout|oom' && exit 1 || exit 0
