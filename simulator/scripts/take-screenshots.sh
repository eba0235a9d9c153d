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
    QT_QPA_PLATFORM=offscreen "$simulator" --sandbox "$work/$name" --script "$script" \
        --screenshots "$shots" "$@" > "$work/$name.log" 2>&1 || {
        echo "$name failed; its log:" >&2
        cat "$work/$name.log" >&2
        exit 1
    }
}

for script in "$here"/*.script; do
    name=$(basename "$script" .script)
    [ "$name" = startup_language ] && continue
    run "$name" "$script" "$out"
done
for language in kr gr_GR ru_RU; do
    run "language_$language" "$here/startup_language.script" "$out/language_$language" \
        --language "$language"
done
