#!/usr/bin/env bash
# test.sh -- install what is missing, build, check the layers of the source tree, and run
# every test headless: the suite under its own Xvfb with OpenAL's silent output, then the
# smoke test of the real game, then the Debian package installed and played.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
install_missing_packages
build_thornvale

source "$THORNVALE_ROOT/tools/xvfb.sh"
start_xvfb
trap stop_xvfb EXIT

export ALSOFT_DRIVERS=null LP_NUM_THREADS=0
status=0
# The source tree's layers: no include from a higher folder, no include loop.
python3 "$THORNVALE_ROOT/tools/check_layers.py" || status=1
ctest --test-dir "$BUILD_DIR" --output-on-failure -j 2 --timeout 300 || status=1
"$THORNVALE_ROOT/tests/smoke/smoke_test.sh" "$BUILD_DIR" || status=1
# The real window on its own 1920x1080 screen: resized, letterboxed, full screen and back.
"$THORNVALE_ROOT/tests/smoke/window_test.sh" "$BUILD_DIR" || status=1
# The Debian package: built, checked, installed, played as a fresh player, removed.
if [ "${THORNVALE_PACKAGE:-1}" = 1 ]; then
  "$THORNVALE_ROOT/tests/package/package_test.sh" "$BUILD_DIR" || status=1
fi
"$THORNVALE_ROOT/tests/soak/kill_soak.sh" "$BUILD_DIR" 50 || status=1
"$THORNVALE_ROOT/tests/fuzz/run_fuzz.sh" 20 || status=1
if [ "${THORNVALE_TSAN:-1}" = 1 ]; then
  "$THORNVALE_ROOT/tests/tsan.sh" || status=1
fi
exit $status
