#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator as a web page: builds the core to WebAssembly and gathers the
# site (static files only) into build-web/site, or serves that folder on
# 127.0.0.1 for a look. Installs the Debian packages it needs first.
# Usage: tools/web.sh [build]
#        tools/web.sh serve [PORT]      (default 8080; builds first)
#        tools/web.sh test              (the page's tests in headless Chromium)
#        tools/web.sh screenshots       (docs/web.png, docs/web-phone.png)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build emscripten esbuild nodejs librsvg2-bin)
source tools/install-packages.sh
install_packages "${packages[@]}"

# Debian's emscripten loads Debian's own JavaScript modules (acorn).
export NODE_PATH=/usr/share/nodejs
build_dir=build-web
site=$build_dir/site
# The page's modules with the core's loader and control table, before they
# are joined into the site's one script.
stage=$build_dir/page
icon=data/icons/org.tolvane.Varnock.svg

build() {
    cmake -S . -B "$build_dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DVARNOCK_WEB=ON -DVARNOCK_DESKTOP=OFF -DVARNOCK_TESTS=OFF -DVARNOCK_BENCH=OFF
    cmake --build "$build_dir" --target varnock-web

    rm -rf "$site" "$stage"
    mkdir -p "$site/icons" "$stage"
    cp web/*.js "$build_dir/src/web/varnock.mjs" "$stage/"
    node tools/web-table.mjs "$stage" "$build_dir/src/web/varnock.wasm"
    bundle
    cp web/index.html web/style.css web/manifest.webmanifest "$build_dir/src/web/varnock.wasm" "$site/"
    cp "$icon" "$site/icons/icon.svg"
    for size in 192 512; do
        rsvg-convert -w "$size" -h "$size" "$icon" -o "$site/icons/icon-$size.png"
    done
    inline_style
    write_service_worker
    echo "The site is in $site"
}

# The first paint waits for no stylesheet: the page carries its style in
# itself (style.css stays beside it, as the source of that copy).
inline_style() {
    node -e '
        const fs = require("fs");
        const [page, style] = process.argv.slice(1);
        const link = /<link rel="stylesheet" href="style.css">/;
        const html = fs.readFileSync(page, "utf8");
        if (!link.test(html)) throw new Error("index.html links no style.css");
        const css = fs.readFileSync(style, "utf8");
        fs.writeFileSync(page, html.replace(link, () => `<style>\n${css}</style>`));
    ' "$site/index.html" "$site/style.css"
}

# The page's modules, the core's loader and its control table joined into
# one script: the page waits for one file, not for one import after another.
bundle() {
    esbuild "$stage/app.js" --bundle --format=esm --minify --log-level=warning --outfile="$site/app.js"
}

# The worker precaches every file of the site; its cache is named after
# their contents, so that a new build replaces it.
write_service_worker() {
    local files version list
    files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | LC_ALL=C sort)
    version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
    list=$(printf "'./', "; echo "$files" | sed "s|.*|'&'|" | paste -sd, | sed 's/,/, /g')
    sed -e "s|@SITE_VERSION@|$version|" -e "s|\[/\* @SITE_FILES@ \*/\]|[$list]|" web/sw.js >"$site/sw.js"
}

case "${1:-build}" in
    build)
        build
        ;;
    serve)
        build
        exec node tools/web-serve.mjs "$site" "${2:-8080}"
        ;;
    test)
        exec tests/web/run.sh
        ;;
    screenshots)
        exec tests/web/run.sh screenshots
        ;;
    *)
        echo "usage: $0 [build] | $0 serve [PORT] | $0 test | $0 screenshots" >&2
        exit 2
        ;;
esac
