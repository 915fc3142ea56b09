#!/usr/bin/env bash
# stress_startup.sh -- starts the real game thirty times in a row under its own Xvfb and
# checks that every start reaches the first screen and closes cleanly (exit code 0).
# Not part of the test command: run it by hand after touching loading or threads.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${RUNS:-30}
source "$root/tools/xvfb.sh"
start_xvfb || exit 1
trap stop_xvfb EXIT
work=$(mktemp -d /tmp/thornvale-stress-XXXXXX)
cp "$build/run/thornvale" "$work/"
ln -s "$build/run/assets" "$work/assets"
failures=0
for i in $(seq 1 "$runs"); do
  rm -rf "$work/saves"
  (cd "$work" && ALSOFT_DRIVERS=null exec ./thornvale > "$work/log.$i" 2>&1) &
  game=$!
  sleep 0.5
  if ! /usr/bin/python3 "$root/tests/smoke/wait_for_screen.py" 20; then
    echo "run $i: the first screen never appeared"; failures=$((failures + 1))
    kill -9 "$game"; wait "$game" 2>/dev/null; continue
  fi
  sleep 1   # a second of the first screen with its clouds
  if ! kill -0 "$game" 2>/dev/null; then
    echo "run $i: the game died during start-up"; failures=$((failures + 1)); continue
  fi
  /usr/bin/python3 "$root/tests/smoke/close_window.py" Thornvale > /dev/null
  for _ in $(seq 1 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game" 2>/dev/null; then
    echo "run $i: did not close"; tail -5 "$work/log.$i"; kill -9 "$game"; wait "$game" 2>/dev/null
    failures=$((failures + 1)); continue
  fi
  wait "$game"; code=$?
  [ "$code" = 0 ] || { echo "run $i: exit code $code"; failures=$((failures + 1)); }
done
[ "$failures" = 0 ] && rm -rf "$work"
echo "$runs start-ups, $failures failures"
[ "$failures" = 0 ]
