#!/usr/bin/env bash
# Sets everything up and starts OXTAStaffing on the embedded demo database.
# The program runs in the folder run/ of the checkout, where its config.ini lives.
#
# On the first start the demo database run/databases/oxta_demo.sqlite is created from
# sql/schema.sql and sql/demo.sql, and run/config.ini is written to point at it. The database
# is never overwritten: delete it to get a fresh demo. Of config.ini only the demo's own keys
# are repaired when they name no usable database (scripts/oxta-staffing says when); settings
# for a SQL Server or another database stay as they are.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build" OXTAStaffing oxta-sql

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display available: start it under a virtual display with  xvfb-run -a scripts/start.sh" >&2
    exit 1
fi

export OXTA_PROGRAM="$here/build/app/OXTAStaffing"
export OXTA_SQL="$here/build/tools/oxta-sql"
export OXTA_SHARE="$here"
export OXTA_STAFFING_HOME="$here/run"
exec "$here/scripts/oxta-staffing" "$@"
