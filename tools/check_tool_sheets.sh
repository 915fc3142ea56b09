#!/bin/bash
# check_tool_sheets.sh -- rebuilds the nine smithing sheets and checks every 75 x 75 cell:
# a blank cell must be fully transparent, a piece cell must be at least MIN_PERCENT opaque
# (a piece the player cannot see cannot be placed).
# Usage: tools/check_tool_sheets.sh [--no-build] [MIN_PERCENT]
set -u
cd "$(dirname "$0")/.."
build=1
if [ "${1:-}" = "--no-build" ]; then build=0; shift; fi
min=${1:-15}
assets=build/run/assets
# code  blank cells
sheets="1E:3,7,12,13,14 1F:3,7,12,13,14 1G:3,7,12,13,14
1K:3,7,12,13 1L:3,7,12,13 1M:3,7,12,13
1B:2,3,7,9,12,13,14 1C:2,3,7,9,12,13,14 1D:2,3,7,9,12,13,14"
if [ $build = 1 ]; then
    python3 tools/build_assets.py --only 1E,1F,1G,1K,1L,1M,1B,1C,1D || exit 1
fi
fail=0
for entry in $sheets; do
    code=${entry%%:*}
    blank=",${entry#*:},"
    png="png:$assets/$code.dk5"
    size=$(identify -format '%wx%h' "$png" 2>/dev/null)
    if [ "$size" != "300x300" ]; then
        echo "$code: expected 300x300, got '${size:-nothing}'"; fail=1; continue
    fi
    line="$code:"
    for c in $(seq 0 15); do
        x=$((75 * (c % 4))); y=$((75 * (c / 4)))
        alpha="convert $png -crop 75x75+$x+$y +repage -alpha extract"
        if [[ $blank == *",$c,"* ]]; then
            peak=$($alpha -format '%[fx:round(maxima*255)]' info:)
            if [ "$peak" != "0" ]; then line+=" $c:LEAK(alpha $peak)"; fail=1; else line+=" $c:blank"; fi
        else
            pct=$($alpha -threshold 50% -format '%[fx:round(mean*100)]' info:)
            if [ "$pct" -lt "$min" ]; then line+=" $c:THIN($pct%)"; fail=1; else line+=" $c:$pct%"; fi
        fi
    done
    echo "$line"
done
if [ $fail = 0 ]; then echo "all tool sheets ok"; else echo "tool sheet check FAILED"; fi
exit $fail
