#!/bin/sh
# Renders the screens and the widget gallery's pages again and writes them over the golden
# images in tests/baselines/golden. Look at every changed picture before committing it:
#
#   ./scripts/update-baselines.sh && git status tests/baselines/golden
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" --parallel "$(nproc)" --target tst_baselines
HOTSPOT_UPDATE_BASELINES=1 "$top/build/bin/tst_baselines"
