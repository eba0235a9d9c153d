#!/bin/sh
# Sets everything up, builds and runs the product in the desktop simulator. Without a
# display it runs headless and writes screenshots into ./screenshots. Extra arguments go to
# the simulator (see its --help).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" release
exec "$top/build/bin/simulator" "$@"
