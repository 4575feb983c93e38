#!/usr/bin/env bash
# Creates the demo databases of a build tree from scratch:
#   BUILD_DIR/demo/central.db  central nutrition database (SQLite)
#   BUILD_DIR/demo/local.db    local Ovalane database (SQLite, behind the DSNs OVL/OVLLAN)
# Usage: load-demo.sh BUILD_DIR [--products N] [--seed S]
# Builds ovl-demodata if needed, runs db/*.sqlite.sql, then the generator output through
# the sqlite3 tool. Existing files are replaced only once the new ones loaded without error.
set -euo pipefail

build=${1:?usage: load-demo.sh BUILD_DIR [--products N] [--seed S]}
shift
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
generator="$build/tools/ovl-demodata"
demo="$build/demo"

command -v sqlite3 >/dev/null || { echo "error: sqlite3 not installed (run scripts/install-deps.sh)" >&2; exit 1; }
cmake --build "$build" --target ovl-demodata >/dev/null
mkdir -p "$demo"

load() {
    local target=$1
    shift
    local file="$demo/$target.db"
    local tmp="$file.tmp"
    rm -f "$tmp" "$tmp-journal"
    sqlite3 -bail "$tmp" <"$root/db/$target.sqlite.sql"
    # The generator writes one transaction; no journal sync is needed for a throwaway file.
    { echo "PRAGMA synchronous=OFF;"; "$generator" --dialect sqlite --target "$target" "$@"; } |
        sqlite3 -bail "$tmp" >/dev/null
    mv -f "$tmp" "$file"
    echo "$file: $(sqlite3 "$file" "SELECT COUNT(*) FROM sqlite_master WHERE type='table'") tables"
}

load central "$@"
load local
