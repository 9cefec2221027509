#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculator (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build
exec build/src/desktop/Varnock "$@"
