#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12), then configures and builds.
# Safe to run again: only missing packages are installed, the build directory is configured
# once (the build itself re-runs CMake when a CMakeLists changes) and the build is
# incremental. On a machine that has everything it runs no package manager.
#   scripts/setup.sh [build-dir [target...]]     (no target: everything)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
targets=("${@:2}")

# Real package names only (no virtual ones such as libqt6svg6-dev): a virtual name is never
# "installed", so its check would fail on every run. tests/scripts checks this list.
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb1-dev
    libsqlite3-dev sqlite3
    unixodbc unixodbc-dev odbcinst libsqliteodbc tdsodbc
    libgtest-dev libgmock-dev libbenchmark-dev libboost-stacktrace-dev
    qt6-charts-dev libqt6opengl6-dev libxlsxwriter-dev libzip-dev poppler-utils
    xvfb xauth fonts-dejavu-core
    qt6-translations-l10n
    lintian groff-base man-db file
)

# One query for the whole list; packages dpkg has never heard of are simply not printed.
declare -A installed=()
while read -r name status; do
    [ "$status" = "installed" ] && installed["${name%%:*}"]=1
done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
    [ -n "${installed[$p]:-}" ] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ODBC drivers that the program and the tests use must be registered with the driver manager
# (/etc/odbcinst.ini): FreeTDS for SQL Server, SQLite3 for the ODBC tests. Their packages ship
# templates; a driver already registered is left as it is.
register_odbc_driver() {
    local name="$1" template="$2" section
    odbcinst -q -d -n "$name" >/dev/null 2>&1 && return 0
    if [ ! -f "$template" ]; then
        echo "ODBC driver $name: template $template not found" >&2
        return 0
    fi
    section="$(mktemp)"
    awk -v want="[$name]" '/^\[/ { keep = ($0 == want) } keep' "$template" >"$section"
    echo "Registering ODBC driver $name"
    odbc_sudo=()
    [ "$(id -u)" -ne 0 ] && odbc_sudo=(sudo)
    "${odbc_sudo[@]}" odbcinst -i -d -f "$section" >/dev/null
    rm -f "$section"
}
register_odbc_driver FreeTDS /usr/share/tdsodbc/odbcinst.ini
register_odbc_driver SQLite3 /usr/share/sqliteodbc/unixodbc.ini

# A build of the targets asked for leaves a stamp. When the stamp is there, the targets'
# programs exist and no file of the checkout is newer than the stamp, even the build tool's own
# up-to-date check (seconds, with its code generators) is skipped.
stamp="$build/.built.$(IFS=_; echo "${targets[*]:-all}")"
up_to_date() {
    local t
    [ -f "$stamp" ] || return 1
    for t in "${targets[@]}"; do
        [ -n "$(find "$build" -maxdepth 2 -type f -name "$t" -perm -u+x -print -quit)" ] || return 1
    done
    [ -z "$(find "$here" \( -path "$build" -o -path "$here/build*" -o -path "$here/run" \
        -o -path "$here/.git" \) -prune -o -type f -newer "$stamp" -print -quit)" ]
}
if ((${#targets[@]})) && up_to_date; then
    exit 0
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
# Stamped with the time the build began: a file changed while it ran counts as newer.
touch "$stamp.new"
if ((${#targets[@]})); then
    cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
else
    cmake --build "$build" -j "$(nproc)"
fi
mv "$stamp.new" "$stamp"
