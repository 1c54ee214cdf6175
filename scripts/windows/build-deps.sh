#!/usr/bin/env bash
# Builds the libraries besides Qt that the program and its tests need on Windows, with MinGW-w64,
# into a per-user cache, once (reused while this script and the toolchain file are unchanged):
# libxlsxwriter from Debian's source package against Debian's MinGW zlib (libz-mingw-w64-dev),
# libqrencode from Debian's source package, GoogleTest from Debian's /usr/src/googletest, and
# Debian's Asio headers. A minute or two.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/common.sh"

PREFIX=${MINGW_DEPS_PREFIX:-$ZANDREL_CACHE/mingw-deps}
toolchain=$root/cmake/mingw-w64.cmake
stamp=$(script_hash "$here/build-deps.sh" "$here/common.sh" "$toolchain")
if stamp_ok "$PREFIX" "$stamp"; then
    exit 0
fi

say "Baue libxlsxwriter, libqrencode und GoogleTest für Windows nach $PREFIX"
ensure_deb_src
work=$ZANDREL_CACHE/work-deps
rm -rf "$work" "$PREFIX"
mkdir -p "$work" "$PREFIX"
cmake_cross=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain"
             -DZANDREL_MINGW_PREFIXES="$PREFIX" -DCMAKE_INSTALL_PREFIX="$PREFIX")

# Only the upstream tarball of a source package, unpacked: enough where Debian's changes concern
# its packaging alone, and some mirrors lack the Debian part of a package.
fetch_orig() { # <source package> <binary package> <destination>
    local pkg=$1 dest=$3 version orig
    version=$(dpkg-query -W -f='${source:Version}' "$2")
    mkdir -p "$dest"
    (cd "$dest" && apt-get source -d "$pkg=$version") >"$dest/apt-source-$pkg.log" 2>&1 || true
    orig=$(find "$dest" -maxdepth 1 -name "${pkg}_*.orig.tar.*" | head -1)
    if [ -z "$orig" ]; then
        cat "$dest/apt-source-$pkg.log" >&2
        echo "apt-get source -d $pkg=$version fehlgeschlagen" >&2
        return 1
    fi
    tar -xf "$orig" -C "$dest"
    find "$dest" -mindepth 1 -maxdepth 1 -type d -name "${pkg}-[0-9]*" | sort | tail -1
}

build() { # <source> <build folder> <cmake options...>
    local src=$1 dir=$2
    shift 2
    cmake -S "$src" -B "$dir" "${cmake_cross[@]}" "$@" >"$dir.log" 2>&1 &&
        nice -n 10 cmake --build "$dir" --parallel "$JOBS" >>"$dir.log" 2>&1 &&
        cmake --install "$dir" >>"$dir.log" 2>&1 || {
        tail -40 "$dir.log" >&2
        return 1
    }
}

xlsx_src=$(fetch_source libxlsxwriter libxlsxwriter-dev "$work/src")
# Its bundled minizip, so that nothing beyond zlib has to be built; tmpfile() on Windows would
# want to write into C:\, the library's own temporary files go to the user's temp folder.
build "$xlsx_src" "$work/xlsxwriter" -DBUILD_SHARED_LIBS=ON -DUSE_SYSTEM_MINIZIP=OFF \
    -DUSE_STANDARD_TMPFILE=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
# The form's GiroCode: a static library, so that no further DLL has to travel with the program;
# without its command-line tool, which would want libpng.
qr_src=$(fetch_orig qrencode libqrencode-dev "$work/src")
build "$qr_src" "$work/qrencode" -DBUILD_SHARED_LIBS=OFF -DWITH_TOOLS=OFF -DWITH_TESTS=OFF
# Asio is header-only and the same on every platform: Debian's headers serve as they are.
mkdir -p "$PREFIX/include"
cp -r /usr/include/asio /usr/include/asio.hpp "$PREFIX/include/"
build /usr/src/googletest "$work/googletest" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=ON \
    -DINSTALL_GTEST=ON

rm -rf "$work"
echo "$stamp" >"$PREFIX/.zandrel-stamp"
