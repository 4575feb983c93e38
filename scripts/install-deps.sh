#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent and non-interactive.
set -euo pipefail

packages=(
  g++ cmake make pkg-config git
  unixodbc unixodbc-dev odbc-mariadb libsqliteodbc sqlite3
  mariadb-server mariadb-client
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  libwxgtk3.2-dev
  # The window's tests and screenshots: a virtual display, the dialog font, a screen grabber.
  xvfb xauth fonts-dejavu-core imagemagick
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
# A policy file that was already there is left as it was.
made_policy=false
if [ ! -e /usr/sbin/policy-rc.d ]; then
    echo 'exit 101' | $SUDO tee /usr/sbin/policy-rc.d >/dev/null && $SUDO chmod +x /usr/sbin/policy-rc.d
    made_policy=true
fi
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
if [ "$made_policy" = true ]; then
    $SUDO rm -f /usr/sbin/policy-rc.d
fi
