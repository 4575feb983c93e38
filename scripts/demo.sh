#!/usr/bin/env bash
# Installs what is needed, builds, creates the demo databases (an embedded SQLite central
# database and an SQLite local Ovalane database) and runs the program's main job on them: the
# window when a display is there, else a walkthrough of the commands.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target ovlnutriimport ovl-demodata
bash "$root/scripts/load-demo.sh" "$build"

# The demo's own configuration: ODBC files of the build tree, the central database as an
# SQLite file, and settings and lock under the demo folder instead of the user's home.
export ODBCSYSINI="$build/odbc" ODBCINI="$build/odbc/odbc.ini"
export OVLNUTRI_CENTRAL="DRIVER={SQLite3};Database=$build/demo/central.db;"
export XDG_CONFIG_HOME="$build/demo/config" XDG_RUNTIME_DIR="$build/demo"
settings="$XDG_CONFIG_HOME/Brodaine/Ovl VNS database Importer/ovlnutriimport.ini"
mkdir -p "$(dirname "$settings")"
printf '[Config]\nAccount Id=1\n' >"$settings"

# With a display, the main job is the window; OVL_DEMO_WALKTHROUGH=1 asks for the commands.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${OVL_DEMO_WALKTHROUGH:-}" ]; then
    printf '\n== Opening the window on the demo databases (terms of use first)\n' >&2
    exec "$build/cli/ovlnutriimport"
fi

# Shows the command as it would be typed (quoting what the shell would otherwise expand),
# then runs it.
run() {
    local shown="ovlnutriimport" arg
    for arg in "$@"; do
        if [[ "$arg" =~ ^[A-Za-z0-9_./:=-]+$ ]]; then shown+=" $arg"; else shown+=" '$arg'"; fi
    done
    printf '\n$ %s\n' "$shown" >&2
    "$build/cli/ovlnutriimport" "$@"
}
step() { printf '\n== %s\n' "$*" >&2; }

step "Accept the terms of use once (they are printed in the user's language)"
run accept-terms --yes >/dev/null
step "What the start-up found in both databases"
run status
step "Search the reference products whose name starts with 'chocolat noir'"
run search --name 'chocolat noir*' --all-suppliers | tee "$build/demo/search.txt"
product=$(head -n 1 "$build/demo/search.txt" | cut -f 1)
step "Show the detail of the first one, product $product"
run product "$product"
step "Find our own ingredients named like it"
run ingredients chocolat | tee "$build/demo/ingredients.txt"
ingredient=$(head -n 1 "$build/demo/ingredients.txt" | cut -f 1)
step "Compare product $product with ingredient $ingredient before the import (first line: the mark)"
run compare "$product" "$ingredient" | head -n 1
step "Import product $product into ingredient $ingredient"
run import "$product" "$ingredient"
step "Compare again after the import"
run compare "$product" "$ingredient" | head -n 1
