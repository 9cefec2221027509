#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The web page's tests in headless Chromium: installs what they need
# (Debian's chromium and Node, the npm packages of the committed lock file,
# never a browser download), builds the site and the console rules module,
# then plays every console script and the seeded random sessions on the
# page against the console, and checks what only the page has.
# The native console must be built first (tools/setup.sh builds it).
# Usage: tests/web/run.sh              (every web test)
#        tests/web/run.sh screenshots  (docs/web.png and docs/web-phone.png anew)
set -euo pipefail
cd "$(dirname "$0")/../.."

packages=(chromium nodejs)
command -v npm >/dev/null || packages+=(npm)
source tools/install-packages.sh
install_packages "${packages[@]}"

tools/web.sh build
NODE_PATH=/usr/share/nodejs cmake --build build-web --target varnock-commands

(cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)

if [ "${1:-}" = screenshots ]; then
    exec node tests/web/screenshots.mjs
fi

status=0
node --test tests/web/compare.test.mjs || status=1
node tests/web/page-checks.mjs || status=1
node tests/web/agreement.mjs || status=1
exit $status
