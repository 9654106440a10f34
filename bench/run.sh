#!/bin/sh
# Runs the game's benchmarks from a build folder and prints one table.
#   bench/run.sh [BUILD] [--full]
# The window is measured under Qt's offscreen platform unless BENCH_PLATFORM=xvfb asks for a
# virtual X server of the bench's own. --full waits for a whole level of real 500 ms ticks.
set -eu

build=${1:-build}
[ $# -gt 0 ] && shift
bench="$build/bench/zunbario_bench"
if [ ! -x "$bench" ]; then
    echo "bench: $bench is missing; build it with: cmake --build $build --target benchmarks" >&2
    exit 1
fi

xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT INT TERM

if [ "${BENCH_PLATFORM:-offscreen}" = xvfb ]; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$display_file" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    DISPLAY=:$(cat "$display_file")
    rm -f "$display_file"
    export DISPLAY
    QT_QPA_PLATFORM=xcb
else
    QT_QPA_PLATFORM=offscreen
fi
export QT_QPA_PLATFORM

"$bench" "$@"
