#!/usr/bin/env bash
# Validates the desktop entry or the AppStream metadata with the tools that menus and software
# centres use themselves, then checks the few keys that the install and the package rely on.
# Usage: check-metadata.sh desktop <file.desktop> | metainfo <file.metainfo.xml> <desktop file>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

kind=$1
file=$2

case $kind in
desktop)
    out=$(desktop-file-validate "$file" 2>&1) || { echo "$out"; fail "desktop-file-validate"; }
    # Hints are advice; errors and warnings are not acceptable.
    if grep -E '(error|warning):' <<<"$out"; then fail "desktop-file-validate complained"; fi
    [[ -n $out ]] && echo "$out"
    for key in 'Type=Application' 'Name=Zandrel' 'Exec=Zandrel' 'Icon=zandrel' \
               'Categories=Office;' 'Terminal=false'; do
        grep -qxF -- "$key" "$file" || fail "$file lacks the line $key"
    done
    # The program is German only, so the untranslated texts are the German ones.
    grep -q '^Comment=.*[äöüß]' "$file" || fail "$file has no German comment"
    ;;
metainfo)
    desktop=$3
    appstreamcli validate --no-net --explain "$file" || fail "appstreamcli validate"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$file")
    [[ $launchable == "$(basename "$desktop")" ]] ||
        fail "launchable '$launchable' is not the desktop entry $(basename "$desktop")"
    grep -q '<project_license>MIT</project_license>' "$file" || fail "project licence is not MIT"
    grep -q '<image>https://[^<]*\.png</image>' "$file" || fail "no https screenshot"
    grep -q '<release version="2.0.0"' "$file" || fail "release 2.0.0 missing"
    grep -q '<release version="1.0.0"' "$file" || fail "release 1.0.0 missing"
    ;;
*)
    fail "unknown kind $kind"
    ;;
esac
echo "ok: $file"
