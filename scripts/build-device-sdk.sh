#!/bin/bash
# Builds the device SDK: Qt 4.8 for Embedded Linux (QWS), as the telephone runs it, from a Qt 4.8
# source archive or tree, with the patches and qmake platforms (mkspecs) of device/sdk/. Two flavours:
#   x86_64  native, so the device build's tests run on this machine (headless, under QWS)
#   arm     32-bit ARM (Debian's arm-linux-gnueabihf), as the telephone's processor
# Both carry the telephone's build key, so that plug-ins built against them carry the
# verification data the telephone accepts, and the native tests load them as it does.
# Only what the product needs is built: moc, rcc, uic, lrelease, QtCore, QtNetwork, QtGui, QtTest.
# Each SDK is installed into a cache folder named after a hash of the source and of this recipe,
# so a second run costs nothing. Prints one line "<flavour> <prefix>" per SDK on stdout.
#
# Usage: scripts/build-device-sdk.sh [--flavour x86_64|arm|all] [--jobs N] [SOURCE]
#   SOURCE  a Qt 4.8 source archive (.tar.xz, .tar.gz) or tree;
#           default ../shared/device-sdk/qt-4.8.2.tar.xz beside the checkout
# Environment: HOTSPOT_SDK_CACHE overrides the cache folder.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
recipe_dir="$top/device/sdk"
device_build_key="arm linux g++-4 no-pkg-config"

flavours="x86_64 arm"
jobs=2
source=""
while [ $# -gt 0 ]; do
    case "$1" in
    --flavour)
        case "${2:-}" in
        all) flavours="x86_64 arm" ;;
        x86_64 | arm) flavours="$2" ;;
        *) echo "build-device-sdk: unknown flavour '${2:-}'" >&2; exit 2 ;;
        esac
        shift 2 ;;
    --jobs) jobs="$2"; shift 2 ;;
    -h | --help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "build-device-sdk: unknown option '$1'" >&2; exit 2 ;;
    *) source="$1"; shift ;;
    esac
done
[ -n "$source" ] || source="$top/../shared/device-sdk/qt-4.8.2.tar.xz"
if [ ! -e "$source" ]; then
    echo "build-device-sdk: no Qt 4.8 source at '$source'" >&2
    exit 2
fi
source=$(cd "$(dirname "$source")" && pwd)/$(basename "$source")
cache="${HOTSPOT_SDK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/settings-hotspot/device-sdk}"

log() { echo "build-device-sdk: $*" >&2; }

# Installs Debian packages that are missing; apt may be busy with someone else's install.
ensure_packages() {
    local missing="" package sudo=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing="$missing $package"
    done
    [ -n "$missing" ] || return 0
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    log "installing$missing"
    local attempt
    for attempt in 1 2 3 4 5 6 7 8 9 10 11 12; do
        # shellcheck disable=SC2086
        if $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
            $sudo apt-get install -y -qq --no-install-recommends $missing >&2; then
            return 0
        fi
        log "apt-get failed (attempt $attempt, perhaps locked); retrying in 15 s"
        sleep 15
    done
    log "could not install$missing"
    exit 1
}

ensure_packages build-essential perl patch xz-utils binutils
# qemu-user runs what is built against the ARM flavour.
case " $flavours " in *" arm "*) ensure_packages crossbuild-essential-armhf qemu-user ;; esac

# The source's identity: an archive's checksum, or the content of every file of a tree.
if [ -d "$source" ]; then
    source_id="tree $( (cd "$source" && find . -type f -print0 | LC_ALL=C sort -z |
        xargs -0 sha256sum) | sha256sum | cut -c1-64)"
else
    source_id="archive $(sha256sum <"$source" | cut -c1-64)"
fi
recipe_id=$( (cd "$top" && find scripts/build-device-sdk.sh device/sdk -type f -print0 |
    LC_ALL=C sort -z | xargs -0 sha256sum) | sha256sum | cut -c1-64)

qt_configure_options=(
    -opensource -confirm-license -release -shared -fast -make libs
    -no-webkit -no-script -no-scripttools -no-declarative -no-multimedia -no-phonon -no-svg
    -no-xmlpatterns -no-opengl -no-openssl -no-dbus -no-qt3support -no-gtkstyle
    -no-javascript-jit -no-audio-backend -no-sql-sqlite -no-glib -no-cups -no-nis -no-icu
    -no-pch -qt-zlib -qt-libpng -qt-libjpeg -no-libtiff -no-libmng -qt-freetype
    -depths '16,24,32' -qt-gfx-linuxfb -qt-gfx-vnc -qt-gfx-transformed -qt-gfx-qvfb
    -qt-kbd-linuxinput -qt-mouse-linuxinput
    -nomake tools -nomake examples -nomake demos -nomake docs -nomake tests -nomake translations)
# QtGui links QtNetwork under QWS (the VNC screen driver), so the network module comes first.
qt_parts=(src/tools/bootstrap src/tools/moc src/tools/rcc src/tools/uic
    src/corelib src/network src/gui src/testlib tools/linguist/lrelease)

# Builds a minimal plug-in against the installed SDK and checks that it carries the verification
# data a Qt 4 shell built from the same SDK expects: the version, a release build, the build key.
check_plugin_verification() {
    local flavour="$1" prefix="$2" cross="" check
    [ "$flavour" = arm ] && cross=arm-linux-gnueabihf-
    check=$(mktemp -d)
    printf '%s\n' '#include <QtCore/QObject>' '#include <QtCore/qplugin.h>' \
        'Q_EXPORT_PLUGIN2(sdkcheck, QObject)' >"$check/plugin.cpp"
    "${cross}g++" -std=c++11 -shared -fPIC -O2 -DQT_NO_DEBUG -I"$prefix/include" "$check/plugin.cpp" \
        -L"$prefix/lib" -lQtCore -o "$check/libsdkcheck.so"
    "${cross}objcopy" -O binary --only-section=.qtplugin "$check/libsdkcheck.so" "$check/section"
    local version key
    version=$(sed -n 's/^#define QT_VERSION_STR *"\(.*\)"$/\1/p' "$prefix/include/QtCore/qglobal.h")
    key=$(sed -n 's/^#define QT_BUILD_KEY "\(.*\)"$/\1/p' "$prefix/include/QtCore/qconfig.h")
    printf 'pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=%s\ndebug=false\nbuildkey=%s\0' \
        "$version" "$key" >"$check/expected"
    if ! cmp -s "$check/section" "$check/expected" ||
        [ "$(nm -D --defined-only "$check/libsdkcheck.so" |
            grep -cE ' T (qt_plugin_instance|qt_plugin_query_verification_data)$')" != 2 ]; then
        log "$flavour: a plug-in built against the SDK carries the wrong verification data:"
        od -c "$check/section" >&2
        rm -rf "$check"
        return 1
    fi
    rm -rf "$check"
}

build_flavour() {
    local flavour="$1" prefix="$2" work="$3"
    local -a options
    case "$flavour" in
    x86_64) options=(-embedded x86_64 -xplatform qws/linux-x86_64-sdk-g++) ;;
    arm) options=(-embedded arm -xplatform qws/linux-armhf-sdk-g++ -no-neon) ;;
    esac

    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    log "$flavour: unpacking $source"
    if [ -d "$source" ]; then
        cp -a "$source/." "$work/"
    else
        tar -xf "$source" -C "$work" --strip-components=1
    fi
    if ! grep -q '^#define QT_VERSION_STR *"4\.8\.' "$work/src/corelib/global/qglobal.h" 2>/dev/null; then
        log "$source is not a Qt 4.8 source tree"
        return 1
    fi

    local patch
    for patch in "$recipe_dir"/patches/*.patch; do
        log "$flavour: applying $(basename "$patch")"
        patch -d "$work" -p1 --forward --batch --quiet <"$patch"
    done
    cp -r "$recipe_dir/platforms/." "$work/mkspecs/"

    log "$flavour: configuring (log: $work/build.log)"
    (cd "$work" && ./configure -prefix "$prefix" "${options[@]}" "${qt_configure_options[@]}") \
        >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; return 1; }

    # configure derives the key from the platform and compiler and only prepends -buildkey; the
    # telephone accepts exactly its own key, and no compatibility keys.
    local qconfig="$work/src/corelib/global/qconfig.h"
    log "$flavour: configure's $(grep '^#define QT_BUILD_KEY ' "$qconfig")"
    sed -i -e '/^#define QT_BUILD_KEY_COMPAT/d' \
        -e "s/^#define QT_BUILD_KEY .*/#define QT_BUILD_KEY \"$device_build_key\"/" "$qconfig"
    grep -qFx "#define QT_BUILD_KEY \"$device_build_key\"" "$qconfig"

    local part
    for part in "${qt_parts[@]}"; do
        log "$flavour: building $part"
        make -C "$work/$part" -j"$jobs" >>"$work/build.log" 2>&1 ||
            { tail -n 40 "$work/build.log" >&2; return 1; }
    done
    log "$flavour: installing into $prefix"
    for part in "${qt_parts[@]:1}"; do
        make -C "$work/$part" install >>"$work/build.log" 2>&1 ||
            { tail -n 40 "$work/build.log" >&2; return 1; }
    done
    make -C "$work" install_qmake install_mkspecs >>"$work/build.log" 2>&1 ||
        { tail -n 40 "$work/build.log" >&2; return 1; }

    local installed_key
    installed_key=$(sed -n 's/^#define QT_BUILD_KEY "\(.*\)"$/\1/p' "$prefix/include/QtCore/qconfig.h")
    log "$flavour: build key \"$installed_key\""
    [ "$installed_key" = "$device_build_key" ] || { log "$flavour: wrong build key"; return 1; }
    if [ "$flavour" = arm ]; then
        readelf -h "$prefix/lib/libQtCore.so.4" | grep -q 'Machine: *ARM' ||
            { log "arm: QtCore is not an ARM library"; return 1; }
    fi
    check_plugin_verification "$flavour" "$prefix"
    cp "$work/build.log" "$prefix/build.log"
    printf 'source: %s\nsource id: %s\nrecipe id: %s\nbuild key: %s\nbuilt: %s\n' \
        "$source" "$source_id" "$recipe_id" "$installed_key" "$(date -u '+%F %T UTC')" \
        >"$prefix/.sdk-complete"
    rm -rf "$work"
}

mkdir -p "$cache"
for flavour in $flavours; do
    key=$(printf '%s\n%s\n%s\n' "$flavour" "$source_id" "$recipe_id" | sha256sum | cut -c1-16)
    prefix="$cache/$flavour-$key"
    # Colleagues share the cache: one builds, the others wait for the finished SDK.
    exec 9>"$cache/$flavour-$key.lock"
    flock 9
    if [ -f "$prefix/.sdk-complete" ]; then
        log "$flavour: cached in $prefix"
    else
        started=$(date +%s)
        build_flavour "$flavour" "$prefix" "$cache/work-$flavour-$key"
        log "$flavour: built in $(($(date +%s) - started)) s"
    fi
    exec 9>&-
    echo "$flavour $prefix"
done
