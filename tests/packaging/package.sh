#!/usr/bin/env bash
# Makes the Debian package of a built tree into a folder of its own, for the tests that
# unpack it and run lintian on it (the package a user makes, build/oxta-staffing_*.deb, is
# left alone).
#   package.sh <build folder> <output folder>
set -euo pipefail
command -v dpkg-deb >/dev/null || exit 77 # not a Debian system: skipped
rm -rf "$2"
mkdir -p "$2"
cpack --config "$1/CPackConfig.cmake" -B "$2" >"$2/cpack.log" 2>&1 || {
    cat "$2/cpack.log" >&2
    exit 1
}
rm -rf "$2/_CPack_Packages" # the staging copy: hundreds of megabytes
ls "$2"
