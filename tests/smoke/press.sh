# press.sh -- press X Y: a press on the window $window that a 1 ms pointer poller sees
# (down, 100 ms, up), then PRESS_REST seconds (0.35 unless set) for the menus' debounce.
# Sourced by the smoke, window and soak tests and the CPU benchmark.
press() {
  xdotool mousemove --window "$window" "$1" "$2" 2> /dev/null
  sleep 0.1
  xdotool mousedown 1 2> /dev/null
  sleep 0.1
  xdotool mouseup 1 2> /dev/null
  sleep "${PRESS_REST:-0.35}"
}
