#!/usr/bin/env bash
# Every package that scripts/setup.sh checks is a real package of the distribution. A virtual
# name (one that only other packages provide) never shows as installed, so setup.sh would run
# the package manager at every start.
#   packages_test.sh <path of scripts/setup.sh>
set -uo pipefail
command -v apt-cache >/dev/null || exit 77 # not a Debian system: skipped
mapfile -t packages < <(sed -n '/^packages=(/,/^)/p' "$1" | sed '1d;$d' | tr -s ' \t' '\n' | sed '/^$/d;/^#/d')
[ "${#packages[@]}" -gt 10 ] || { echo "FAIL: package list not found in $1" >&2; exit 1; }
# One query for the whole list: apt-cache prints a record for each real package and nothing
# for a virtual one.
declare -A real=()
while read -r field name; do
    [ "$field" = "Package:" ] && real["$name"]=1
done < <(apt-cache show --no-all-versions "${packages[@]}" 2>/dev/null)
failures=0
for p in "${packages[@]}"; do
    if [ -z "${real[$p]:-}" ]; then
        echo "FAIL: $p is not a real package (virtual or unknown)" >&2
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
