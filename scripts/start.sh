#!/usr/bin/env bash
# Sets everything up and starts OXTAStaffing on the embedded demo database.
# The program runs in the folder run/ of the checkout, where its config.ini lives.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"

run="$here/run"
mkdir -p "$run"
cd "$run"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display available: start it under a virtual display with  xvfb-run -a scripts/start.sh" >&2
    exit 1
fi
exec "$here/build/app/OXTAStaffing" "$@"
