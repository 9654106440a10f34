#!/bin/sh
# Measures the game's figures and prints one table.
#   bench/run.sh [BUILD] [--full] [more ctest options, such as -R PlayClock]
# Each figure is a test labelled perf, measured in the file named under it in the table. They run
# one at a time; each prints its row, gathered here. BENCH_PLATFORM=xvfb measures under a virtual
# X server instead of Qt's offscreen platform (start-up, row 6, is always measured under one of
# its own); --full waits for a whole level of 500 ms ticks.
set -eu

build=${1:-build}
[ $# -gt 0 ] && shift
if [ "${1:-}" = --full ]; then
    BENCH_FULL_LEVEL=1
    export BENCH_FULL_LEVEL
    shift
fi
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT INT TERM
load=$(cut -d' ' -f1-3 /proc/loadavg)

status=0
BENCH_ROWS=$rows ctest --test-dir "$build" -L perf --output-on-failure "$@" >&2 || status=$?

echo "ズンバリオ benchmarks: Qt platform ${BENCH_PLATFORM:-offscreen}, $(nproc) processors, load $load before the run"
# The rows of one figure, such as 5 and 5b, stay in the order they were measured.
sort -s -t "$(printf '\t')" -k2,2n "$rows" | awk -F '\t' '
BEGIN {
    n = split("Figure\tGoal\tMeasured\tBaseline (same run)\tVerdict", heading, "\t")
    for (c = 1; c <= 5; c++) cell[1, c] = heading[c]
    n = 1
}
{ n++; for (c = 1; c <= 5; c++) cell[n, c] = $(c + 1) }
END {
    for (r = 1; r <= n; r++) {
        height[r] = 1
        for (c = 1; c <= 5; c++) {
            k = split(cell[r, c], part, /\\n/)
            if (k > height[r]) height[r] = k
            for (i = 1; i <= k; i++) {
                text[r, c, i] = part[i]
                if (length(part[i]) > width[c]) width[c] = length(part[i])
            }
        }
    }
    rule = "+"
    for (c = 1; c <= 5; c++) {
        dashes = ""
        for (i = 0; i < width[c] + 2; i++) dashes = dashes "-"
        rule = rule dashes "+"
    }
    print rule
    for (r = 1; r <= n; r++) {
        for (i = 1; i <= height[r]; i++) {
            line = "|"
            for (c = 1; c <= 5; c++) line = line sprintf(" %-" width[c] "s |", text[r, c, i])
            print line
        }
        print rule
    }
}'
echo "Every test's output, with each tick and press: $build/Testing/Temporary/LastTest.log"
if [ "$status" -ne 0 ]; then
    echo "Some figures could not be measured: the failed tests above say why." >&2
fi
exit "$status"
