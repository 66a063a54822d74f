#!/usr/bin/env bash
# Two programs on one turn: while the first holds it, a second is refused or opens it read-only,
# saves nothing and offers none of the first's live orders; the first's save is on disk as it
# says. Killed, the first leaves its lock to the next program, which offers the orders back.
#   turn_lock.sh BATCH PROGRAM_DIR SOURCE_DIR WORK_DIR
set -euo pipefail
batch=$1 program_dir=$2 source_dir=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cp -r "$source_dir/data/demo" "$work/"
cd "$work"
export XDG_STATE_HOME=$work/state
run() { "$batch" --program-dir "$program_dir" --settings der-ed.ini; }
fail() { echo "$1"; tail -n 20 ./*.out; exit 1; }
wait_for() { # text file
    for _ in $(seq 300); do
        grep -q "$1" "$2" && return 0
        sleep 0.1
    done
    fail "no \"$1\" in $2"
}

mkfifo script
"$batch" --program-dir "$program_dir" --settings der-ed.ini <script >first.out 2>&1 &
first=$!
exec 3>script
printf '%s\n' 'start demo/1880-1/plyrdata.003' 'map option UU' 'map dblclick 105' \
    'menu mnuSave' 'map option MO' 'map dblclick 118' 'map click 134' 'print orders' \
    'print caption frmWinQZ' >&3
wait_for '^QZ001' first.out
cp demo/1880-1/commands.dat saved-by-first

printf 'answer locked no\nstart demo/1880-1/plyrdata.003\nprint caption frmWinQZ\n' | run >refused.out
printf '%s\n' 'answer locked yes' 'answer recover yes' 'start demo/1880-1/plyrdata.003' \
    'print caption frmWinQZ' 'map option UU' 'map dblclick 110' 'menu mnuSave' 'menu mnuExit' |
    run >readonly.out
for out in refused.out readonly.out; do
    grep -q "^MSG question: This turn (QZ001, player 3, 1880.1) is open in another program (process $first on " $out ||
        fail "$out: the second program was not told who holds the turn"
    ! grep -q "entered after the last save" $out || fail "$out: the first program's live orders were offered"
done
grep -q '^QZ001.* - open in another program, read-only$' readonly.out || fail "no read-only caption"
! grep -q '^QZ001' refused.out || fail "the refused turn was opened"
grep -q '^MSG information: This turn is open in another program' readonly.out || fail "an order was taken"
grep -q '^DISABLED mnuSave' readonly.out || fail "read-only, yet Save was offered"
cmp -s demo/1880-1/commands.dat saved-by-first || fail "the read-only program wrote commands.dat"
grep -q '^UU  105 ' saved-by-first || fail "the first program's save is not on disk"
ls state/der-ed/QZ001-player3-1880-1.orders >/dev/null || fail "the first program's recovery file went"

kill -KILL "$first"
wait "$first" 2>/dev/null || true
exec 3>&-
printf 'answer recover yes\nstart demo/1880-1/plyrdata.003\nprint row frmWinQZ.grdArea 118\n' |
    run >after.out
! grep -q 'is open in another program' after.out || fail "a dead program's lock was not taken over"
grep -q '^MSG question: Orders of this turn were entered after the last save' after.out ||
    fail "the killed program's orders were not offered back"
grep -q '^118|.*MO' after.out || fail "the killed program's move did not come back"
