#!/bin/bash
# Thornvale music: the victory fanfare played when the mission is complete
# (about 21 s, with a clear ending). Composed in win.py, Ogg Vorbis.
set -e
here=$(cd "$(dirname "$0")" && pwd)
python3 -B "$here/win.py" "$1"
