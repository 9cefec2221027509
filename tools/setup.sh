#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks, then configures and builds.
# Usage: tools/setup.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth desktop-file-utils appstream
    qt6-svg-dev dpkg-dev file fonts-dejavu-core
    at-spi2-core dbus-daemon dbus-session-bus-common
)
source tools/install-packages.sh
install_packages "${packages[@]}"

build_dir=${1:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"
