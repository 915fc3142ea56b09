#!/usr/bin/env bash
# xvfb.sh -- start_xvfb finds a free display, starts Xvfb on it (24-bit, 1280x1024 or the
# size given as WIDTHxHEIGHT, no TCP) and waits until it answers; stop_xvfb ends it.
# Sourced by the test scripts.
# -noreset: by default Xvfb resets whenever its last client leaves, and a test process
# that connects during the reset fails to open the display.
start_xvfb() {
  local n size=${1:-1280x1024}
  for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset > /dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      xdpyinfo > /dev/null 2>&1 && return 0
      kill -0 "$XVFB_PID" 2> /dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2> /dev/null && wait "$XVFB_PID" 2> /dev/null
  return 0
}

# start_xvfb_session SIZE NAME: start_xvfb of that size and a work folder in $work
# (/tmp/thornvale-NAME-XXXXXX); on exit the game in $game, if any, is ended, Xvfb
# stopped and the folder removed.
start_xvfb_session() {
  start_xvfb "$1" || return 1
  work=$(mktemp -d "/tmp/thornvale-$2-XXXXXX")
  game=""
  trap '[ -n "$game" ] && kill $game 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
}
