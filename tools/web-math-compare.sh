#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares the page's math with the desktop's: builds tools/web-math natively
# (glibc) and with emscripten (the page's library varnock_web_math, and the
# WebAssembly runtime's own functions for the figures before), evaluates the
# same seeded arguments on each, and prints per function the share of
# results whose double and whose "%.15g" text differ from the desktop's;
# then the same for number texts (printing and strtod round trips).
#
# Usage: tools/web-math-compare.sh [COUNT [SEED]]   COUNT values a function (default 200000)
#        tools/web-math-compare.sh --check          the committed table only; fails on any difference
#        tools/web-math-compare.sh --table          rewrites that table (on an x86-64 with FMA)
set -euo pipefail
cd "$(dirname "$0")/.."

table=tools/web-math/glibc-results.txt
build=${WEB_MATH_BUILD:-build/web-math}
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}  # Debian's emcc loads its acorn from there

packages=(g++ cmake ninja-build emscripten nodejs)
source tools/install-packages.sh
install_packages "${packages[@]}"

configure() {  # dir, cmake launcher...
    local dir=$1
    shift
    [ -f "$dir/build.ninja" ] ||
        "$@" cmake -S tools/web-math -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$dir" >/dev/null
}
configure "$build/wasm" emcmake

# Emscripten's output under Node: without fetch, which it would take for a browser.
wasm() { node --no-experimental-fetch "$build/wasm/$1.js" "${@:2}"; }

case "${1:-}" in
--check)
    wasm varnock-math-sample check <"$table"
    exit
    ;;
--table)
    configure "$build/native" env
    # Every tenth value, and those where the runtime's own functions or
    # glibc's build without FMA give another double: the cases that tell.
    native=$(mktemp)
    trap 'rm -f "$native" "$native".*' EXIT
    "$build/native/varnock-math-sample" values 2026 50000 >"$native"
    GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA "$build/native/varnock-math-sample" values 2026 50000 >"$native.plain"
    wasm varnock-math-sample-runtime values 2026 50000 >"$native.runtime"
    paste -d' ' "$native" "$native.plain" "$native.runtime" | awk '
        ($3 != $7 && plain[$1]++ < 15) || ($3 != $11 && runtime[$1]++ < 15) || n[$1]++ % 2500 == 0 {
            print $1, $2, $3, $4
        }' >"$table"
    # And number texts: subnormals, huge exponents, infinities, NaNs of both signs.
    "$build/native/varnock-math-sample" format 2026 80 >>"$table"
    wc -l "$table"
    exit
    ;;
esac

count=${1:-200000}
seed=${2:-1}
configure "$build/native" env
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$build/native/varnock-math-sample" values "$seed" "$count" >"$out/desktop"
wasm varnock-math-sample values "$seed" "$count" >"$out/page"
wasm varnock-math-sample-runtime values "$seed" "$count" >"$out/runtime"
"$build/native/varnock-math-sample" format "$seed" "$count" >"$out/desktop.format"
wasm varnock-math-sample format "$seed" "$count" >"$out/page.format"
wasm varnock-math-sample-runtime format "$seed" "$count" >"$out/runtime.format"

echo "$count arguments a function, seed $seed; share differing from the desktop's (glibc, $(
    grep -qw fma /proc/cpuinfo && echo "FMA build" || echo "build without FMA"))"
printf '%-8s %14s %14s %14s %14s\n' function "page double" "page text" "before double" "before text"
paste -d' ' "$out/desktop" "$out/page" "$out/runtime" | awk '
    $2 != $6 || $2 != $10 { print "arguments differ: " $0; exit 1 }
    { n[$1]++; pd[$1] += $3 != $7; pt[$1] += $4 != $8; rd[$1] += $3 != $11; rt[$1] += $4 != $12 }
    !($1 in order) { order[$1] = ++functions; name[functions] = $1 }
    END {
        for (i = 1; i <= functions; i++) {
            f = name[i]
            printf "%-8s %13.4f%% %13.4f%% %13.4f%% %13.4f%%\n", f, 100 * pd[f] / n[f], 100 * pt[f] / n[f],
                   100 * rd[f] / n[f], 100 * rt[f] / n[f]
        }
    }'
for library in page runtime; do
    differing=$(paste -d' ' "$out/desktop.format" "$out/$library.format" |
        awk '$2 != $7 || $3 != $8 || $4 != $9 || $5 != $10' | wc -l)
    echo "number texts ($library): $differing of $count differ (\"%.15g\", strtod of it and of \"%.17g\")"
done
