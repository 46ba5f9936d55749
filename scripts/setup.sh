#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12), then configures and builds.
# Safe to run again: only missing packages are installed, and the build is incremental.
#   scripts/setup.sh [build-dir]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-svg-dev libgl-dev
    libsqlite3-dev sqlite3
    unixodbc unixodbc-dev odbcinst libsqliteodbc tdsodbc
    libgtest-dev libgmock-dev libbenchmark-dev libboost-stacktrace-dev
    qt6-charts-dev libqt6opengl6-dev libxlsxwriter-dev poppler-utils
    xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
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

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
