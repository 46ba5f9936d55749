#!/usr/bin/env bash
# lintian on the package, with its default profile: no error and no warning. Informational
# tags are printed but allowed.
#   lintian_test.sh <folder holding oxta-staffing_<version>_<arch>.deb>
set -uo pipefail
command -v lintian >/dev/null || exit 77 # lintian not installed: skipped
shopt -s nullglob
debs=("$1"/oxta-staffing_*.deb)
[ "${#debs[@]}" -eq 1 ] || { echo "FAIL: expected one package in $1, found ${#debs[@]}" >&2; exit 1; }
out="$(lintian --display-info --tag-display-limit 0 "${debs[0]}" 2>&1)"
status=$?
[ -n "$out" ] && echo "$out"
if grep -q '^[EW]: ' <<<"$out"; then
    echo "FAIL: lintian reports errors or warnings" >&2
    exit 1
fi
[ "$status" -eq 0 ] || { echo "FAIL: lintian exited with $status" >&2; exit 1; }
exit 0
