#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds (installing what is missing) and makes the Debian package
# varnock_<version>_<arch>.deb in build/package/. Install it with
#   sudo apt-get install ./build/package/varnock_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build
cpack --config build/CPackConfig.cmake -B build/package
ls build/package/varnock_*.deb
