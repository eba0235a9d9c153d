#!/bin/sh
# Runs every script of this folder in a new sandbox of its own and leaves the screenshots in
# the folder given (default: docs/screenshots); startup_language.script runs once per
# language, into language_<code>/. The simulator is taken from build/bin unless SIMULATOR
# names another.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
simulator=${SIMULATOR:-$top/build/bin/simulator}
out=${1:-$top/docs/screenshots}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run NAME SCRIPT SCREENSHOT-FOLDER [SIMULATOR-OPTION...]
run() {
    name=$1
    script=$2
    shots=$3
    shift 3
    echo "== $name"
    # The sandbox's control tool runs the one HOSTAPD_CLI names.
    QT_QPA_PLATFORM=offscreen HOSTAPD_CLI=${tool:-/usr/sbin/hostapd_cli} \
        "$simulator" --sandbox "$work/$name" --script "$script" \
        --screenshots "$shots" "$@" > "$work/$name.log" 2>&1 || {
        echo "$name failed; its log:" >&2
        cat "$work/$name.log" >&2
        exit 1
    }
}

# A control tool that never answers, for hanging_tool.script.
printf '#!/bin/sh\nexec sleep 60\n' > "$work/hang"
chmod +x "$work/hang"

for script in "$here"/*.script; do
    name=$(basename "$script" .script)
    case $name in
    startup_language | missing_script) continue ;;
    hanging_tool) tool=$work/hang ;;
    *) tool= ;;
    esac
    run "$name" "$script" "$out"
done
for language in kr gr_GR ru_RU; do
    for name in startup_language validation hanging_tool; do
        tool=
        [ "$name" = hanging_tool ] && tool=$work/hang
        run "${name}_$language" "$here/$name.script" "$out/language_$language" \
            --language "$language"
    done
done

# A device with the hotspot on and no hotspot script: a sandbox made first, then used as it is.
echo quit > "$work/quit.script"
run device_without_script "$work/quit.script" "$work"
device=$work/device_without_script
rm "$device/usr/sbin/hotspot.sh"
printf '[HOTSPOT]\nHOTSPOT=true\n' > "$device/configs/envinfo.ini"
QT_QPA_PLATFORM=offscreen "$simulator" --device-root "$device" --screenshots "$out" \
    --script "$here/missing_script.script" > "$work/missing_script.log" 2>&1 || {
    cat "$work/missing_script.log" >&2
    exit 1
}
