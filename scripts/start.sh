#!/usr/bin/env bash
# Sets everything up and starts OXTAStaffing on the embedded demo database.
# The program runs in the folder run/ of the checkout, where its config.ini lives.
#
# On the first start the demo database run/databases/oxta_demo.sqlite is created from
# sql/schema.sql and sql/demo.sql, and run/config.ini is written to point at it. Neither is
# ever overwritten: delete run/databases/oxta_demo.sqlite to get a fresh demo, or
# run/config.ini to get the demo settings back.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"

run="$here/run"
databases="$run/databases"
demo_db="oxta_demo"
oxta_sql="$here/build/tools/oxta-sql"
mkdir -p "$databases"
cd "$run"
# The report definitions (.\reportes\*.rpt), fresh from the checkout at every start.
mkdir -p reportes
cp "$here"/reportes/*.rpt reportes/

if [ ! -f "$databases/$demo_db.sqlite" ]; then
    echo "Creating the demo database $databases/$demo_db.sqlite"
    # Built in a scratch folder and moved into place only when complete, so that an
    # interrupted run is simply repeated at the next start.
    scratch="$(mktemp -d "$databases/.creating.XXXXXX")"
    trap 'rm -rf "$scratch"' EXIT
    cat >"$scratch/config.ini" <<EOF
[CONFIG]
MOTOR=SQLITE
SERVER=$scratch
BD=$demo_db
EOF
    "$oxta_sql" -c "$scratch/config.ini" -d master -Q "CREATE DATABASE $demo_db"
    "$oxta_sql" -c "$scratch/config.ini" -d "$demo_db" -i "$here/sql/schema.sql"
    "$oxta_sql" -c "$scratch/config.ini" -d "$demo_db" -i "$here/sql/demo.sql"
    mv "$scratch/$demo_db.sqlite" "$databases/$demo_db.sqlite"
    rm -rf "$scratch"
    trap - EXIT
fi

if [ ! -f config.ini ]; then
    # SERVER of the embedded engine is the folder of database files, relative to run/.
    cat >config.ini <<EOF
[CONFIG]
MOTOR=SQLITE
SERVER=databases
BD=$demo_db
ID=
PWD=
AUTOWIN=.T.

[VARIABLES]
Usuario=Administrador
Empresa=
NombreEmpresa=
EOF
    echo "Wrote $run/config.ini (demo user Administrador, password admin123)"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display available: start it under a virtual display with  xvfb-run -a scripts/start.sh" >&2
    exit 1
fi
exec "$here/build/app/OXTAStaffing" "$@"
