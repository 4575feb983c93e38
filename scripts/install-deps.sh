#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent and non-interactive.
set -euo pipefail

packages=(
  g++ cmake make pkg-config git
  unixodbc unixodbc-dev odbc-mariadb libsqliteodbc sqlite3
  mariadb-server mariadb-client
  libgtest-dev libgmock-dev libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# The server package would try to start a system-wide service; the tests run their own.
echo 'exit 101' | $SUDO tee /usr/sbin/policy-rc.d >/dev/null || true
$SUDO chmod +x /usr/sbin/policy-rc.d || true
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
$SUDO rm -f /usr/sbin/policy-rc.d
