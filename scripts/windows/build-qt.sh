#!/usr/bin/env bash
# Builds ICU and Qt's qtbase for 64-bit Windows with MinGW-w64, from Debian's own source packages,
# into a per-user cache, once: a finished build is reused while this script is unchanged (its hash
# is the stamp). Takes about 15 minutes on two idle cores. Qt's version is the host's, whose tools
# (moc, rcc, uic) the cross build uses.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
PREFIX=${QT_MINGW_PREFIX:-$ZANDREL_CACHE/qt-$QT_VERSION-mingw}
stamp=$(script_hash "$here/build-qt.sh" "$here/common.sh")
if stamp_ok "$PREFIX" "$stamp"; then
    exit 0
fi

say "Baue Qt $QT_VERSION mit ICU für Windows nach $PREFIX (einmalig, etwa 15 Minuten)"
start=$(date +%s)
ensure_deb_src
work=$ZANDREL_CACHE/work-qt
rm -rf "$work" "$PREFIX"
mkdir -p "$work" "$PREFIX"

# The toolchain Qt is built with lives in the prefix, so that the installed Qt's own toolchain
# file, which loads it by absolute path, keeps working when the project moves.
cat >"$PREFIX/mingw-w64.cmake" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $MINGW_TRIPLE-gcc-posix)
set(CMAKE_CXX_COMPILER $MINGW_TRIPLE-g++-posix)
set(CMAKE_RC_COMPILER $MINGW_TRIPLE-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$MINGW_TRIPLE $PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

# ICU: its data and tools are built natively first; the cross build runs those tools.
icu_src=$(fetch_source icu libicu-dev "$work/src")
mkdir -p "$work/icu-native" "$work/icu-mingw"
say "ICU (für den Host, wegen der Werkzeuge)"
(cd "$work/icu-native" && "$icu_src/source/configure" --disable-tests --disable-samples \
    --disable-extras --disable-layoutex >/dev/null && nice -n 10 make -j"$JOBS" >/dev/null)
say "ICU (für Windows)"
(cd "$work/icu-mingw" && "$icu_src/source/configure" --host=$MINGW_TRIPLE \
    --with-cross-build="$work/icu-native" --prefix="$PREFIX" --disable-tests --disable-samples \
    --disable-extras --disable-layoutex --disable-tools \
    CC=$MINGW_TRIPLE-gcc-posix CXX=$MINGW_TRIPLE-g++-posix >/dev/null &&
    nice -n 10 make -j"$JOBS" >/dev/null && make install >/dev/null)

# qtbase: only what the program and its tests use. -no-feature-tabletevent because Debian's
# repacked source has no 3rdparty/wintab; freetype because the offscreen platform (tests) needs it.
qt_src=$(fetch_source qt6-base qt6-base-dev "$work/src")
say "Qt (für Windows)"
mkdir -p "$work/qt-build"
(cd "$work/qt-build" && "$qt_src/configure" -prefix "$PREFIX" -xplatform win32-g++ \
    -qt-host-path /usr -release -shared -nomake tests -nomake examples -icu -no-opengl -no-dbus \
    -no-vulkan -qt-freetype -no-fontconfig -qt-zlib -qt-pcre -qt-libpng -no-libjpeg \
    -qt-doubleconversion -qt-harfbuzz -no-feature-sql -no-feature-xml -no-feature-concurrent \
    -no-feature-tabletevent -no-feature-direct2d1_1 -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PREFIX/mingw-w64.cmake" -DICU_ROOT="$PREFIX" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF >"$work/qt-configure.log" 2>&1) || {
    tail -40 "$work/qt-configure.log" >&2
    exit 1
}
(cd "$work/qt-build" && nice -n 10 cmake --build . --parallel "$JOBS" >"$work/qt-build.log" 2>&1) || {
    tail -40 "$work/qt-build.log" >&2
    exit 1
}
(cd "$work/qt-build" && cmake --install . >/dev/null)

rm -rf "$work"
echo "$stamp" >"$PREFIX/.zandrel-stamp"
say "Qt für Windows fertig in $(( ($(date +%s) - start) / 60 )) min"
