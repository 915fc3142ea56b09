#!/usr/bin/env bash
# run_fuzz.sh -- builds the fuzz targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each in turn for SECONDS (default 20), one process at a time, from the
# committed seeds in tests/fuzz/corpus/<target>. Prints executions and findings per target and
# exits non-zero on any finding. Inputs that found something are kept in build-fuzz/findings/.
# Usage: run_fuzz.sh [SECONDS] [TARGET...]     (needs the normal build's assets, for play_fuzz)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(save_game_fuzz save_list_fuzz settings_fuzz high_scores_fuzz
                                      tutorial_save_fuzz cheats_fuzz metrics_queue_fuzz play_fuzz)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DTHORNVALE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" > /dev/null || exit 1
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)" > "$build/build.log" 2>&1 ||
  { tail -30 "$build/build.log"; exit 1; }

if [ -z "${DISPLAY:-}" ]; then  # the playing target draws
  source "$root/tools/xvfb.sh"
  start_xvfb || exit 1
  trap stop_xvfb EXIT
fi
export ALSOFT_DRIVERS=null LP_NUM_THREADS=0
# The targets' run folders go to memory when they can: each save is synced to disk.
[ -z "${TMPDIR:-}" ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:handle_abort=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target findings=$build/findings/$target log=$build/logs/$target.log
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings" "$build/logs"
  TIMEFORMAT='%U %S'
  { time "$build/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" "$root/tests/fuzz/corpus/$target" > "$log" 2>&1 ; } 2> "$log.cpu"
  code=$?
  cpu=$(tail -1 "$log.cpu" | awk '{ printf "%.0f", $1 + $2 }')
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  found=$(find "$findings" -type f ! -name 'slow-unit-*' | wc -l)  # slow inputs are kept, not failed
  echo "$target: ${runs:-?} executions in ${seconds} s (${cpu} s of CPU), exit $code, $found finding(s) kept in $findings"
  if [ "$code" -ne 0 ] || [ "$found" -ne 0 ]; then
    status=1
    grep -E 'FINDING|ERROR|SUMMARY|runtime error' "$log" | head -20
  fi
done
exit $status
