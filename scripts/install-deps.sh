#!/usr/bin/env bash
# Installs what building, running and testing Zandrel needs on Debian 12, and nothing when
# everything is already there. Called by every Makefile target, so it must stay quick and quiet
# when there is nothing to do.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ make pkg-config
    # toolkit and its German texts
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-qpa-plugins
    fonts-dejavu-core
    # the program's own translation: lupdate and lrelease, and CMake's Qt6LinguistTools (also
    # for the Windows cross build, which runs them on this machine)
    qt6-l10n-tools qt6-tools-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # mail transport and the real servers its tests start on loopback
    libasio-dev dovecot-pop3d python3-aiosmtpd
    # fuzzing and the sanitizer build
    clang libclang-rt-14-dev
    # desktop integration checks and the package
    desktop-file-utils shared-mime-info appstream dpkg-dev file
    # the printed registration: its GiroCode (QR code), and its test reads the PDF back as text
    # and decodes the code from the rendered page
    libqrencode-dev poppler-utils zbar-tools
    # gathering the clubs' files: the spreadsheet writer, the collation keys, and unzip to read
    # the written spreadsheet back in the tests
    libxlsxwriter-dev libicu-dev unzip
    # handing the registration to the user's mail program: xdg-mime finds the default one (the
    # tests register fake ones with it), xdg-email takes any we do not know
    xdg-utils
)
# `make windows` and `make test-windows`: the MinGW-w64 cross compiler and Windows zlib, Wine to
# run the tests, NSIS for the installer, dpkg-dev for apt-get source (Qt, ICU and libxlsxwriter
# are built from Debian's source packages), perl for Qt's build.
if [ "${1:-}" = windows ]; then
    packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
               wine wine64 nsis perl python3)
fi
# `make lint`: the formatter and checker of clang 14 (the versions .clang-format and .clang-tidy
# are written for), the spelling and the shell checker; git lists the files they check.
if [ "${1:-}" = lint ]; then
    packages+=(clang-format-14 clang-tidy-14 codespell shellcheck git)
fi

missing=()
for p in "${packages[@]}"; do
    # A package that is only "config-files" or half installed counts as missing.
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# Dovecot's package would start the system-wide service; the tests run their own instance, so
# keep package scripts from starting daemons on this machine.
if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee /usr/sbin/policy-rc.d >/dev/null
    $SUDO chmod +x /usr/sbin/policy-rc.d
    trap '$SUDO rm -f /usr/sbin/policy-rc.d' EXIT
fi
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
