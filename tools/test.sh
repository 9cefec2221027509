#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything (installing what is missing) and runs every test headless:
# first the normal build, then the web page's tests in headless Chromium, then
# a minute of fuzzing the console, last every test again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build

# No display and no session bus: the window tests run on Qt's offscreen platform.
export QT_QPA_PLATFORM=offscreen
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset DISPLAY WAYLAND_DISPLAY

ctest --test-dir build --output-on-failure -j2

# The web page in headless Chromium, played against the console built above.
tools/web.sh test

# A minute of fuzzing the console from the committed corpus.
tools/fuzz.sh 60

# Qt itself is not instrumented; the desktop's own code is, and LeakSanitizer
# sees every block it allocates.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVARNOCK_SANITIZE=ON -DVARNOCK_DESKTOP=ON -DVARNOCK_BENCH=OFF
cmake --build build-sanitize
# A small quarantine for freed memory keeps the console's bounded-memory
# checks meaningful under AddressSanitizer, which otherwise holds up to
# 256 MB of freed blocks back.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=1:thread_local_quarantine_size_kb=64 \
UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2
