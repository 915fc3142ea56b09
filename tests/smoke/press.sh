# press.sh -- press X Y: a press on the window $window that a 1 ms pointer poller sees
# (down, 100 ms, up), then PRESS_REST seconds (0.35 unless set) for the menus' debounce.
# Sourced by the smoke, window and soak tests and the CPU benchmark, which also share
# locked_settings.
press() {
  xdotool mousemove --window "$window" "$1" "$2" 2> /dev/null
  sleep 0.1
  xdotool mousedown 1 2> /dev/null
  sleep 0.1
  xdotool mouseup 1 2> /dev/null
  sleep "${PRESS_REST:-0.35}"
}

# locked_settings FILE: the saves/sF.kv of a Mouse/Keyboard player who is not asked again,
# so the game opens on the title screen.
locked_settings() {
  printf '0\n1\n100\n1\n100\n0\n' > "$1"
}
