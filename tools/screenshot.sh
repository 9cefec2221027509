#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the pictures of the window in docs/: screenshot.png at the
# ordinary scale, screenshot@2x.png as a 4K screen shows it and
# screenshot-dark.png in a dark desktop theme. Builds first (installing what
# is missing), then runs the window on a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build

export QT_QPA_PLATFORM=xcb
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset WAYLAND_DISPLAY

# shoot SCALE OUTPUT [--dark]
shoot() {
    QT_SCALE_FACTOR=$1 xvfb-run --auto-servernum --server-args="-screen 0 3840x2160x24" \
        build/src/desktop/tools/varnock-screenshot "${@:3}" "$2"
    echo "Wrote $2"
}
shoot 1 docs/screenshot.png
shoot 2 docs/screenshot@2x.png
shoot 1 docs/screenshot-dark.png --dark
