#!/usr/bin/env bash
# Starts or stops a throwaway MariaDB server for the tests.
#   testdb.sh start DIR   create a data folder in DIR, start the server on 127.0.0.1 on a
#                         free port, write DIR/port and DIR/pid
#   testdb.sh stop DIR    stop the server by its own PID and remove DIR
# Outside CI a missing server is not an error: the tests then skip with the reason written
# to DIR/skip. Under CI (CI=true) it is a failure.
set -euo pipefail

action=${1:?usage: testdb.sh start|stop DIR}
dir=${2:?usage: testdb.sh start|stop DIR}

find_bin() {
    for name in "$@"; do
        for d in /usr/sbin /usr/bin /usr/local/sbin /usr/local/bin; do
            [ -x "$d/$name" ] && { echo "$d/$name"; return 0; }
        done
    done
    return 1
}

stop_server() {
    [ -f "$dir/pid" ] || return 0
    local pid
    pid=$(cat "$dir/pid")
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        for _ in $(seq 1 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
    fi
    rm -f "$dir/pid"
}

free_port() {
    python3 - <<'PY' 2>/dev/null && return 0
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()
PY
    # Without python: pick from a high range until one is not listening.
    local p
    for _ in $(seq 1 50); do
        p=$((20000 + RANDOM % 30000))
        (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return 0; }
    done
    return 1
}

case "$action" in
start)
    stop_server
    rm -rf "$dir"
    mkdir -p "$dir"
    server=$(find_bin mariadbd mysqld) || server=""
    installer=$(find_bin mariadb-install-db mysql_install_db) || installer=""
    if [ -z "$server" ] || [ -z "$installer" ]; then
        reason="MariaDB server not installed (run scripts/install-deps.sh)"
        if [ "${CI:-}" = "true" ]; then
            echo "error: $reason" >&2
            exit 1
        fi
        echo "$reason" >"$dir/skip"
        echo "skipping MariaDB tests: $reason"
        exit 0
    fi
    user_opt=()
    [ "$(id -u)" -eq 0 ] && user_opt=(--user=root)
    "$installer" --no-defaults --datadir="$dir/data" --auth-root-authentication-method=normal \
        --skip-test-db "${user_opt[@]}" >"$dir/install.log" 2>&1 || {
        cat "$dir/install.log" >&2
        exit 1
    }
    port=$(free_port)
    "$server" --no-defaults --datadir="$dir/data" --bind-address=127.0.0.1 --port="$port" \
        --socket="$dir/mysqld.sock" --pid-file="$dir/mysqld.pid" --skip-grant-tables=0 \
        --character-set-server=latin1 --collation-server=latin1_swedish_ci \
        --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=2 \
        --log-error="$dir/error.log" "${user_opt[@]}" >/dev/null 2>&1 &
    echo $! >"$dir/pid"
    for _ in $(seq 1 300); do
        if [ -S "$dir/mysqld.sock" ] && mariadb-admin --no-defaults --socket="$dir/mysqld.sock" -uroot ping >/dev/null 2>&1; then
            mariadb --no-defaults --socket="$dir/mysqld.sock" -uroot -e \
                "CREATE USER IF NOT EXISTS 'ovltest'@'127.0.0.1' IDENTIFIED BY 'ovltest';
                 GRANT ALL ON *.* TO 'ovltest'@'127.0.0.1' WITH GRANT OPTION; FLUSH PRIVILEGES;"
            echo "$port" >"$dir/port"
            echo "MariaDB test server on 127.0.0.1:$port (pid $(cat "$dir/pid"))"
            exit 0
        fi
        kill -0 "$(cat "$dir/pid")" 2>/dev/null || break
        sleep 0.1
    done
    echo "error: MariaDB test server did not start" >&2
    cat "$dir/error.log" >&2 || true
    stop_server
    exit 1
    ;;
stop)
    stop_server
    rm -rf "$dir"
    ;;
*)
    echo "usage: testdb.sh start|stop DIR" >&2
    exit 2
    ;;
esac
