#!/usr/bin/env bash
# tsan.sh -- builds the test suite with ThreadSanitizer and runs it; any report fails.
# Expects DISPLAY to name a running X server and the normal build's assets to exist.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TSAN_BUILD_DIR:-$root/build-tsan}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHORNVALE_TSAN=ON > /dev/null
# Reuse the assets of the normal build instead of generating them twice.
mkdir -p "$build/run"
[ -e "$build/run/assets" ] || ln -s "$root/build/run/assets" "$build/run/assets"
cmake --build "$build" --target thornvale_tests -j "$(nproc)"
export TSAN_OPTIONS="suppressions=$root/tests/tsan.supp halt_on_error=1 exitcode=66 second_deadlock_stack=1"
export ALSOFT_DRIVERS=null LP_NUM_THREADS=0
# The tests where threads meet: the real start-up threads, fades, the pointer queue and
# the loaders, the metrics worker and the saves it shares with the game. Everything else
# runs on the one drawing thread by design.
"$build/thornvale_tests" --gtest_brief=1 --gtest_filter='Threads.*:Sound.*:Input.*:Loading.*:FrameLoop.*:Metrics.*:SaveFailure.*'
echo "ThreadSanitizer run finished without a report"
