#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Tolvar. Safe to re-run.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
    libgtest-dev libgmock-dev libbenchmark-dev sqlite3 crudini xdotool
    xvfb xauth imagemagick fonts-dejavu-core dbus at-spi2-core poppler-utils
    fonts-liberation2 fonts-wqy-microhei
    dpkg-dev desktop-file-utils
    lintian appstream
    openbox x11-utils libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
