#!/bin/sh
# Configures and builds one flavour of the project: "release" (default) into build/, or
# "sanitize" (AddressSanitizer + UndefinedBehaviorSanitizer) into build-sanitize/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-release}

case "$flavour" in
release)
    dir="$top/build"
    options="-DCMAKE_BUILD_TYPE=RelWithDebInfo"
    ;;
sanitize)
    dir="$top/build-sanitize"
    options="-DCMAKE_BUILD_TYPE=Debug -DHOTSPOT_SANITIZE=ON"
    ;;
*)
    echo "usage: $0 [release|sanitize]" >&2
    exit 2
    ;;
esac

# shellcheck disable=SC2086
cmake -S "$top" -B "$dir" -G Ninja $options
cmake --build "$dir" --parallel "$(nproc)"
