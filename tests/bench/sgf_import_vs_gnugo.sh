#!/bin/bash
# One `soramame --import-sgf` process against GNU Go loading the same SGF file (`loadsgf`),
# as scripts run both over hundreds of files. The file is a 246-move game of the tests,
# exported by the program itself. Prints table rows: median wall time of ROUNDS processes
# each, and the instructions of one process under callgrind when valgrind is installed.
# Usage: tests/bench/sgf_import_vs_gnugo.sh [BUILD_DIR] [ROUNDS]   (needs the gnugo package)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-build}")
rounds=${2:-50}
soramame="$build/src/app/soramame"
gnugo=$(command -v gnugo || echo /usr/games/gnugo)
[[ -x "$gnugo" ]] || { echo "gnugo is not installed (apt-get install gnugo)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir -p "$root/対局中棋譜/相手"
cp "$here/../app/data/ko_fight_246.txt" "$root/対局中棋譜/相手/対局.txt"
sgf="$work/game.sgf"
"$soramame" --data-root "$root" --export-sgf 相手/対局 --output "$sgf"

import_once() {
    "$soramame" --data-root "$root" --import-sgf "$sgf" --opponent 取込 --game "g$1" >/dev/null
}
gnugo_once() {
    printf 'loadsgf %s\nquit\n' "$sgf" | "$gnugo" --mode gtp >/dev/null
}

# Median milliseconds of ROUNDS runs of the function $1 (given the round number).
median_ms() {
    local start end
    for ((i = 0; i < rounds; i++)); do
        start=$EPOCHREALTIME
        "$1" "$i"
        end=$EPOCHREALTIME
        echo "$start $end"
    done | awk '{ print ($2 - $1) * 1000 }' | sort -g | awk '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m }'
}

# Million instructions of one run of the command under callgrind, or nothing.
instructions() {
    command -v valgrind >/dev/null || return 0
    local log="$work/callgrind.log"
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" >/dev/null 2>"$log" || true
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$log" | awk '{ printf ", %.1f M instructions", $1 / 1e6 }'
}

import_ms=$(median_ms import_once)
gnugo_ms=$(median_ms gnugo_once)
import_count=$(instructions "$soramame" --data-root "$root" --import-sgf "$sgf" --opponent 取込 \
    --game counted)
gnugo_count=$(printf 'loadsgf %s\nquit\n' "$sgf" | instructions "$gnugo" --mode gtp)
echo "| one \`soramame --import-sgf\` process, 246 moves (median of $rounds) | $import_ms ms wall$import_count | <= GNU Go |"
echo "| GNU Go \`loadsgf\` of the same file, one process (median of $rounds) | $gnugo_ms ms wall$gnugo_count |  |"
