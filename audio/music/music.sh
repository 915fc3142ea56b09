#!/bin/bash
# Thornvale music: the meadow theme, a calm pastoral waltz in G major that loops
# seamlessly (86.4 s). Composed in music.py, rendered with fluidsynth, Ogg Vorbis.
set -e
here=$(cd "$(dirname "$0")" && pwd)
python3 -B "$here/music.py" "$1"
