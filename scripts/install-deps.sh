#!/usr/bin/env bash
# Installs what building, running and testing Ionarch need on Debian 12; safe to repeat.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-svg-dev fonts-liberation xvfb xauth cups printer-driver-cups-pdf poppler-utils
    clang libclang-rt-14-dev # the fuzz targets: libFuzzer and the sanitizers of clang
    xdotool openbox imagemagick # scripts/screenshots.sh: drives the windows and takes pictures
    x11vnc # scripts/run.sh without a display: shows the virtual screen to a VNC viewer
    desktop-file-utils appstream man-db # the packaging tests validate the installed files
    dpkg-dev file # cpack's Debian package: dpkg-shlibdeps finds the libraries it needs
    "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
