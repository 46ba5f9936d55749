#!/usr/bin/env bash
# The launcher scripts/oxta-staffing: first use of a working folder, the demo database, and
# which config.ini files it repairs or leaves alone. The program and oxta-sql are stand-ins
# that record what they were asked to do.
#   launcher_test.sh <path of scripts/oxta-staffing>
set -uo pipefail
launcher="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# oxta-sql stand-in: logs its arguments; "CREATE DATABASE x" makes <SERVER>/x.sqlite.
# With FAIL_SQL set it fails on the schema script, as a broken build would.
cat >"$tmp/oxta-sql" <<'STUB'
#!/usr/bin/env bash
echo "$*" >>"$STUB_LOG"
[ -n "${FAIL_SQL:-}" ] && [[ "$*" == *schema.sql* ]] && exit 1
server="$(sed -n 's/^SERVER=//p' "$2")" all="$*"
[[ "$all" == *"CREATE DATABASE"* ]] && : >"$server/${all##* }.sqlite"
exit 0
STUB
# Program stand-in: tells where it ran and with which arguments.
cat >"$tmp/OXTAStaffing" <<'STUB'
#!/usr/bin/env bash
echo "ran in $PWD with: $*" >>"$STUB_LOG"
STUB
chmod +x "$tmp/oxta-sql" "$tmp/OXTAStaffing"
mkdir -p "$tmp/share/sql" "$tmp/share/reportes"
: >"$tmp/share/sql/schema.sql"
: >"$tmp/share/sql/demo.sql"
: >"$tmp/share/reportes/rptPorcentaje.json"

export OXTA_PROGRAM="$tmp/OXTAStaffing" OXTA_SQL="$tmp/oxta-sql" OXTA_SHARE="$tmp/share"
export STUB_LOG="$tmp/log"

launch() { # home, arguments...
    local home="$1"
    shift
    : >"$STUB_LOG"
    OXTA_STAFFING_HOME="$home" "$launcher" "$@" >/dev/null 2>"$tmp/stderr"
}
ini_is() { # file, expected content (LF line ends; the file's CR are ignored)
    diff <(tr -d '\r' <"$1") <(printf '%s' "$2") >/dev/null || {
        fail "$1 holds:"
        cat "$1" >&2
    }
}

# First use: the folder, the demo database, the demo settings, the report definitions.
home="$tmp/first/oxta-staffing"
launch "$home" consulta || fail "first start failed: $(cat "$tmp/stderr")"
[ -f "$home/databases/oxta_demo.sqlite" ] || fail "no demo database"
grep -q "ran in $home with: consulta" "$STUB_LOG" || fail "program not run in $home"
grep -qx "MOTOR=SQLITE" "$home/config.ini" && grep -qx "SERVER=databases" "$home/config.ini" &&
    grep -qx "BD=oxta_demo" "$home/config.ini" || fail "no demo settings written"
[ -f "$home/reportes/rptPorcentaje.json" ] || fail "reportes/ does not reach the definitions"

# Second start: nothing rebuilt, leftovers of an interrupted build removed, config kept.
mkdir -p "$home/databases/.creating.Xy12ab"
cp "$home/config.ini" "$tmp/before.ini"
launch "$home" || fail "second start failed"
grep -q "CREATE DATABASE" "$STUB_LOG" && fail "the demo database was built again"
compgen -G "$home/databases/.creating.*" >/dev/null && fail "scratch folder left behind"
cmp -s "$home/config.ini" "$tmp/before.ini" || fail "a sound config.ini was rewritten"

# A file the program wrote on its own (started where none was): demo keys repaired, other
# keys and the CRLF line ends kept.
printf '[VARIABLES]\r\nNombreEmpresa=\r\n\r\n[CONFIG]\r\nBD=master\r\nDRIVER=FreeTDS\r\n' >"$home/config.ini"
launch "$home" || fail "start with a partial config.ini failed"
ini_is "$home/config.ini" '[VARIABLES]
NombreEmpresa=
Usuario=Administrador

[CONFIG]
BD=oxta_demo
DRIVER=FreeTDS
MOTOR=SQLITE
SERVER=databases
'
grep -q $'\r$' "$home/config.ini" || fail "CRLF line ends lost"

# The demo folder after "Configurar" and "Salir", or naming a database that is gone: back to
# the demo database; the remembered user stays.
for bd in master '' borrada; do
    printf '[config]\nmotor=sqlite\nserver=./databases\nbd=%s\n[variables]\nusuario=consulta\n' "$bd" \
        >"$home/config.ini"
    launch "$home" || fail "start with BD=$bd failed"
    ini_is "$home/config.ini" '[config]
motor=sqlite
server=./databases
BD=oxta_demo
[variables]
usuario=consulta
'
done

# Settings that point elsewhere are the user's: left byte for byte.
: >"$home/databases/oxta_prueba.sqlite"
for content in \
    '[CONFIG]\nSERVER=db01\\NOMINA\nBD=master\nID=oxta\nPWD=s3cr;et\nAUTOWIN=.F.\n' \
    '[CONFIG]\nMOTOR=SQLITE\nSERVER=databases\nBD=oxta_prueba\n' \
    '[CONFIG]\nMOTOR=SQLITE\nSERVER=/srv/nomina\nBD=master\n'; do
    printf "$content" >"$home/config.ini"
    cp "$home/config.ini" "$tmp/before.ini"
    launch "$home" || fail "start with another server failed"
    cmp -s "$home/config.ini" "$tmp/before.ini" || fail "changed: $(cat "$tmp/before.ini")"
done

# A demo build that fails: the program does not start, and nothing half-made stays.
home="$tmp/broken"
FAIL_SQL=1 launch "$home" && fail "a failed demo build was reported as success"
grep -q "ran in" "$STUB_LOG" && fail "the program started without its database"
[ -e "$home/databases/oxta_demo.sqlite" ] && fail "a half-built demo database was kept"
compgen -G "$home/databases/.creating.*" >/dev/null && fail "scratch folder of a failed build left"

exit $((failures > 0))
