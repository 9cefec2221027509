#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build

# No display and no session bus: the window tests run on Qt's offscreen platform.
export QT_QPA_PLATFORM=offscreen
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset DISPLAY WAYLAND_DISPLAY

ctest --test-dir build --output-on-failure -j2
