#!/usr/bin/env bash
# check-installer.sh SETUP.exe [LINUX-BUILD]: installs Zandrel silently (/S) into a fresh Wine
# prefix and checks the result: the files, the Start-menu entry, the .mdg file type; the installed
# zandrel-sammeln.exe gathers tests/data to the same CSV as the Linux build's zandrel-sammeln
# (LINUX-BUILD, default build/), but for the file column's paths. With DISPLAY set, Zandrel.exe is
# started with the windows platform on that display and a screenshot written to
# $SCREENSHOT (default /tmp/zandrel-windows.png; needs ImageMagick's import).
set -euo pipefail
setup=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
linux_build=${2:-$root/build}
WINEPREFIX=$(mktemp -d /tmp/zandrel-wine-XXXXXX)
export WINEPREFIX
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

"$wine" wineboot -i >/dev/null 2>&1
"$wine" "$setup" /S || fail "das Installationsprogramm endete mit $?"
# The user Wine made for this prefix: the first folder under users besides Public.
user=
for d in "$WINEPREFIX"/drive_c/users/*; do
    if [ -d "$d" ] && [ "${d##*/}" != Public ]; then
        user=${d##*/}
        break
    fi
done
home="$WINEPREFIX/drive_c/users/$user"
dir="$home/AppData/Local/Programs/Zandrel"
for f in bin/Zandrel.exe bin/zandrel-sammeln.exe bin/qt.conf plugins/platforms/qwindows.dll \
         translations/qtbase_de.qm share/zandrel/help/zandrelhelp.html Uninstall.exe; do
    [ -f "$dir/$f" ] || fail "$f fehlt nach der Installation"
done
[ -f "$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zandrel.lnk" ] ||
    fail "kein Eintrag im Startmenü"
"$wine" reg query 'HKCU\Software\Classes\Zandrel.Meldedatei\shell\open\command' 2>/dev/null |
    grep -qF 'Zandrel.exe" "%1"' || fail "der Dateityp .mdg ist nicht eingetragen"
"$wine" reg query 'HKCU\Software\Classes\Zandrel.Ausschreibung\shell\open\command' 2>/dev/null |
    grep -qF 'Zandrel.exe" "%1"' || fail "der Dateityp .aus ist nicht eingetragen"
echo "Installiert: $(du -sh "$dir" | cut -f1) in $dir"

# The same list as on Linux: only the columns "Datei" and "Hinweis" (which may name another
# club's file) hold other paths.
if [ -x "$linux_build/bin/zandrel-sammeln" ]; then
    work=$(mktemp -d)
    cp "$root"/tests/data/*.mdg "$work/"
    "$linux_build/bin/zandrel-sammeln" -o "$work/linux.csv" "$work" 2>/dev/null || true
    "$wine" "$dir/bin/zandrel-sammeln.exe" -o "Z:$work/windows.csv" "Z:$work" 2>/dev/null || true
    strip_file_column() {
        python3 -c 'import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8-sig", newline=""), delimiter=";"))
drop = {i for i, name in enumerate(rows[0]) if name in ("Datei", "Hinweis")}
for row in rows:
    print(";".join(c for i, c in enumerate(row) if i not in drop))' "$1"
    }
    [ -s "$work/windows.csv" ] || fail "zandrel-sammeln.exe schrieb keine Liste"
    cmp <(strip_file_column "$work/linux.csv") <(strip_file_column "$work/windows.csv") ||
        fail "zandrel-sammeln.exe schreibt eine andere Liste als unter Linux"
    echo "zandrel-sammeln.exe: dieselbe Liste wie unter Linux ($(wc -l <"$work/windows.csv") Zeilen)"
    rm -rf "$work"
fi

if [ -n "${DISPLAY:-}" ]; then
    cp "$root/tests/data/example.mdg" "$home/Documents/Gauturnfest.mdg"
    "$wine" "C:\\users\\$user\\AppData\\Local\\Programs\\Zandrel\\bin\\Zandrel.exe" \
        "C:\\users\\$user\\Documents\\Gauturnfest.mdg" &
    sleep "${WAIT:-15}"
    import -window root "${SCREENSHOT:-/tmp/zandrel-windows.png}"
    echo "Bildschirmfoto: ${SCREENSHOT:-/tmp/zandrel-windows.png}"
fi
echo "Installationsprogramm in Ordnung: $(basename "$setup"), $(du -h "$setup" | cut -f1)"
