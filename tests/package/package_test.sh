#!/usr/bin/env bash
# package_test.sh -- builds the Debian package, checks it with lintian and its binary's
# hardening, installs it, checks the installed menu entry, icons, metainfo, manual page and
# the fonts' links into Debian's font packages, plays the smoke test against
# /usr/games/thornvale as a player with an empty home, and removes the package again.
# Needs root (or sudo) and the current X display. Usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

fail() { echo "package test FAILED: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/thornvale_${version}_amd64.deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || fail "cpack: $(tail -5 "$build/cpack.log")"
[ -f "$deb" ] || fail "no $deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "computed dependencies: $depends"
for library in libsfml-graphics2.5 libsfml-audio2.5 libcurl4 libsdl2-2.0-0 libc6 libstdc++6 \
    fonts-sil-andika fonts-comfortaa; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$library" || fail "Depends lacks $library: $depends"
done

# lintian lists a binary without hardening among its notes, shown only with -I.
lintian -I "$deb" > "$build/lintian.log" 2>&1
grep '^E:' "$build/lintian.log" && fail "lintian reports errors"
grep ' hardening-' "$build/lintian.log" && fail "lintian finds the binary unhardened"
echo "lintian: $(grep -c '^W:' "$build/lintian.log") warnings, no errors, no hardening tags"

# The packaged binary: position-independent, relocations bound at start and read-only,
# and libc calls fortified (it imports their checked __*_chk variants).
unpacked="$build/unpacked-deb"
rm -rf "$unpacked" && dpkg-deb -x "$deb" "$unpacked"
binary="$unpacked/usr/games/thornvale"
# (Read whole first: grep -q leaving a pipe early would fail the pipeline under pipefail.)
dynamic=$(readelf -d -W "$binary") segments=$(readelf -l -W "$binary") symbols=$(readelf --dyn-syms -W "$binary")
grep -q 'FLAGS_1.*PIE' <<< "$dynamic" || fail "the binary is not position-independent"
grep -Eq '\(FLAGS\).*BIND_NOW|FLAGS_1.*NOW' <<< "$dynamic" || fail "the binary is not linked with -z now"
grep -q GNU_RELRO <<< "$segments" || fail "the binary has no read-only relocations"
grep -q '__[a-z0-9_]*_chk@' <<< "$symbols" || fail "the binary has no fortified libc calls"

# One package test at a time on a machine: installing and removing are system-wide.
exec 9> /tmp/thornvale-package-test.lock
flock 9
trap '$sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq thornvale > /dev/null 2>&1' EXIT
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > "$build/install.log" 2>&1 \
  || fail "apt-get install: $(tail -5 "$build/install.log")"

echo "installed files:"
dpkg -L thornvale | grep -v '/assets/.*\.dk5$' | sed 's/^/  /'
echo "  ... and $(dpkg -L thornvale | grep -c '/assets/.*\.dk5$') files under /usr/share/games/thornvale/assets/"
for path in /usr/games/thornvale /usr/share/games/thornvale/assets/8.dk5 \
    /usr/share/applications/org.thornvale.Thornvale.desktop \
    /usr/share/metainfo/org.thornvale.Thornvale.metainfo.xml \
    /usr/share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/thornvale.png \
    /usr/share/icons/hicolor/scalable/apps/thornvale.svg /usr/share/man/man6/thornvale.6.gz; do
  [ -e "$path" ] || fail "not installed: $path"
done
for size in 32 48 64 128 256; do
  [ "$(file -b "/usr/share/icons/hicolor/${size}x${size}/apps/thornvale.png" | grep -o "$size x $size")" = "$size x $size" ] \
    || fail "the ${size}px icon is $(file -b "/usr/share/icons/hicolor/${size}x${size}/apps/thornvale.png")"
done
[ "$(ls /usr/share/games/thornvale/assets/*.dk5 | wc -l)" = 133 ] || fail "not 133 asset files"
# Every picture but the window icon also at twice its size, for enlarged windows.
[ "$(ls /usr/share/games/thornvale/assets/2x/*.dk5 | wc -l)" = 110 ] || fail "not 110 twice-size pictures"
# The fonts are links to the font packages' own files, not copies.
for font in 3:fonts-sil-andika R:fonts-comfortaa; do
  link="/usr/share/games/thornvale/assets/${font%%:*}.dk5"
  [ -L "$link" ] || fail "$link is not a link"
  target=$(readlink -e "$link") || fail "$link does not resolve"
  dpkg -S "$target" | grep -q "^${font#*:}:" || fail "$link leads to $target, not a file of ${font#*:}"
done
# With no copied fonts there is nothing to excuse to lintian and no font licence to carry.
[ -e /usr/share/lintian/overrides/thornvale ] && fail "the package still overrides lintian"
grep -q 'Open Font License' /usr/share/doc/thornvale/copyright && fail "the copyright file still carries the font licences"

desktop-file-validate /usr/share/applications/org.thornvale.Thornvale.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/org.thornvale.Thornvale.metainfo.xml || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" /usr/share/metainfo/org.thornvale.Thornvale.metainfo.xml \
  || fail "the metainfo has no release $version"
warnings=$(man --warnings -l /usr/share/man/man6/thornvale.6.gz 2>&1 > /dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"

"$here/../smoke/smoke_test.sh" --installed /usr/games/thornvale || fail "the installed game"

$sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq thornvale > /dev/null 2>&1 || fail "apt-get purge"
[ ! -e /usr/games/thornvale ] && [ ! -e /usr/share/games/thornvale ] || fail "files left after removal"
dpkg -s thornvale > /dev/null 2>&1 && fail "thornvale is still installed"
echo "package test passed"
