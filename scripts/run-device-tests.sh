#!/bin/bash
# Runs the unit tests of the telephone's flavour: builds the device SDKs (cached, see
# scripts/build-device-sdk.sh), then builds the project against Qt 4.8 for Embedded Linux twice and
# runs its tests, each as its own headless QWS server:
#   build-qt4/      x86-64, natively
#   build-qt4-arm/  32-bit ARM, under qemu-arm
# Usage: scripts/run-device-tests.sh [QT_SOURCE]   (a Qt 4.8 archive or tree, as build-device-sdk.sh)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=2

sdks=$("$top/scripts/build-device-sdk.sh" --jobs "$jobs" "$@")
sdk_x86=$(awk '$1 == "x86_64" { print $2 }' <<<"$sdks")
sdk_arm=$(awk '$1 == "arm" { print $2 }' <<<"$sdks")

# QWS display numbers of this run (one per test, also TCP ports 5900 + number): away from the
# usual ones and from other runs on the machine.
display_base=$((1000 + $$ % 250 * 100))
cleanup() {
    local id
    for ((id = display_base; id < display_base + 100; ++id)); do
        rm -rf "/tmp/qtembedded-$id"
    done
}
trap cleanup EXIT

build() {
    local dir="$1"
    shift
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOTSPOT_QT4=ON "$@"
    cmake --build "$dir" --parallel "$jobs"
}

build "$top/build-qt4" -DQT_QMAKE_EXECUTABLE="$sdk_x86/bin/qmake" \
    -DHOTSPOT_QWS_DISPLAY_BASE="$display_base"
build "$top/build-qt4-arm" -DQT_QMAKE_EXECUTABLE="$sdk_arm/bin/qmake" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/arm-linux-gnueabihf.cmake" \
    -DHOTSPOT_QWS_DISPLAY_BASE="$((display_base + 50))"

ctest --test-dir "$top/build-qt4" --output-on-failure --parallel "$jobs"
ctest --test-dir "$top/build-qt4-arm" --output-on-failure --parallel "$jobs"

echo "Device smoke screenshots: $top/build-qt4/device-smoke.png $top/build-qt4-arm/device-smoke.png"
