#!/usr/bin/env bash
# Kills der-ed-batch with SIGKILL in the middle of a script, while it waits for the next line,
# starts it again on the same turn and answers "yes" to the recovery: every order is back.
#   crash_recovery.sh BATCH PROGRAM_DIR SOURCE_DIR WORK_DIR
set -euo pipefail
batch=$1 program_dir=$2 source_dir=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cp -r "$source_dir/data/demo" "$work/"
cd "$work"
export XDG_STATE_HOME=$work/state
show='print row frmWinQZ.grdArea 105
print row frmWinQZ.grdArea 118
print orders
print state'

mkfifo script
"$batch" --program-dir "$program_dir" --settings der-ed.ini <script >first.out 2>&1 &
pid=$!
exec 3>script
cat >&3 <<LINES
start demo/1880-1/plyrdata.003
map option UU
map dblclick 105
map option MO
map dblclick 118
map click 134
menu mnuANW
select frmANW.lstNeutrals 4
click frmANW.cmdAlly
close frmANW
$show
print caption frmWinQZ
LINES
for _ in $(seq 300); do
    grep -q "^QZ001" first.out && break
    sleep 0.1
done
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
exec 3>&-
grep -q "^QZ001" first.out || { echo "the first run did not get through its orders"; cat first.out; exit 1; }
ls state/der-ed/QZ001-player3-1880-1.orders

printf 'answer recover yes\nstart demo/1880-1/plyrdata.003\n%s\n' "$show" |
    "$batch" --program-dir "$program_dir" --settings der-ed.ini >second.out
grep -q "^MSG question: Orders of this turn were entered after the last save" second.out
# The area orders, the list orders and the supply they leave (spy slots read back as SP).
orders() { grep -E '^[0-9]+\|' "$1"; grep -E '^[3-9][0-9]*: ' "$1"; grep -o 'FreeSupply=[-0-9]*' "$1"; }
entered=$(orders first.out)
restored=$(orders second.out)
echo "$restored"
if [ "$entered" != "$restored" ] || [ "$(echo "$restored" | wc -l)" -ne 4 ]; then
    echo "--- entered before the kill ---"
    echo "$entered"
    exit 1
fi
