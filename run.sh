#!/usr/bin/env bash
# run.sh -- install what is missing, build, generate the assets and play Thornvale.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
install_missing_packages
build_thornvale
cd "$BUILD_DIR/run"
exec ./thornvale
