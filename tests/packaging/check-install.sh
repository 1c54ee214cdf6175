#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, validates the desktop entry and the AppStream data with
# the tools menus and software centres use, and starts the installed program to see that it takes
# its help and pictures from the installed tree, not from the build.   check-install.sh <build dir>
set -euo pipefail
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$work/root cmake --install "$1" --prefix /usr >"$work/install.log" || fail "cmake --install"
p=$work/root/usr
desktop-file-validate "$p/share/applications/org.example.zandrel.desktop" || fail "desktop entry"
appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli validate-tree"
grep -qxF 'MimeType=application/x-zandrel-meldung;application/x-zandrel-ausschreibung;' \
    "$p/share/applications/org.example.zandrel.desktop" ||
    fail "the desktop entry does not declare the entry and event file types"
# A scratch copy of the MIME database with only our type: a file named *.mdg must come out as it.
update-mime-database "$p/share/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log" >&2; fail "update-mime-database"; }
grep -q '^application/x-zandrel-meldung:\*\.mdg$' "$p/share/mime/globs" ||
    fail "the MIME database has no *.mdg glob"
grep -q '^application/x-zandrel-ausschreibung:\*\.aus$' "$p/share/mime/globs" ||
    fail "the MIME database has no *.aus glob"
grep -q 'Zandrel-Meldedatei' "$p/share/mime/application/x-zandrel-meldung.xml" ||
    fail "the MIME type has no German comment"
"$p/bin/zandrel-sammeln" -h >/dev/null || fail "the installed zandrel-sammeln does not start"
[[ -s $p/share/man/man1/zandrel-sammeln.1.gz ]] || fail "zandrel-sammeln has no manual page"
# The print preview and the gathering are a module that the program loads from beside its data.
nm -D --defined-only "$p/lib/zandrel/zandrel-extras.so" 2>/dev/null | grep -q ' zandrel_extras$' ||
    fail "the module of print preview and gathering is missing under $p/lib/zandrel"

mkdir -p "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home XDG_RUNTIME_DIR=$work/home QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="zandrel.data.info=true" "$p/bin/Zandrel" 2>"$work/log" </dev/null &
pid=$!
for _ in $(seq 100); do
    [[ $(grep -c 'zandrel.data: \(help\|pictures\) ' "$work/log") == 2 ]] && break
    sleep 0.1
done
grep -qxF "zandrel.data: help $p/share/zandrel/help/zandrelhelp.html found" "$work/log" &&
    grep -qxF "zandrel.data: pictures $p/share/zandrel/pictures/gender.png loaded" "$work/log" ||
    { cat "$work/log" >&2; fail "the installed program did not find its data under $p"; }
echo "ok: installed under $p"
