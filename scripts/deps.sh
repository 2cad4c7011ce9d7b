#!/usr/bin/env bash
# Installs the Debian packages Zelvo needs for the given purposes, when any of
# them is missing:  scripts/deps.sh build run test
set -euo pipefail

packages=()
for purpose in "$@"; do
    case "$purpose" in
    build) packages+=(cmake g++ make python3 qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libsdl2-dev libgl-dev) ;;
    run) packages+=(qt6-qpa-plugins libqt6svg6 libsdl2-2.0-0 fonts-liberation2 qt6-translations-l10n) ;;
    test) packages+=(xvfb xauth openbox xdotool x11-utils imagemagick pulseaudio pulseaudio-utils dbus
        at-spi2-core python3-pyatspi python3-xlib desktop-file-utils appstream
        build-essential dpkg-dev debhelper lintian man-db clang-14 libclang-rt-14-dev
        sway wtype grim qt6-wayland pipewire wireplumber pipewire-pulse) ;;
    *) echo "deps.sh: unknown purpose '$purpose'" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
((${#missing[@]})) || exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
