#!/usr/bin/env bash
# measure_sharpness.sh -- how sharp the title is at full screen: on its own 1920 x 1200 X
# screen, shoots the title screen in a 1000 x 600 window and at full screen (and, given an
# older game binary, that one at full screen too), renders art/title/title.svg at the size
# the full screen shows it, and runs tools/sharpness.py over them. Needs the built game.
# Usage: tools/measure_sharpness.sh [BUILD_DIR] [OUT_DIR] [OLDER_GAME_BINARY]
#   OUT_DIR (default BUILD_DIR/review) receives the shots and the crops, all named crisp_*.png.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$build/review}
older=${3:-}
smoke="$root/tests/smoke"
mkdir -p "$out"
source "$root/tools/xvfb.sh"
start_xvfb_session 1920x1200 sharpness || exit 1

mkdir -p "$work/saves"
ln -s "$build/run/assets" "$work/assets"
source "$smoke/press.sh"
locked_settings "$work/saves/sF.kv"                      # Mouse/Keyboard, chooser locked
printf '1\n' > "$work/saves/sL.kv"                       # past the tutorial: the title first

shoot() {  # binary fullscreen(0/1) picture.png
  cp "$1" "$work/thornvale"
  printf '1000\n600\n%s\n' "$2" > "$work/saves/wN.kv"
  (cd "$work" && exec env ALSOFT_DRIVERS=null ./thornvale) > "$work/game.log" 2>&1 &
  game=$!
  /usr/bin/python3 "$smoke/wait_for_screen.py" 30 || { echo "no title screen from $1" >&2; exit 1; }
  local window
  window=$(xdotool search --name '^Thornvale$' | head -1)
  [ "$2" = 0 ] && xdotool windowmove "$window" 0 0   # wholly on the screen, to be read
  xdotool mousemove 1915 1195                        # away from the play letters
  sleep 1
  /usr/bin/python3 "$smoke/window_shot.py" "$3" > /dev/null || exit 1
  kill "$game"
  wait "$game" 2> /dev/null
  game=""
}

shoot "$build/run/thornvale" 0 "$out/crisp_1000x600.png"
shoot "$build/run/thornvale" 1 "$out/crisp_fullscreen.png"
before=()
if [ -n "$older" ]; then
  shoot "$older" 1 "$out/crisp_fullscreen_before.png"
  before=("$out/crisp_fullscreen_before.png")
fi
# 1920 x 1200 shows the picture 1.92 times: the 640 x 200 title as 1229 x 384.
rsvg-convert -w 1229 -h 384 -f png -o "$out/crisp_title_svg.png" "$root/art/title/title.svg" || exit 1
python3 "$root/tools/sharpness.py" "$out/crisp_1000x600.png" "$out/crisp_fullscreen.png" \
  "$out/crisp_title_svg.png" "$out" "${before[@]}"
