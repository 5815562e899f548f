#!/bin/bash
# Kills a program that saves a record in a loop at random moments, and checks after every
# kill that the record is whole (its old or its new content) and that no leftover of the
# interrupted save is listed as a game.
#   tests/kill_saves.sh [BUILD_DIR] [KILLS]
set -euo pipefail
build=${1:-build}
kills=${2:-200}
loop="$build/tests/tools/save_loop"
[[ -x $loop ]] || { echo "build the target save_loop first" >&2; exit 2; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

previous=0
leftovers=0
for ((i = 1; i <= kills; i++)); do
    "$loop" run "$root" &
    pid=$!
    sleep "0.0$((RANDOM % 90 + 10))"
    kill -9 "$pid" 2>/dev/null || { echo "kill $i: the save loop had stopped" >&2; exit 1; }
    wait "$pid" 2>/dev/null || true
    if ! result=$("$loop" check "$root"); then
        echo "kill $i: $result" >&2
        exit 1
    fi
    read -r rows removed <<<"$result"
    leftovers=$((leftovers + removed))
    previous=$rows
done
echo "$kills kills: every record whole (last one $previous rows), $leftovers leftovers never listed and removed"
