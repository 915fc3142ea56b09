#!/usr/bin/env bash
# setup.sh -- installs what Thornvale needs from Debian's archive and builds it.
# Sourced by run.sh and test.sh; safe to run again (only missing packages are installed).
set -euo pipefail

THORNVALE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$THORNVALE_ROOT/build}

PACKAGES=(
  g++ cmake make pkg-config python3
  libsfml-dev libx11-dev libcurl4-openssl-dev libsdl2-dev libsdl2-2.0-0 libgl1-mesa-dri libgtest-dev
  librsvg2-bin sox libsox-fmt-all fluidsynth fluid-soundfont-gm vorbis-tools
  fonts-comfortaa fonts-sil-andika
  xvfb x11-utils xdotool python3-xlib
  dpkg-dev file lintian desktop-file-utils appstream man-db
  clang libclang-rt-14-dev
)

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build_thornvale() {
  cmake -S "$THORNVALE_ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}
