#!/bin/sh
# Configures and builds one flavour of the project: "release" (default) into build/,
# "sanitize" (AddressSanitizer + UndefinedBehaviorSanitizer) into build-sanitize/, or
# "unsigned-char" (the libraries and their unit tests only, with plain char unsigned as on the
# telephone's ARM processor) into build-unsigned-char/.
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
unsigned-char)
    dir="$top/build-unsigned-char"
    options="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-funsigned-char -DHOTSPOT_UNIT_TESTS_ONLY=ON"
    ;;
*)
    echo "usage: $0 [release|sanitize|unsigned-char]" >&2
    exit 2
    ;;
esac

# shellcheck disable=SC2086
cmake -S "$top" -B "$dir" -G Ninja $options
cmake --build "$dir" --parallel "$(nproc)"
