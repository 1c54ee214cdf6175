# Shared by the Windows build scripts: where the per-user cache lives, how to fetch a Debian
# source package, and the stamp that lets a finished build be reused while its script is unchanged.
ZANDREL_CACHE=${ZANDREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zandrel}
MINGW_TRIPLE=x86_64-w64-mingw32
JOBS=${JOBS:-2}

say() { printf '== %s\n' "$*"; }

# The hash of the given files; a cached build whose stamp holds another hash is built again.
script_hash() { cat "$@" | sha256sum | cut -c1-16; }

stamp_ok() { [ -f "$1/.zandrel-stamp" ] && [ "$(cat "$1/.zandrel-stamp")" = "$2" ]; }

# apt-get source needs deb-src entries; Debian 12 images ship only deb lines. Adds deb-src for the
# same archives the machine already uses, once.
ensure_deb_src() {
    if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    local SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    say "Füge deb-src-Quellen für apt-get source hinzu"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $SUDO tee /etc/apt/sources.list.d/zandrel-deb-src.sources >/dev/null
    else
        grep -hE '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            $SUDO tee /etc/apt/sources.list.d/zandrel-deb-src.list >/dev/null
    fi
    $SUDO apt-get update -qq
}

# Unpacks Debian's source package $1 (the source version of the installed binary package $2, when
# given, so that the cross build matches the host's tools) into $3 and prints the unpacked folder.
fetch_source() {
    local pkg=$1 binpkg=$2 dest=$3 wanted=$1
    if [ -n "$binpkg" ]; then
        wanted="$pkg=$(dpkg-query -W -f='${source:Version}' "$binpkg")"
    fi
    mkdir -p "$dest"
    if ! (cd "$dest" && apt-get source "$wanted") >"$dest/apt-source-$pkg.log" 2>&1; then
        cat "$dest/apt-source-$pkg.log" >&2
        echo "apt-get source $wanted fehlgeschlagen" >&2
        return 1
    fi
    find "$dest" -mindepth 1 -maxdepth 1 -type d -name "${pkg}-[0-9]*" | sort | tail -1
}
