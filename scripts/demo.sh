#!/usr/bin/env bash
# Installs what is needed, builds, creates the demo databases and runs the program's main job
# on them: an embedded SQLite central database and an SQLite local Ovalane database.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
bash "$root/scripts/load-demo.sh" "$build"

# The demo's own configuration: ODBC files of the build tree, the central database as an
# SQLite file, and settings and lock under the demo folder instead of the user's home.
export ODBCSYSINI="$build/odbc" ODBCINI="$build/odbc/odbc.ini"
export OVLNUTRI_CENTRAL="DRIVER={SQLite3};Database=$build/demo/central.db;"
export XDG_CONFIG_HOME="$build/demo/config" XDG_RUNTIME_DIR="$build/demo"
settings="$XDG_CONFIG_HOME/Brodaine/Ovl VNS database Importer/ovlnutriimport.ini"
mkdir -p "$(dirname "$settings")"
printf '[Config]\nAccount Id=1\n' >"$settings"

run() {
    printf '\n$ ovlnutriimport %s\n' "$*"
    "$build/cli/ovlnutriimport" "$@"
}

run accept-terms --yes
run status
