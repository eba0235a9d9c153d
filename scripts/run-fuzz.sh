#!/bin/sh
# Fuzzes the station-list parser, the loading and writing of the settings files and the
# message handling with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, each for
# SECONDS seconds (default 600), in a clang build of their own (build-fuzz). New inputs collect
# in build-fuzz/tests/fuzz/corpus-<target>; an input that finds a fault is written to
# build-fuzz/tests/fuzz/<target>-crash-... (add it to tests/fuzz/corpus/<target> with the fix).
# Targets named after SECONDS are the only ones run. "--smoke" runs the short, seeded runs of
# the test command instead.
#
#   ./scripts/run-fuzz.sh [SECONDS [TARGET...] | --smoke]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/build-fuzz"
targets="parsestations hotspotconfig receivemsg"

"$top/scripts/setup.sh"
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOTSPOT_FUZZ=ON
for target in $targets; do
    cmake --build "$dir" --parallel "$(nproc)" --target "fuzz_$target"
done

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

if [ "${1:-}" = "--smoke" ]; then
    cd "$dir"
    exec ctest --output-on-failure --label-regex fuzz --parallel "$(nproc)"
fi

seconds=${1:-600}
[ $# -gt 1 ] && shift && targets="$*"
status=0
for target in $targets; do
    work="$dir/tests/fuzz/corpus-$target"
    mkdir -p "$work"
    echo "Fuzzing $target for $seconds s"
    "$dir/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
        -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$dir/tests/fuzz/$target-" \
        "$work" "$top/tests/fuzz/corpus/$target" || status=1
done
exit "$status"
