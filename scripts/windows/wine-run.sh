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
# Debian's wineserver command begins to shut the server down the moment its last program ends
# (it passes -p0). With tests starting and ending two at a time, a program now and then connects
# while the server is going, and Wine stops it before it has run a line ("wine client error:0:
# recvmsg: Connection reset by peer", seen once in CI). So the first program of a suite starts the
# server itself, without that wrapper, to stay 10 seconds after the last program; later calls find it
# running and leave it (exit status 2).
/usr/lib/wine/wineserver64 -p10 2>/dev/null || true

# Should it happen all the same, the program is started once more. Thread id 0 in that message
# means Wine gave up while setting up the process, before the program itself ran: a failure of the
# program is never repeated.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for attempt in 1 2; do
    # The error output goes on as it comes and into the log: stdout is kept aside on fd 3.
    set +e
    { "$wine" "$@" 2>&1 1>&3 3>&- | tee "$log" >&2; status=${PIPESTATUS[0]}; } 3>&1
    set -e
    if [ "$status" -ne 0 ] && [ "$attempt" -eq 1 ] && grep -q '^wine client error:0:' "$log"; then
        echo "wine-run.sh: Wine verlor beim Start die Verbindung zum wineserver; zweiter Versuch" >&2
        continue
    fi
    exit "$status"
done
