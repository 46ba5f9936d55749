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

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
