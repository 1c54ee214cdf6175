#!/usr/bin/env bash
# Builds the .deb with CPack in a scratch folder, checks its control data and contents, unpacks it
# with dpkg-deb -x (nothing is installed system-wide) and starts the unpacked program offscreen.
# Usage: check-deb.sh <build dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=$(realpath -- "$1")
make_workdir
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }

shopt -s nullglob
debs=("$work"/pkg/zandrel_*.deb)
shopt -u nullglob
((${#debs[@]} == 1)) || fail "expected one zandrel_*.deb, found ${#debs[@]}"
deb=${debs[0]}

[[ $(dpkg-deb -f "$deb" Package) == zandrel ]] || fail "package name is not zandrel"
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[[ $arch == "$(dpkg --print-architecture)" ]] || fail "architecture $arch"
[[ $(basename "$deb") == "zandrel_${version}_${arch}.deb" ]] || fail "file name $(basename "$deb")"

# The Qt run-time packages of Debian, the platform plugins and Qt's German texts included.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for pkg in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -Eq "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg"
done
# Every dependency must name a package that this Debian knows (one apt-cache call: each start
# reads the whole cache).
read -ra wanted <<<"$(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends")"
known=$(apt-cache show --no-all-versions "${wanted[@]}" 2>/dev/null | sed -n 's/^Package: //p')
for pkg in "${wanted[@]}"; do
    grep -qxF -- "$pkg" <<<"$known" || fail "Depends names $pkg, which apt does not know"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/Zandrel \
         ./usr/share/zandrel/help/zandrelhelp.html \
         ./usr/share/zandrel/pictures/gender.png \
         ./usr/share/applications/org.example.zandrel.desktop \
         ./usr/share/metainfo/org.example.zandrel.metainfo.xml \
         ./usr/share/icons/hicolor/16x16/apps/zandrel.png \
         ./usr/share/icons/hicolor/32x32/apps/zandrel.png \
         ./usr/share/icons/hicolor/256x256/apps/zandrel.png \
         ./usr/share/icons/hicolor/scalable/apps/zandrel.svg \
         ./usr/share/doc/zandrel/copyright \
         ./usr/share/doc/zandrel/changelog.gz \
         ./usr/share/man/man1/Zandrel.1.gz; do
    grep -qxF -- "$f" <<<"$contents" || fail "$f missing from the package"
done
outside=$(grep -vE '^\./(usr/.*)?$' <<<"$contents" || true)
[[ -z $outside ]] || fail "package installs outside /usr: $outside"

dpkg-deb -x "$deb" "$work/root"
# A run path into the build tree would make the packaged program depend on this machine.
if readelf -d "$work/root/usr/bin/Zandrel" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "the packaged executable has a run path into the build tree"
fi

start_and_expect_data "$work/root/usr/bin/Zandrel" "$work/root"
echo "ok: $(basename "$deb")"
