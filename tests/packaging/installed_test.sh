#!/usr/bin/env bash
# The package as installed: its files unpacked into a scratch root (no root rights needed),
# then used there as an administrator would, from folders of their own:
#   - /usr/bin holds programs only, each with its manual page, and man renders oxta-report's;
#   - the unpacked oxta-sql builds the demo database from the package's scripts;
#   - the unpacked oxta-report, run from a folder without reportes/, finds the package's report
#     definitions and writes a PDF;
#   - the launcher makes its per-user folder under a scratch XDG_DATA_HOME and starts the
#     unpacked program, which paints the sign-in form and ends (OXTA_STARTUP_TRACE=quit).
#   installed_test.sh <folder holding oxta-staffing_<version>_<arch>.deb>
set -uo pipefail
command -v dpkg-deb >/dev/null || exit 77 # not a Debian system: skipped
shopt -s nullglob
debs=("$1"/oxta-staffing_*.deb)
[ "${#debs[@]}" -eq 1 ] || { echo "FAIL: expected one package in $1, found ${#debs[@]}" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen HOME="$tmp/home"
mkdir -p "$HOME"

root="$tmp/root"
dpkg-deb -x "${debs[0]}" "$root" || { echo "FAIL: dpkg-deb -x ${debs[0]}" >&2; exit 1; }
bin="$root/usr/bin"
share="$root/usr/share/oxta-staffing"

# --- /usr/bin: programs only, each with a manual page (stripping and the doc files: lintian).
for f in "$bin"/*; do
    name="$(basename "$f")"
    [ -f "$f" ] && [ -x "$f" ] || { fail "/usr/bin/$name is not a program"; continue; }
    [ -f "$root/usr/share/man/man1/$name.1.gz" ] || fail "/usr/bin/$name has no manual page"
done
page="$(MANPATH="$root/usr/share/man" MANWIDTH=80 man oxta-report 2>&1)"
grep -q '^OXTA-REPORT(1)' <<<"$page" && grep -q 'crontab' <<<"$page" ||
    fail "man oxta-report does not render the package's page: $page"

# --- oxta-sql: the demo database, from the package's scripts.
data="$tmp/datos"
mkdir -p "$data/bases"
printf '[CONFIG]\nMOTOR=SQLITE\nSERVER=%s\nBD=oxta_demo\n\n[VARIABLES]\nEmpresa=1\n' \
    "$data/bases" >"$data/config.ini"
"$bin/oxta-sql" -c "$data/config.ini" -d master -Q "CREATE DATABASE oxta_demo" >/dev/null &&
    "$bin/oxta-sql" -c "$data/config.ini" -i "$share/sql/schema.sql" >/dev/null &&
    "$bin/oxta-sql" -c "$data/config.ini" -i "$share/sql/demo.sql" >/dev/null ||
    fail "the unpacked oxta-sql could not build the demo database"

# --- oxta-report, from a folder without reportes/: the package's definitions.
elsewhere="$tmp/en-otra-parte"
mkdir -p "$elsewhere"
(cd "$elsewhere" && "$bin/oxta-report" -c "$data/config.ini" --reporte "Puestos" -o puestos.pdf) \
    >"$tmp/report.out" 2>&1 || fail "the unpacked oxta-report failed: $(cat "$tmp/report.out")"
[ "$(head -c 5 "$elsewhere/puestos.pdf" 2>/dev/null)" = "%PDF-" ] || fail "oxta-report wrote no PDF"

# --- The launcher: the per-user folder under XDG_DATA_HOME, and the program started in it.
export XDG_DATA_HOME="$tmp/xdg"
OXTA_STARTUP_TRACE=quit timeout 60 "$bin/oxta-staffing" >"$tmp/launch.out" 2>&1 ||
    fail "the launcher failed: $(cat "$tmp/launch.out")"
home="$XDG_DATA_HOME/oxta-staffing"
[ -s "$home/databases/oxta_demo.sqlite" ] || fail "no demo database in $home"
grep -qx 'BD=oxta_demo' "$home/config.ini" 2>/dev/null || fail "no demo config.ini in $home"
[ "$(readlink -f "$home/reportes")" = "$(readlink -f "$share/reportes")" ] ||
    fail "$home/reportes is not the package's folder"
grep -q 'shown "STAFFING"' "$tmp/launch.out" || fail "the sign-in form was not shown: $(cat "$tmp/launch.out")"
exit $((failures > 0))
