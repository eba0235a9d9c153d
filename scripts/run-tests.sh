#!/bin/sh
# Sets everything up, builds and runs the whole test suite twice: as built for release, and
# under AddressSanitizer + UndefinedBehaviorSanitizer with leak checking; gives each fuzz target
# a short run in a clang build of its own; runs the unit tests once more with plain char
# unsigned; then builds the telephone's Qt (cached) and runs the unit tests and the device smoke
# program against it, natively and on 32-bit ARM under emulation. Any failure or sanitizer report
# fails the run.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

"$top/scripts/build.sh" release
(cd "$top/build" && ctest --output-on-failure --parallel "$jobs")

"$top/scripts/build.sh" sanitize
(
    cd "$top/build-sanitize"
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0"
    export LSAN_OPTIONS="suppressions=$top/tests/sanitizer/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --output-on-failure --parallel "$jobs"
)

"$top/scripts/run-fuzz.sh" --smoke

"$top/scripts/build.sh" unsigned-char
(cd "$top/build-unsigned-char" && ctest --output-on-failure --parallel "$jobs")

"$top/scripts/run-device-tests.sh"
