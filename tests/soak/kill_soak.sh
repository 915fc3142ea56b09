#!/usr/bin/env bash
# kill_soak.sh -- starts the real game under the current X display from a run folder of its
# own, loads a saved game and walks right from area to area (every area change saves), and
# kills it with SIGKILL at a random moment; after every kill, thornvale_check_saves reads each
# file under saves/ with the game's own readers, and the saved game must still hold its bag and
# every area crossed. Repeats KILLS times (default 50).
# Usage: kill_soak.sh BUILD_DIR [KILLS]    (DISPLAY must name a running X server)
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
kills=${2:-50}
here=$(cd "$(dirname "$0")" && pwd)
smoke=$here/../smoke
work=$(mktemp -d /tmp/thornvale-soak-XXXXXX)
game="" driver=""
cleanup() {
  [ -n "$driver" ] && kill -- -"$driver" 2> /dev/null
  [ -n "$game" ] && kill -9 "$game" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/saves" "$work/failed"
cp "$build/run/thornvale" "$work/"
ln -s "$build/run/assets" "$work/assets"
source "$smoke/press.sh"

# A player with one game, keyboard locked in, so the game opens on the title screen.
printf '2\n1\n' > "$work/saves/sL.kv"
locked_settings "$work/saves/sF.kv"
{ printf 'Soak\n0\n42\n42\n100\n0\n3\n5\n1\n13\n16\n19\n'; for _ in $(seq 13 53); do printf '0\n'; done; } > "$work/saves/1.kv"

# Title, Play, Load Game, the first row, then walk right for good.
drive() {
  local window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Thornvale$' 2> /dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || return
  /usr/bin/python3 "$smoke/wait_for_screen.py" 30 2> /dev/null || return
  sleep 0.3
  press 500 500
  press 500 275
  press 510 180
  sleep 1
  xdotool keydown --window "$window" d 2> /dev/null
}

# What a kill must never take from the player: the bag (lines 10-18) stays as it was, and
# the count of areas crossed (line 40) never goes back.
bag_of() { sed -n 10,18p saves/1.kv | tr '\n' ' '; }
areas_of() { sed -n 40p saves/1.kv; }
lost_progress() {  # bag areas-before
  [ "$(bag_of)" != "$1" ] && { echo "the bag changed from '$1' to '$(bag_of)'"; return 0; }
  [ "$(areas_of)" -lt "$2" ] 2> /dev/null && { echo "the areas crossed went back from $2 to $(areas_of)"; return 0; }
  return 1
}

cd "$work"
set -m  # each background job in a process group of its own: the driver goes with its children
failures=0 saves=0
bag=$(bag_of)
for i in $(seq 1 "$kills"); do
  before=$(stat -c %y saves/1.kv 2> /dev/null || echo -)
  areas=$(areas_of)
  ALSOFT_DRIVERS=null ./thornvale > game.log 2>&1 &
  game=$!
  drive &
  driver=$!
  # Start-up, menus and the load take about four seconds, then an area is saved about
  # every five and a half: kill anywhere in the first three areas.
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.2 + (r / 32767) * 16 }')"
  kill -9 "$game" 2> /dev/null
  wait "$game" 2> /dev/null
  kill -- -"$driver" 2> /dev/null
  wait "$driver" 2> /dev/null
  xdotool keyup d 2> /dev/null
  game="" driver=""
  [ "$(stat -c %y saves/1.kv 2> /dev/null || echo -)" != "$before" ] && saves=$((saves + 1))
  if ! "$build/thornvale_check_saves" 2> check.log || lost_progress "$bag" "$areas" > check.log; then
    failures=$((failures + 1))
    cp -r saves "failed/kill-$i"
    echo "kill $i: $(cat check.log)" >&2
    cp -r "failed/kill-$i" "/tmp/thornvale-soak-failed-$$-$i"
  fi
done
areas=$(areas_of)
echo "kill soak: $kills kills, the game saved before $saves of them ($areas area changes saved in all)," \
     "$failures left a file under saves/ that did not read back or lost the player's progress"
[ "$failures" -eq 0 ]
