#!/usr/bin/env bash
# window_test.sh -- the real game on its own 1920x1080 X screen, driven with xdotool: the
# window resized to 1600x600 (black bars left and right), a new game started with presses
# on the letterboxed buttons, F11 to full screen (bars, and a bag drag that lands in the
# right slots), F11 back, and a restart that opens at the remembered size.
# Screenshots go to build/review/ (or $SHOTS). Usage: window_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
shots=${SHOTS:-$root/build/review}
mkdir -p "$shots"
source "$root/tools/xvfb.sh"
start_xvfb_session 1920x1080 window || exit 1

fail() { echo "window test FAILED: $*" >&2; exit 1; }

saves="$work/saves"
mkdir -p "$saves"
source "$here/press.sh"  # presses are in window pixels here, not picture points
locked_settings "$saves/sF.kv"
printf '1\n' > "$saves/sL.kv"                       # past the tutorial
cp "$build/run/thornvale" "$work/"
ln -s "$build/run/assets" "$work/assets"

window=""
find_game_window() {
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Thornvale$' 2>/dev/null | head -1)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  fail "no window titled Thornvale"
}

start_game() {
  (cd "$work" && exec env ALSOFT_DRIVERS=null ./thornvale) > "$work/game.log" 2>&1 &
  game=$!
  find_game_window
  /usr/bin/python3 "$here/wait_for_screen.py" 30 || fail "the loading screen never ended"
  sleep 0.3
}

close_game() {
  /usr/bin/python3 "$here/close_window.py" Thornvale || fail "could not ask the window to close"
  for _ in $(seq 1 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game" 2>/dev/null && fail "the game did not exit after the close request"
  wait "$game" || fail "exit code $?"
  game=""
}

size_of() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# Slow enough for a loaded machine: every stage is seen by several steps.
drag() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  xdotool mousemove --window "$window" "$3" "$4"
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

black() { [ "$(/usr/bin/python3 "$here/pixel.py" "$1")" = "0,0,0" ]; }

start_game
[ "$(size_of)" = 1000x600 ] || fail "first window is $(size_of)"
xdotool windowmove "$window" 0 0   # wholly on the screen, so every pixel can be pressed and read
xdotool windowsize "$window" 1600 600
sleep 0.8
[ "$(size_of)" = 1600x600 ] || fail "resized window is $(size_of)"
black 150,300 && black 1450,300 || fail "no black bars beside the picture"
black 800,300 && fail "the picture is black"
/usr/bin/python3 "$here/window_shot.py" "$shots/game_window_1600x600_title.png" > /dev/null

press 800 500                     # Play, 300 px right of where it is in the picture
press 230 100                     # on the left bar, where the back arrow would be unmapped
press 800 205                     # New Game
xdotool type --delay 60 "Wide"
xdotool key Return
sleep 0.3
press 800 325                     # Custom Seed
xdotool type --delay 60 "7"
xdotool key Return
sleep 1
[ "$(sed -n 1p "$saves/1.kv" 2>/dev/null)" = "Wide" ] || fail "no game named Wide in saves/1.kv"
[ "$(tr '\n' ' ' < "$saves/wN.kv")" = "1600 600 0 " ] || fail "window size file: $(cat "$saves/wN.kv")"
sleep 9                           # the arrival beam
xdotool key e
sleep 0.6
/usr/bin/python3 "$here/window_shot.py" "$shots/game_window_1600x600.png" > /dev/null

xdotool key F11
sleep 1
find_game_window
[ "$(size_of)" = 1920x1080 ] || fail "full screen window is $(size_of)"
[ "$(tr '\n' ' ' < "$saves/wN.kv")" = "1600 600 1 " ] || fail "window size file: $(cat "$saves/wN.kv")"
black 30,540 && black 1890,540 || fail "no 60 px bars beside the full-screen picture"
black 960,540 && fail "the full-screen picture is black"
xdotool mousemove --window "$window" 960 540
sleep 0.5
/usr/bin/python3 "$here/window_shot.py" "$shots/game_fullscreen_1920x1080.png" > /dev/null
# The bag stayed open: slot 1 (840, 110) to slot 5 (900, 170), scaled 1.8 and 60 px in.
drag 1572 198 1680 306
[ "$(sed -n 10p "$saves/1.kv")" = 0 ] && [ "$(sed -n 14p "$saves/1.kv")" = 13 ] \
  || fail "the drag in full screen: slots $(sed -n 10,14p "$saves/1.kv" | tr '\n' ' ')"

xdotool key F11
sleep 1
find_game_window
[ "$(size_of)" = 1600x600 ] || fail "back from full screen the window is $(size_of)"
close_game

start_game
[ "$(size_of)" = 1600x600 ] || fail "the next start opened at $(size_of)"
xdotool windowmove "$window" 0 0
sleep 0.3
/usr/bin/python3 "$here/window_shot.py" "$shots/game_window_1600x600_restarted.png" > /dev/null
close_game
[ "$(wc -l < "$saves/sF.kv")" = 6 ] || fail "sF.kv no longer has six lines"
echo "window test passed"
