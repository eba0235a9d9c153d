#!/bin/sh
# Installs what building, running and testing need on Debian 12, and nothing that is
# already there. Uses sudo when not run as root.
set -eu

packages="
build-essential
cmake
ninja-build
pkg-config
qtbase5-dev
qttools5-dev
qttools5-dev-tools
libqt5svg5
qt5-image-formats-plugins
fonts-dejavu-core
fonts-noto-core
fonts-noto-cjk
hostapd
clang
libclang-rt-14-dev
xvfb
xauth
valgrind
"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then
        sudo=""
    else
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
