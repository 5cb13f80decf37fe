#!/usr/bin/env bash
# Installs, on Debian 12 as root, whatever the build, the tests and the run command need and is missing.
set -eu
packages=(
    cmake ninja-build g++ python3 python3-mpmath
    googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-liberation python3-fonttools
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
    zip
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (run as root, or install them)" >&2
    exit 1
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
