#!/usr/bin/env bash
# Runs the benchmarks by hand (not part of the tests): fills a throwaway MariaDB central
# database with N products (default 1,000,000) and prints the measured table.
#   bash scripts/bench.sh [PRODUCTS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench"
products=${1:-1000000}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOVL_BUILD_BENCH=ON \
    -DOVL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target product_bench import_bench window_bench ovl-demodata

server="$build/benchdb"
bash "$root/scripts/testdb.sh" start "$server"
trap 'bash "$root/scripts/testdb.sh" stop "$server"' EXIT
port=$(cat "$server/port")
client=(mariadb --no-defaults -h127.0.0.1 -P"$port" -uovltest -povltest --default-character-set=latin1)

echo "filling the central database with $products products..."
"${client[@]}" -e "CREATE DATABASE ovlbench CHARACTER SET latin1"
"${client[@]}" ovlbench <"$root/db/central.mariadb.sql"
"$build/tools/ovl-demodata" --dialect mariadb --target central --products "$products" |
    "${client[@]}" ovlbench
local_db="$build/bench-local.db"
rm -f "$local_db"
sqlite3 "$local_db" <"$root/db/local.sqlite.sql"
"$build/tools/ovl-demodata" --dialect sqlite --target local | sqlite3 "$local_db"

# The client's dump of the same columns of the same join as the product cache reads.
dump="${client[*]} --batch --quick -e 'SELECT OVLNUTRIPROD.ID, PROVID, CIQID, GRPID, \
OVLNUTRIPROD_FR.NAME, REFFAB, SRCID, LASTUPDATE FROM OVLNUTRIPROD LEFT JOIN OVLNUTRIPROD_FR \
ON OVLNUTRIPROD_FR.ID = OVLNUTRIPROD.ID' ovlbench >/dev/null"

export ODBCSYSINI="$build/odbc" ODBCINI="$build/odbc/odbc.ini"
echo "machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
"$build/bench/product_bench" \
    --central "DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER=127.0.0.1;PORT=$port;UID=ovltest;PWD=ovltest;DATABASE=ovlbench;" \
    --local "DRIVER={SQLite3};Database=$local_db;" --client-dump "$dump" --products "$products"
"$build/bench/import_bench" \
    "DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER=127.0.0.1;PORT=$port;UID=ovltest;PWD=ovltest;DATABASE=ovlbench;" \
    "DRIVER={SQLite3};Database=$local_db;"

# The window on the same central database and the demo local one behind the "OVL" name.
bash "$root/scripts/load-demo.sh" "$build" >/dev/null
config="$build/bench-config"
mkdir -p "$config/Brodaine/Ovl VNS database Importer"
printf '[Config]\nConditions Accepted=1\nAccount Id=1\nProv. Selection Done=1\n' \
    >"$config/Brodaine/Ovl VNS database Importer/ovlnutriimport.ini"
OVLNUTRI_CENTRAL="DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER=127.0.0.1;PORT=$port;UID=ovltest;PWD=ovltest;DATABASE=ovlbench;" \
    XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$build" \
    "$root/scripts/with-display.sh" "$build/bench/window_bench"
