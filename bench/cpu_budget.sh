#!/usr/bin/env bash
# cpu_budget.sh -- what the game costs the CPU, measured side by side with the floor program
#
# Starts its own Xvfb and, in one run: the floor (the least a program showing this
# window can cost), then the real game at the title, at the title with a gamepad
# connected and idle (SDL's virtual pad: these machines have no input devices), in a
# busy game (night, rain, a salmon pond's window and the bag open) and walking across
# three areas, then the floor again; then, on a 1920 x 1200 screen of its own, the floor
# and the busy game at full screen (the game's twice-size pictures) and the floor once
# more. Prints CPU % of one core per scene (game threads, Mesa's render threads, per
# thread), peak RSS, the ratios to the floor of the same size, the longest main-thread
# pass and the launch time, and exits 1 if any is over its budget. Timing on a shared
# machine is noisy: this is run by hand or after the tests, never as a test.
# Usage: bench/cpu_budget.sh [BUILD_DIR] [SECONDS_PER_SCENE]
#   BENCH_SHOTS=DIR keeps a picture of each scene; BENCH_SCENES="busy" runs only some
#   (title, title_pad, busy, walk, full).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-12}
here="$root/bench"
smoke="$root/tests/smoke"
work=$(mktemp -d /tmp/thornvale-bench-XXXXXX)
results="$work/results"
mkdir -p "$results"

source "$root/tools/xvfb.sh"
start_xvfb || exit 1
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2> /dev/null
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM   # so that an interrupted run still ends its programs
export ALSOFT_DRIVERS=null
unset LP_NUM_THREADS   # Mesa renders on its own threads, as on a player's machine

now() { date +%s.%N; }

# Starts a program, waits for its first sky-blue frame, records the launch time.
launch() {  # scene title command...
  local scene=$1 title=$2 start
  shift 2
  start=$(now)
  "$@" > "$work/$scene.log" 2>&1 &
  app=$!
  /usr/bin/python3 "$smoke/wait_for_screen.py" 30 "$title" || { echo "$scene: no picture" >&2; return 1; }
  awk "BEGIN { printf \"%.2f\\n\", $(now) - $start }" > "$results/$scene.launch"
  window=$(xdotool search --name "^$title\$" | head -1)
}

finish() {
  kill "$app" 2> /dev/null
  wait "$app" 2> /dev/null
  app=""
}

measure() {  # scene seconds
  # The game's step timer starts its scene figure at the mark. A game too old to have the
  # timer writes no steps.txt, and is not sent a signal that would end it.
  [ "$1" = "${1#floor}" ] && [ -e "$dir/steps.txt" ] && kill -USR1 "$app"
  /usr/bin/python3 "$here/measure.py" "$app" "$2" "$XVFB_PID" > "$results/$1.json"
  [ -n "${BENCH_SHOTS:-}" ] && mkdir -p "$BENCH_SHOTS" && \
    /usr/bin/python3 "$smoke/window_shot.py" "$BENCH_SHOTS/$1.png" "$(xdotool getwindowname "$window")" > /dev/null
  return 0
}

source "$smoke/press.sh"
PRESS_REST=0.4

run_floor() {  # scene [fullscreen]
  launch "$1" "Thornvale floor" "$build/bench/thornvale_floor" "$build/run/assets" ${2:-} || return 1
  sleep 2
  measure "$1" "$seconds"
  finish
}

# A run folder with the game, its assets and the given save files.
game_folder() {  # name
  local dir="$work/$1"
  mkdir -p "$dir/saves"
  cp "$build/run/thornvale" "$dir/"
  ln -s "$build/run/assets" "$dir/assets"
  locked_settings "$dir/saves/sF.kv"
  echo "$dir"
}

# A saved game: wisp at x 500 before the middle place, night (dayClock 700), mid-shower.
write_save() {  # dir middle-object
  {
    printf 'Bench\n0\n42\n12345\n500\n60\n0\n%s\n0\n' "$2"
    printf '1\n4\n7\n13\n16\n19\n2\n5\n0\n'     # bag: logs, ore, fish, tools
    for _ in $(seq 19 39); do echo 0; done
    echo 3
    for _ in $(seq 41 51); do echo 1; done
    printf '700\n33\n'
  } > "$1/saves/1.kv"
  printf '2\n1\n' > "$1/saves/sL.kv"
}

start_game() {  # scene dir [NAME=value...]
  local scene=$1 folder=$2
  shift 2
  cd "$folder" && launch "$scene" Thornvale env THORNVALE_STEP_TIMES="$folder/steps.txt" "$@" ./thornvale
  local status=$?
  cd "$root"
  return $status
}

# A press on a point of the 1000 x 600 picture, wherever the window shows it.
press_picture() {  # x y
  local size
  size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  press $(awk -v x="$1" -v y="$2" -v size="$size" 'BEGIN {
    split(size, s, " "); k = s[1] / 1000 < s[2] / 600 ? s[1] / 1000 : s[2] / 600
    printf "%d %d", int((s[1] - int(1000 * k + 0.5)) / 2 + x * k), int((s[2] - int(600 * k + 0.5)) / 2 + y * k) }')
}

load_saved_game() {
  press_picture 500 500; press_picture 500 275; press_picture 510 180   # Play, Load Game, the first save
  sleep 2
}

# The saved game above, opened from the menus: scene, object in the middle place,
# and 1 to open the window at full screen.
open_saved_game() {
  dir=$(game_folder "$1")
  write_save "$dir" "$2"
  [ "${3:-0}" = 1 ] && printf '1000\n600\n1\n' > "$dir/saves/wN.kv"
  start_game "$1" "$dir" || return 1
  load_saved_game
}

end_scene() {  # scene
  cp "$dir/steps.txt" "$results/$1.steps" 2> /dev/null
  finish
}

scene_title() {  # [scene NAME=value...]
  local scene=${1:-title}
  dir=$(game_folder "$scene")
  printf '1\n' > "$dir/saves/sL.kv"
  start_game "$scene" "$dir" "${@:2}" || return 1
  sleep 3
  measure "$scene" "$seconds"
  end_scene "$scene"
}

# The title with a gamepad connected and idle: the pointer thread reads it every 4 ms.
scene_title_pad() { scene_title title_pad THORNVALE_VIRTUAL_PAD=1; }

scene_busy() {  # [scene fullscreen]
  local scene=${1:-busy}
  open_saved_game "$scene" 8 "${2:-0}" || return 1
  xdotool key space; sleep 1.5      # the salmon pond's window zooms open
  xdotool key e; sleep 1.5          # and the bag slides in
  measure "$scene" "$seconds"
  end_scene "$scene"
}

scene_walk() {
  open_saved_game walk 0 || return 1
  xdotool keydown d
  measure walk 24                   # 7 px a step: out of this area and across three more
  xdotool keyup d
  [ "$(sed -n 40p "$dir/saves/1.kv")" -ge 6 ] || echo "walk: fewer than three areas crossed" >&2
  end_scene walk
}

# The busy game at full screen on a 1920 x 1200 screen, between two floors at that size.
full_screen_scenes() {
  stop_xvfb
  start_xvfb 1920x1200 || return 1
  run_floor floorfull1 fullscreen || return 1
  scene_busy full 1 || return 1
  run_floor floorfull2 fullscreen
}

scenes=${BENCH_SCENES:-title title_pad busy walk full}
run_floor floor1 || exit 1
for scene in $scenes; do [ "$scene" = full ] || "scene_$scene" || exit 1; done
run_floor floor2 || exit 1
case " $scenes " in *" full "*) full_screen_scenes || exit 1 ;; esac
/usr/bin/python3 "$here/report.py" "$results"
