#!/usr/bin/env bash
# smoke_test.sh -- plays the real game binary under the current X display with xdotool:
# chooser, title, main menu, a named game with seed 42, a few steps of walking, the
# bag opened with E and closed again, then
# the window manager's close request. Checks the exit code and the files under saves/.
# Usage: smoke_test.sh BUILD_DIR             the built game, copied into a temporary run folder
#        smoke_test.sh --installed BINARY    an installed game (/usr/games/thornvale), started
#                                            from an empty folder with HOME at another one
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/thornvale-smoke-XXXXXX)
game=""
trap '[ -n "$game" ] && kill $game 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "smoke test FAILED: $*" >&2; exit 1; }

if [ "${1:-}" = "--installed" ]; then
  binary=${2:?installed binary}
  start="$work/start" home="$work/home"
  mkdir "$start" "$home"
  data="$home/.local/share/thornvale"
  saves="$data/saves"
else
  build=$(cd "${1:?build folder}" && pwd)
  start="$work" home="${HOME:-}"
  saves="$work/saves"
  mkdir -p "$saves"
  cp "$build/run/thornvale" "$work/"
  ln -s "$build/run/assets" "$work/assets"
  binary="$work/thornvale"
fi

window=""
start_game() {
  (cd "$start" && exec env -u XDG_DATA_HOME ${home:+HOME="$home"} ALSOFT_DRIVERS=null "$binary") > "$work/game.log" 2>&1 &
  game=$!
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Thornvale$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled Thornvale: $(cat "$work/game.log")"
  /usr/bin/python3 "$here/wait_for_screen.py" 30 || fail "the loading screen never ended"
  sleep 0.3
}

close_game() {
  /usr/bin/python3 "$here/close_window.py" Thornvale || fail "could not ask the window to close"
  for _ in $(seq 1 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game" 2>/dev/null; then
    # Where every thread stands, so a hang at exit can be mended rather than guessed at.
    command -v gdb > /dev/null && gdb -p "$game" -batch -ex "thread apply all bt" 2>&1 | grep -E "^Thread|^#" >&2
    tail -20 "$work/game.log" >&2
    fail "the game did not exit within 10 s of the close request"
  fi
  wait "$game"
  code=$?
  game=""
  [ "$code" = 0 ] || fail "exit code $code"
}

# A press the pointer thread can see: down, 100 ms, up; menus ignore presses within 200 ms.
source "$here/press.sh"

if [ -n "${data:-}" ]; then
  # The first start of an installed game makes the player's private data folder.
  start_game
  close_game
  [ -d "$saves" ] || fail "no $saves after the first start"
  [ "$(stat -c %a "$data")" = 700 ] || fail "$data is not private: $(stat -c %a "$data")"
  [ "$(stat -c %a "$saves")" = 700 ] || fail "$saves is not private: $(stat -c %a "$saves")"
  [ -f "$saves/sF.kv" ] || fail "no settings written under $saves"
fi

printf '1\n' > "$saves/sL.kv"   # a player who has done the tutorial; settings are fresh
start_game
press 500 250                     # Mouse/Keyboard
press 500 350                     # Confirm
[ "$(tr '\n' ' ' < "$saves/sF.kv")" = "0 1 100 1 100 1 " ] || fail "settings after Confirm: $(cat "$saves/sF.kv")"
press 500 500                     # Play: the main menu
press 500 205                     # New Game
xdotool type --delay 60 "Smoke"
xdotool key Return
sleep 0.3
press 500 325                     # Custom Seed
xdotool type --delay 60 "42"
xdotool key Return
sleep 1
[ -f "$saves/1.kv" ] || fail "no saves/1.kv after starting a game"
[ "$(sed -n 1p "$saves/1.kv")" = "Smoke" ] || fail "save name: $(sed -n 1p "$saves/1.kv")"
[ "$(sed -n 3p "$saves/1.kv")" = "42" ] || fail "seed line: $(sed -n 3p "$saves/1.kv")"
[ "$(wc -l < "$saves/1.kv")" = "53" ] || fail "save file has $(wc -l < "$saves/1.kv") lines"
[ "$(tr '\n' ' ' < "$saves/sL.kv")" = "2 1 " ] || fail "save list: $(cat "$saves/sL.kv")"
sleep 9    # the arrival beam
xdotool keydown d; sleep 0.5; xdotool keyup d
xdotool key e; sleep 0.5; xdotool key e; sleep 0.3
close_game

if [ -n "${data:-}" ]; then
  [ -z "$(ls -A "$start")" ] || fail "the game wrote into the folder it was started from: $(ls -A "$start")"
fi
echo "smoke test passed"
