#!/usr/bin/env bash
# `cmake --install` into a temporary DESTDIR: everything the desktop and the program need must
# arrive under the prefix, and the installed program must find its help and pictures there, not
# in the build tree.
# Usage: check-install.sh <build dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=$(realpath -- "$1")
make_workdir
root=$work/root
prefix=/usr
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install"; }

p=$root$prefix
[[ -x $p/bin/Zandrel ]] || fail "no executable $p/bin/Zandrel"
for f in share/zandrel/help/zandrelhelp.html \
         share/zandrel/pictures/gender.png \
         share/applications/org.example.zandrel.desktop \
         share/metainfo/org.example.zandrel.metainfo.xml \
         share/icons/hicolor/scalable/apps/zandrel.svg \
         share/doc/zandrel/copyright \
         share/doc/zandrel/changelog.gz \
         share/man/man1/Zandrel.1.gz; do
    expect_file "$p/$f"
done
gzip -t "$p/share/doc/zandrel/changelog.gz" "$p/share/man/man1/Zandrel.1.gz" ||
    fail "a compressed document is broken"
# Each hicolor size folder must hold a picture of exactly that size, or desktops scale a wrong one.
for size in 16 32 48 64 128 256; do
    icon=$p/share/icons/hicolor/${size}x${size}/apps/zandrel.png
    expect_file "$icon"
    file -b "$icon" | grep -q "PNG image data, $size x $size," ||
        fail "$icon is not a ${size}x${size} PNG: $(file -b "$icon")"
done
# Nothing may land outside the prefix.
stray=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name "${prefix#/}")
[[ -z $stray ]] || fail "installed outside $prefix: $stray"

# The installed desktop entry, metadata and icon, checked together as a desktop would see them.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

start_and_expect_data "$p/bin/Zandrel" "$root"
echo "ok: install into $prefix"
