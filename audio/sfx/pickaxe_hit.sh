#!/bin/bash
# Thornvale sound: a bright clink on stone. Rendered by make.py as 16-bit 44.1 kHz mono WAV.
set -e
here=$(cd "$(dirname "$0")" && pwd)
python3 -B "$here/make.py" pickaxe_hit "$1"
