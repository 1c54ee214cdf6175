#!/usr/bin/env bash
# Runs a program of the Windows cross build under Wine: the emulator through which CMake and ctest
# run the test programs of `make test-windows`. The Wine prefix is the user's own, made once and
# headless (Wine's "null" graphics driver: no X server needed; even Qt's offscreen platform wants a
# Wine graphics driver). ZANDREL_WINEPREFIX chooses another prefix, e.g. one that shows windows.
set -euo pipefail
cache=${ZANDREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zandrel}
export WINEPREFIX=${ZANDREL_WINEPREFIX:-$cache/wine-headless}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: nothing here needs .NET or the HTML engine.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=/usr/lib/wine/wine64 # Debian 12 puts no wine64 command on the PATH

if [ ! -f "$WINEPREFIX/.zandrel-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests start in parallel; only one of them makes the prefix.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.zandrel-ready" ]; then
        "$wine" wineboot -i >/dev/null 2>&1
        if [ -z "${ZANDREL_WINEPREFIX:-}" ]; then
            "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        fi
        touch "$WINEPREFIX/.zandrel-ready"
    fi
    exec 9>&-
fi
exec "$wine" "$@"
