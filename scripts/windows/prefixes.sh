#!/usr/bin/env bash
# Prints the Windows libraries' prefixes (Qt with ICU; libxlsxwriter, GoogleTest, Asio) as the
# CMake list that cmake/mingw-w64.cmake takes in ZANDREL_MINGW_PREFIXES.
set -euo pipefail
. "$(dirname "$0")/common.sh"
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
echo "${QT_MINGW_PREFIX:-$ZANDREL_CACHE/qt-$qt_version-mingw};${MINGW_DEPS_PREFIX:-$ZANDREL_CACHE/mingw-deps}"
