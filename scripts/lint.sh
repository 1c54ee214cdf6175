#!/usr/bin/env bash
# lint.sh: the house style checked by machine over the files in git (make lint): clang-format
# against .clang-format, clang-tidy with .clang-tidy, codespell with .codespellrc, shellcheck with
# .shellcheckrc, and the program's texts against its translation (scripts/check-translations.py).
# Runs all five, then fails when any of them had findings, so that one run shows everything.
# LINT_SKIP_FORMAT=1 leaves out clang-format; LINT_BUILD names the configured build folder whose
# compile_commands.json clang-tidy reads (make lint configures it); JOBS clang-tidy's parallel
# runs; LINT_TR_EXCLUDE globs of files whose German the text check leaves out (none by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LINT_BUILD:-build-lint}
jobs=${JOBS:-2}

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "make lint prüft die Dateien im Git-Arbeitsbaum; hier ist keiner." >&2
    exit 2
fi

# The tracked files matching the patterns, NUL-separated; a file deleted but not yet committed is
# left out.
tracked() {
    git ls-files -z -- "$@" | while IFS= read -r -d '' f; do
        [ -f "$f" ] && printf '%s\0' "$f"
    done
}

failed=()
mapfile -d '' sources < <(tracked '*.cpp' '*.h')

if [ "${LINT_SKIP_FORMAT:-0}" = 1 ]; then
    echo "== clang-format: übersprungen (LINT_SKIP_FORMAT=1)"
else
    echo "== clang-format (${#sources[@]} Dateien)"
    clang-format-14 --dry-run --Werror "${sources[@]}" || failed+=(clang-format)
fi

# The sources in the folders that git holds them in, not the build folders' moc and resource
# files; findings in headers count from the same folders.
echo "== clang-tidy"
if [ ! -f "$build/compile_commands.json" ]; then
    echo "$build/compile_commands.json fehlt: erst mit CMake konfigurieren (make lint tut das)." >&2
    exit 2
fi
folders=$(printf '%s\n' "${sources[@]}" | grep / | cut -d/ -f1 | sort -u | paste -sd'|')
root=$(pwd -P | sed 's/[][\.*^$+?(){}|]/\\&/g')
# asio offers awaitable to clang only with the old coroutines TS; clang 14 has the C++20 ones that
# g++ uses, so it is told so. run-clang-tidy prints each command line before its findings, and
# clang-tidy how many warnings it hid in Qt's headers; neither is a finding.
run-clang-tidy-14 -clang-tidy-binary clang-tidy-14 -p "$build" -j "$jobs" -quiet \
    -extra-arg=-DASIO_HAS_CO_AWAIT=1 -header-filter="^$root/($folders)/" \
    "^$root/($folders)/" 2>&1 |
    sed -e '/^clang-tidy-14 /d' -e '/[0-9] warnings\{0,1\} generated\.$/d' ||
    failed+=(clang-tidy)

echo "== codespell"
mapfile -d '' texts < <(tracked)
codespell "${texts[@]}" || failed+=(codespell)

# common.sh only sets what the Windows scripts that source it use; checked alone, those settings
# look unused (SC2034), and without a shebang it names no shell. A directive in the file itself
# would change the hash that stamps the cached Qt for Windows (build-qt.sh), and so rebuild Qt.
echo "== shellcheck"
mapfile -d '' scripts < <(tracked '*.sh' .ci/run)
scripts_ok=true
for f in "${scripts[@]}"; do
    if [ "$f" = scripts/windows/common.sh ]; then
        shellcheck -s bash -e SC2034 "$f" || scripts_ok=false
    else
        shellcheck "$f" || scripts_ok=false
    fi
done
$scripts_ok || failed+=(shellcheck)

# Every sentence through tr()/translate(), and i18n/zandrel_de.ts finished for all of them.
echo "== Übersetzung"
python3 scripts/check-translations.py || failed+=(translation)

if [ ${#failed[@]} -gt 0 ]; then
    echo "== make lint: Befunde von ${failed[*]}" >&2
    exit 1
fi
echo "== make lint: keine Befunde"
