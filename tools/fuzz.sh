#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the console: libFuzzer feeds arbitrary bytes to the console program
# as its input, under AddressSanitizer and UndefinedBehaviorSanitizer, starting
# from the committed corpus. Any crash, hang, leak or sanitizer report stops
# the run with a failure and leaves the input in build-fuzz/crashes/.
#
#   tools/fuzz.sh [SECONDS] [LIBFUZZER-OPTION...]   fuzz for SECONDS (60)
#   tools/fuzz.sh merge                             fold what the runs found
#                                                   into tests/fuzz/corpus, minimised
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DVARNOCK_FUZZ=ON \
    -DVARNOCK_DESKTOP=OFF -DVARNOCK_TESTS=OFF -DVARNOCK_BENCH=OFF >/dev/null
cmake --build "$build"

fuzzer=$build/tests/fuzz/console_fuzz
corpus=tests/fuzz/corpus
found=$build/found  # inputs that the runs on this machine added
mkdir -p "$found" "$build/crashes"
# Inputs of up to 4 KiB: many short lines, fast to run. The line and pad
# limits lie far beyond; the program tests feed those.
options=(-max_len=4096 -timeout=10 -rss_limit_mb=2048 -dict=tests/fuzz/console.dict
         -artifact_prefix="$build/crashes/")

# The indices of the code edges that one input runs, on one line.
edgesOf() {
    local alone empty control
    alone=$(mktemp -d) empty=$(mktemp -d) control=$(mktemp)
    cp "$1" "$alone"/
    "$fuzzer" -merge=1 -use_counters=0 -merge_control_file="$control" "$empty" "$alone" \
        >/dev/null 2>&1
    grep '^COV ' "$control" | cut -d' ' -f3-
    rm -rf "$alone" "$empty" "$control"
}

# Greedy set cover: the input that runs the most edges not yet run, until
# every edge is run. Lines: NAME EDGE... ; prints the names chosen.
chooseCover() {
    awk '{ line[NR] = $0 }
    END {
        for (;;) {
            best = 0; bestGain = 0
            for (f = 1; f <= NR; f++) {
                if (f in chosen) continue
                n = split(line[f], edge, " "); gain = 0
                for (i = 2; i <= n; i++) if (!(edge[i] in covered)) gain++
                if (gain > bestGain) { best = f; bestGain = gain }
            }
            if (best == 0) break
            chosen[best] = 1
            n = split(line[best], edge, " "); print edge[1]
            for (i = 2; i <= n; i++) covered[edge[i]] = 1
        }
    }' "$1"
}

# A small corpus that runs every edge the committed corpus and the finds run.
# libFuzzer's own merge keeps the smallest inputs first, which makes a corpus
# of many tiny ones; the cover is chosen from every input's edges instead
# (about a minute per thousand inputs).
if [ "${1:-}" = merge ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir "$work/candidates"
    cp "$found"/* "$corpus"/* "$work/candidates"/ 2>/dev/null || true
    for input in "$work/candidates"/*; do
        echo "$(basename "$input") $(edgesOf "$input")"
    done >"$work/edges"
    chooseCover "$work/edges" >"$work/chosen"
    rm -f "$corpus"/*
    while read -r name; do cp "$work/candidates/$name" "$corpus/"; done <"$work/chosen"
    echo "tests/fuzz/corpus: $(wc -l <"$work/chosen") inputs"
    exit 0
fi

seconds=${1:-60}
shift || true
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
    "$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$@" \
    "$found" "$corpus"
