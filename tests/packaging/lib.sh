# Shared by the packaging checks: a scratch folder that is always removed, and a start of an
# installed Zandrel that proves where it took its help and pictures from.
# shellcheck shell=bash

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

app_pid=""
work=""

cleanup() {
    if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill -TERM "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    [[ -n $work && -d $work ]] && rm -rf "$work"
    return 0
}

# Sets $work to a fresh folder that disappears when the script ends, however it ends.
make_workdir() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/zandrel-packaging.XXXXXX")
    trap cleanup EXIT
    trap 'exit 130' INT TERM
}

expect_file() { # <path>
    [[ -f $1 ]] || fail "missing: $1"
}

# The program reports its data files on stderr in the category zandrel.data:
#   zandrel.data: help <absolute path> found|missing
#   zandrel.data: pictures <absolute path> loaded|missing
check_data_line() { # <line> <what> <expected status> <root>
    local line=$1 what=$2 expected=$3 root=$4
    local rest=${line#"zandrel.data: $what "}
    local status=${rest##* } path=${rest% *}
    [[ $status == "$expected" ]] || fail "$what not $expected; the program said: $line"
    [[ $path == /* ]] || fail "$what path is not absolute: $line"
    local real_path real_root
    real_path=$(realpath -m -- "$path")
    real_root=$(realpath -m -- "$root")
    [[ $real_path == "$real_root"/* ]] ||
        fail "$what taken from $path, not from the installed tree under $root"
    [[ -f $real_path ]] || fail "$what reported as $expected but $path does not exist"
    echo "ok: $what $path $status"
}

# Starts <executable> offscreen with its settings in the scratch folder, waits (at most 20 s) for
# both data lines, checks them against <root> and ends the program again.
start_and_expect_data() { # <executable> <root>
    local exe=$1 root=$2
    [[ -x $exe ]] || fail "not executable: $exe"
    local home=$work/home
    mkdir -p "$home/.config" "$home/runtime"
    chmod 700 "$home/runtime"

    # Read the program's stderr through a pipe, so each line is seen the moment it is written.
    local fd
    exec {fd}< <(exec env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
                     XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
                     QT_LOGGING_RULES="zandrel.data.info=true" \
                     "$exe" 2>&1 >/dev/null </dev/null)
    app_pid=$!

    local deadline=$((SECONDS + 20)) help_line="" pictures_line="" line rc left
    local log=$work/program-stderr.log
    : >"$log"
    while [[ -z $help_line || -z $pictures_line ]]; do
        left=$((deadline - SECONDS))
        ((left > 0)) || { cat "$log" >&2; fail "no data lines from $exe within 20 s"; }
        if IFS= read -r -t "$left" -u "$fd" line; then
            printf '%s\n' "$line" >>"$log"
            case $line in
                "zandrel.data: help "*) help_line=$line ;;
                "zandrel.data: pictures "*) pictures_line=$line ;;
            esac
        else
            rc=$?
            cat "$log" >&2
            ((rc > 128)) && fail "no data lines from $exe within 20 s"
            fail "$exe ended before it reported its data files"
        fi
    done

    check_data_line "$help_line" help found "$root"
    check_data_line "$pictures_line" pictures loaded "$root"

    kill -0 "$app_pid" 2>/dev/null || fail "$exe did not keep running after start-up"
    kill -TERM "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    exec {fd}<&-
}
