#!/usr/bin/env bash
# Runs a command under a virtual display server of its own, as a machine without a screen
# needs for the window: no accessibility bus, the X11 backend of GTK.
set -euo pipefail
export NO_AT_BRIDGE=1 GDK_BACKEND=x11
unset WAYLAND_DISPLAY
exec xvfb-run -a -s '-screen 0 1600x1200x24' "$@"
