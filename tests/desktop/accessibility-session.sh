#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as in a desktop session of its own: a virtual X display and
# a private session bus, which starts the accessibility bus when a program
# asks for it. The buses' sockets live in a runtime folder made for the run,
# so that nothing is shared with the session of the user running the tests.
# Usage: accessibility-session.sh command [argument...]
set -eu
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
# Settings stay in memory: the accessibility bus reads them and would
# otherwise write the user's settings database.
export GSETTINGS_BACKEND=memory
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- "$@"
