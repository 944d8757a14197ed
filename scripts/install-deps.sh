#!/usr/bin/env bash
# Installs what Ionarch needs on Debian 12 and is missing; safe to repeat.
#   bash scripts/install-deps.sh              building and running the program
#   bash scripts/install-deps.sh test         and everything the tests and checks use
#   bash scripts/install-deps.sh PACKAGE...   and these packages
set -euo pipefail
# xdotool tells scripts/run.sh whether a display answers; libqt6sql6-sqlite is the learning
# record's database driver, a plugin that no library links.
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libqt6sql6-sqlite fonts-liberation xdotool)
# No display: the program runs on a virtual screen that a VNC viewer shows.
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || packages+=(xvfb xauth openbox x11vnc)
if [ "${1:-}" = test ]; then
    shift
    packages+=(
        cups printer-driver-cups-pdf poppler-utils # the report printed through a private scheduler
        clang libclang-rt-14-dev # the fuzz targets: libFuzzer and the sanitizers of clang
        desktop-file-utils appstream man-db # the installed files are validated
        dpkg-dev file xvfb xauth # the Debian package, built, installed and started
        openbox x11vnc # the run command, tried as a new user without a display
    )
fi
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
