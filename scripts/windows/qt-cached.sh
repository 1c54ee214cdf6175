#!/usr/bin/env bash
# Exits 0 when Qt for Windows is in the cache as the current build-qt.sh builds it, 1 otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
prefix=$("$here/prefixes.sh" | cut -d';' -f1)
stamp_ok "$prefix" "$(script_hash "$here/build-qt.sh" "$here/common.sh")"
