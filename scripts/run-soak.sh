#!/bin/sh
# Drives the application with EVENTS random events (default 1000000) drawn from SEED (default:
# the current time) and checks it after every event: keys, messages, early timer expiries,
# starts, ends and hides, and outside programs that answer late, never or with garbage (see
# tests/reliability/soak). Runs the release build; SOAK_BUILD=sanitize runs the AddressSanitizer
# and UndefinedBehaviorSanitizer build instead, several times slower. A failure names
# the seed and the event.
#
#   ./scripts/run-soak.sh [EVENTS] [SEED]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000000}
seed=${2:-$(date +%s)}
flavour=${SOAK_BUILD:-release}

case "$flavour" in
release) dir="$top/build" ;;
sanitize) dir="$top/build-sanitize" ;;
*)
    echo "SOAK_BUILD is release or sanitize" >&2
    exit 2
    ;;
esac

"$top/scripts/setup.sh"
"$top/scripts/build.sh" "$flavour"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
exec "$dir/bin/hotspot_soak" --events "$events" --seed "$seed"
