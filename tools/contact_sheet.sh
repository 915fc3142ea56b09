#!/usr/bin/env bash
# Builds the assets (only what is out of date) and lays every image of the manifest
# (kinds image, sheet and icon) out on one labelled page: build/review/contact_sheet.png.
# Each picture sits on a soft checkerboard so both white and dark art stay visible;
# anything larger than 300 px is shown scaled down to fit 300 x 300.
# Usage: tools/contact_sheet.sh [--columns N]
set -u

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MANIFEST="$ROOT/art/manifest.tsv"
ASSETS="$ROOT/build/run/assets"
REVIEW="$ROOT/build/review"
OUT="$REVIEW/contact_sheet.png"
COLUMNS=8
if [ "${1:-}" = "--columns" ] && [ -n "${2:-}" ]; then COLUMNS="$2"; fi

for tool in montage convert; do
    command -v "$tool" >/dev/null || { echo "contact_sheet: ImageMagick '$tool' is needed" >&2; exit 1; }
done

# Build what is missing or stale; a missing source is reported but does not stop the sheet.
codes="$(awk -F'\t' '$1 !~ /^#/ && ($2 == "image" || $2 == "sheet" || $2 == "icon") {printf "%s%s", sep, $1; sep = ","}' "$MANIFEST")"
python3 "$ROOT/tools/build_assets.py" --only "$codes" || echo "contact_sheet: some assets did not build (see above); they are marked missing" >&2

FONT=""
for f in /usr/share/fonts/truetype/andika/Andika-Regular.ttf /usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf; do
    if [ -f "$f" ]; then FONT="$f"; break; fi
done

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$REVIEW"

args=()
count=0
missing=0
while IFS=$'\t' read -r code kind names source size why; do
    case "$code" in ''|'#'*) continue ;; esac
    case "$kind" in image|sheet|icon) ;; *) continue ;; esac
    count=$((count + 1))
    src="$ASSETS/$code.dk5"
    tile="$WORK/$(printf '%03d' "$count")_$code.png"
    label="$names ($code) $size"
    if [ -f "$src" ]; then
        w="${size%x*}"; h="${size#*x}"
        # checkerboard of 8 px squares in two quiet greys, then the picture over it
        convert -size "${w}x${h}" pattern:checkerboard -scale 200% -crop "${w}x${h}+0+0" +repage \
                -fill '#8a9399' -opaque black -fill '#a9b1b6' -opaque white \
                "png:$src" -compose over -composite -resize '300x300>' "$tile"
    else
        missing=$((missing + 1))
        label="$label MISSING"
        convert -size 120x80 xc:'#d9534f' "$tile"
    fi
    args+=(-label "$label" "$tile")
done < "$MANIFEST"

fontarg=()
if [ -n "$FONT" ]; then fontarg=(-font "$FONT"); fi

montage "${fontarg[@]}" -pointsize 13 -background '#f3e5c0' -fill '#3b2f2f' \
        -title "Thornvale asset contact sheet: $count images${missing:+, $missing missing}" \
        "${args[@]}" -tile "${COLUMNS}x" -geometry '300x300>+10+10' -depth 8 "$OUT"
echo "contact_sheet: wrote $OUT ($count images, $missing missing)"
