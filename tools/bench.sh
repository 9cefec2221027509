#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything (installing what is missing) and runs every benchmark:
# the core's handlers, the console replaying long scripts, and start-up to the
# first painted frame against a one-label Qt program, on the offscreen
# platform and, when Xvfb is installed, under Xvfb. Prints each benchmark's
# figures and then one summary table. Benchmarks print figures; they never
# pass or fail.
#
# Usage: tools/bench.sh
# Environment: STARTUP_RUNS (default 20), CONSOLE_RUNS (default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build >/dev/null

summary=$(mktemp)
core_csv=$(mktemp)
trap 'rm -f "$summary" "$core_csv"' EXIT

echo "== Machine"
echo "date:   $(date)"
echo "cpu:    $(nproc) x $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "memory: $(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
echo "load:   $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"

echo
echo "== Core handlers (Google Benchmark)"
build/bench/core_bench --benchmark_out="$core_csv" --benchmark_out_format=csv 2>/dev/null
# One handler call per item: nanoseconds per call from items per second.
awk -F, '/^"/ && $7 > 0 {
    gsub(/"/, "", $1)
    printf "core %s\t%.0f ns per call\t-\t-\n", $1, 1e9 / $7
}' "$core_csv" >>"$summary"

echo
echo "== Console"
build/bench/console_bench --runs "${CONSOLE_RUNS:-3}" --summary "$summary"

echo
echo "== Start-up, offscreen platform"
build/bench/startup_bench --runs "${STARTUP_RUNS:-20}" --platform offscreen --summary "$summary"

echo
echo "== Start-up, Xvfb"
if command -v xvfb-run >/dev/null; then
    DBUS_SESSION_BUS_ADDRESS=disabled: xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/bench/startup_bench --runs "${STARTUP_RUNS:-20}" --platform xcb --summary "$summary"
else
    echo "xvfb-run is not installed: skipped"
fi

echo
echo "== Summary (load now: $(cut -d' ' -f1-3 /proc/loadavg))"
awk -F'\t' 'BEGIN { printf "%-40s %-28s %-16s %s\n", "measure", "value", "target", "met" }
    { printf "%-40s %-28s %-16s %s\n", $1, $2, $3, $4 }' "$summary"
