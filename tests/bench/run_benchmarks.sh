#!/bin/bash
# Prints every timing of the program in one table: start-up against a bare Qt window, and the
# reactions to a click. Usage: tests/bench/run_benchmarks.sh [BUILD_DIR] [ROUNDS]
# Needs a display for the start-up figures; without one it runs itself under Xvfb (the
# offscreen platform skips the work a real window system asks for).
set -euo pipefail
build=$(realpath "${1:-build}")
rounds=${2:-15}
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$rounds"
fi
# Qt asks for a runtime folder of the user's own; a fresh one keeps its warning out of the table.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
bench="$build/tests/bench"
{
    "$bench/bench_startup" "$build/src/app/soramame" "$bench/bench_bare_window" "$rounds"
    "$bench/bench_reactions"
    "$bench/bench_games_overview"
} | awk -F'\t' 'BEGIN { print "| what | measured | goal |"; print "|---|---|---|" }
                { printf "| %s | %s | %s |\n", $1, $2, $3 }'
