#!/usr/bin/env bash
# package.sh -- install what is missing, build, and make the Debian package
# build/thornvale_<version>_amd64.deb (its library dependencies computed by dpkg-shlibdeps).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
install_missing_packages
build_thornvale
cd "$BUILD_DIR"
cpack -G DEB
