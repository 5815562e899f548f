#!/bin/bash
# Kills whole backups and restores at random moments, and a restore at the moment between its
# two renames, and checks after every kill that a fresh start lists every game, that the data
# root is wholly the old data or wholly the restored backup, and that the next backup or
# restore leaves no leftover behind.
#   tests/kill_backups.sh [BUILD_DIR] [KILLS]
set -euo pipefail
build=${1:-build}
kills=${2:-50}
between=${BETWEEN_KILLS:-10}
program="$build/src/app/soramame"
[[ -x $program ]] || { echo "build the target soramame first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/run"
root="$work/データ"
target="$work/保存先"
old="$work/古いデータ"   # the data root as it is before each restore
new_games=600           # 200 opponents x 3 games in the backup
old_games=602           # the backup's games and one more opponent with 2 games

# A record of `rows` moves: the header line, then one line a move (CP932, CR LF).
write_record() {
    local file=$1 rows=$2 n
    {
        printf '2002/12/07, 0 , 1 , 31 ,'
        printf '黒%29s\r\n' '' | iconv -f UTF-8 -t CP932
        for ((n = 1; n <= rows; n++)); do
            printf '12-%02d-2002, %d , %d , %d ,%30s\r\n' $((n % 28 + 1)) "$n" \
                $((n * 7 % 19 + 1)) $((n * 11 % 19 + 1)) ''
        done
    } >"$file"
}

make_data() {
    local folder=$1 opponent game
    mkdir -p "$work/templates"
    for game in 1 2 3; do
        [[ -f $work/templates/$game ]] || write_record "$work/templates/$game" $((game * 60 + 40))
    done
    for ((opponent = 1; opponent <= 200; opponent++)); do
        mkdir -p "$folder/対局中棋譜/相手$opponent" "$folder/Address"
        for game in 1 2 3; do
            cp "$work/templates/$game" "$folder/対局中棋譜/相手$opponent/第${game}局.txt"
        done
        printf '〒100-0001\r\n東京都千代田区%d\r\n' "$opponent" | iconv -f UTF-8 -t CP932 \
            >"$folder/Address/相手$opponent.txt"
    done
    head -c 2048 /dev/urandom >"$folder/KurumiSet.dat"
}

# One line that changes when any file's name or bytes change; the program's locks and marks
# are not data.
fingerprint() {
    (cd "$1" && find . -type f ! -name .soramame.lock ! -name '.作成中.lock' \
        ! -name '.ソラマメ戻す準備完了.dat' ! -name 'ソラマメバックアップ.dat' -print0 |
        sort -z | xargs -0 sha1sum | sha1sum | cut -d' ' -f1)
}

listed_games() {
    local listing
    listing=$("$program" --data-root "$root" --list-games 2>>"$work/start.err")
    echo $(($(wc -l <<<"$listing") - 1))
}

leftovers() {
    find "$target" "$work" -mindepth 1 -maxdepth 1 \( -name '.作成中_*' -o -name 'データ_戻し中*' \) | wc -l
}

# How many leftovers the last run said it removed.
removed_count() {
    grep -o '作りかけのフォルダ [0-9]* 個' "$1" | grep -o '[0-9]\+' || echo 0
}

milliseconds() { date +%s%3N; }

random_sleep() {
    local ms=$(((RANDOM * 32768 + RANDOM) % ($1 + 1)))
    sleep "$((ms / 1000)).$(printf '%03d' $((ms % 1000)))"
}

# A kill while the lock file is being written leaves it empty; a start takes such a lock over
# once it is 5 s old (younger, it may be one being written). Rather than wait, the script
# dates it back and lets the next start do the rest.
empty_locks=0
age_empty_lock() {
    if [[ -f $root/.soramame.lock && ! -s $root/.soramame.lock ]]; then
        empty_locks=$((empty_locks + 1))
        touch -d "@$(($(date +%s) - 10))" "$root/.soramame.lock"
    fi
}

fail() {
    echo "$1" >&2
    exit 1
}

# Puts the old data root back and removes what finished restores kept aside, after checking
# that each holds the old data whole.
reset_root() {
    local aside print
    for aside in "$work"/データ_戻す前_*; do
        [[ -e $aside ]] || continue
        print=$(fingerprint "$aside")
        [[ $print == "$old_print" || $print == "$new_print" ]] ||
            fail "$aside is neither the old data nor the backup whole"
        rm -rf "$aside"
    done
    rm -rf "$root"
    cp -a "$old" "$root"
}

# Checks the data root after a kill and a fresh start; prints old or new.
check_after_kill() {
    local what=$1 games print
    games=$(listed_games)
    [[ -d $root ]] || fail "$what: no data root after a fresh start"
    print=$(fingerprint "$root")
    if [[ $print == "$old_print" && $games == "$old_games" ]]; then
        echo old
    elif [[ $print == "$new_print" && $games == "$new_games" ]]; then
        echo new
    else
        fail "$what: the data root is neither wholly old nor wholly new ($games games listed)"
    fi
}

make_data "$root"
start=$(milliseconds)
"$program" --data-root "$root" --backup "$target" >/dev/null
backup_ms=$(($(milliseconds) - start))
backup=$(find "$target" -maxdepth 1 -name 'ソラマメバックアップ_*' | head -1)
new_print=$(fingerprint "$backup")
mv "$backup" "$work/バックアップ"
backup="$work/バックアップ"
mkdir "$root/対局中棋譜/追加の相手"
cp "$work/templates/1" "$root/対局中棋譜/追加の相手/第1局.txt"
cp "$work/templates/2" "$root/対局中棋譜/追加の相手/第2局.txt"
old_print=$(fingerprint "$root")
cp -a "$root" "$old"
[[ $(listed_games) == "$old_games" ]] || fail "the old data root does not list $old_games games"
# The shortest of three whole restores, so that most kills land before the end.
restore_ms=999999
for ((i = 1; i <= 3; i++)); do
    reset_root
    start=$(milliseconds)
    "$program" --data-root "$root" --restore-backup "$backup" >/dev/null
    restore_ms=$(((took = $(milliseconds) - start) < restore_ms ? took : restore_ms))
    [[ $(fingerprint "$root") == "$new_print" ]] || fail "a whole restore did not give the backup"
done

reset_root

# Kills of --backup at random moments.
backup_finished=0
backup_leftovers=0
backup_removed=0
for ((i = 1; i <= kills; i++)); do
    "$program" --data-root "$root" --backup "$target" >/dev/null 2>&1 &
    pid=$!
    random_sleep $((backup_ms * 11 / 10))
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null && backup_finished=$((backup_finished + 1)) || true
    [[ $(check_after_kill "backup kill $i") == old ]] || fail "backup kill $i changed the data root"
    for made in "$target"/ソラマメバックアップ_*; do
        [[ -e $made ]] || continue
        [[ $(fingerprint "$made") == "$old_print" ]] || fail "backup kill $i: $made looks finished but is not whole"
        rm -rf "$made"
    done
    backup_leftovers=$((backup_leftovers + $(leftovers)))
    "$program" --data-root "$root" --backup "$target" >/dev/null 2>"$work/next.err" ||
        fail "backup kill $i: the next backup failed: $(cat "$work/next.err")"
    backup_removed=$((backup_removed + $(removed_count "$work/next.err")))
    [[ $(leftovers) == 0 ]] || fail "backup kill $i: a leftover remains after the next backup"
    rm -rf "$target"/ソラマメバックアップ_*
done
echo "$kills kills of --backup (a whole one takes ${backup_ms} ms): every game listed after each," \
    "data root untouched, $backup_finished had finished, $backup_leftovers leftovers found" \
    "and $backup_removed removed by the next backup, none left"

# Kills of --restore-backup at random moments.
declare -A seen=([old]=0 [new]=0)
restore_finished=0
restore_removed=0
: >"$work/start.err"
for ((i = 1; i <= kills; i++)); do
    reset_root
    "$program" --data-root "$root" --restore-backup "$backup" >/dev/null 2>&1 &
    pid=$!
    random_sleep $((restore_ms * 11 / 10))
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null && restore_finished=$((restore_finished + 1)) || true
    age_empty_lock
    state=$(check_after_kill "restore kill $i")
    seen[$state]=$((seen[$state] + 1))
    "$program" --data-root "$root" --restore-backup "$backup" >/dev/null 2>"$work/next.err" ||
        fail "restore kill $i: the next restore failed: $(cat "$work/next.err")"
    restore_removed=$((restore_removed + $(removed_count "$work/next.err")))
    [[ $(leftovers) == 0 ]] || fail "restore kill $i: a leftover remains after the next restore"
    [[ $(fingerprint "$root") == "$new_print" ]] || fail "restore kill $i: the next restore is not whole"
done
recovered=$(grep -c '途中で止まっていました' "$work/start.err" || true)
echo "$kills kills of --restore-backup (a whole one takes ${restore_ms} ms): every game listed" \
    "after each, ${seen[old]} wholly old, ${seen[new]} wholly new ($restore_finished had" \
    "finished, $recovered put in place at start), $restore_removed leftovers removed by the next restore, none left"

# Kills between the two renames, with the data root there before (odd) or not (even).
: >"$work/start.err"
for ((i = 1; i <= between; i++)); do
    reset_root
    ((i % 2 == 0)) && rm -rf "$root"
    SORAMAME_PAUSE_BETWEEN_RENAMES=60 "$program" --data-root "$root" --restore-backup "$backup" \
        >/dev/null 2>&1 &
    pid=$!
    for ((wait_ms = 0; wait_ms < 30000; wait_ms += 20)); do
        [[ -d $work/データ_戻し中 && ! -e $root ]] && break
        sleep 0.02
    done
    [[ ! -e $root ]] || fail "between-renames kill $i: the restore never reached its pause"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    [[ $(check_after_kill "between-renames kill $i") == new ]] ||
        fail "between-renames kill $i: the restored data was not put in place"
    "$program" --data-root "$root" --restore-backup "$backup" >/dev/null 2>&1 ||
        fail "between-renames kill $i: the next restore failed"
    [[ $(leftovers) == 0 ]] || fail "between-renames kill $i: a leftover remains"
done
recovered=$(grep -c '途中で止まっていました' "$work/start.err" || true)
echo "$between kills between the two renames of --restore-backup: $recovered put in place at start," \
    "every game listed, wholly new each time"
echo "$empty_locks kills left an empty .soramame.lock, taken over by the next start"
