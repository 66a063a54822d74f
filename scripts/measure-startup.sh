#!/usr/bin/env bash
# Times the desktop program from start to its first map paint on the demo turn, against a bare
# Qt window that quits the same way, each as a whole process under Xvfb with openbox. A third
# program, the same windows with nothing of ours in them, shows what the windows alone cost.
# Needs xvfb, openbox and hyperfine (apt-get install xvfb openbox hyperfine).
# Usage: scripts/measure-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-40}"
for tool in xvfb-run openbox hyperfine; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done
cmake --build build -j "$(nproc)" --target der-ed der-ed-batch dered_window_skeleton dered_bare_window >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r data/demo/. "$work/"
# Its own settings, recovery and lock folders: a recovery file left by another run would ask.
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
# An orders.tmp beside the report, so that no "No old orders" message box waits for a click;
# fresh settings, so that the map opens as a new user's does.
(cd "$work" && printf 'start 1880-1/plyrdata.003\nmenu mnuSave\n' |
    "$OLDPWD/build/der-ed-batch" --program-dir "$OLDPWD/build" --settings "$work/batch.ini" >/dev/null)
xvfb-run -a -s '-screen 0 1600x1000x24' sh -c "openbox >/dev/null 2>&1 & sleep 1;
    hyperfine -N -w 5 -r $runs \
        'build/der-ed --quit-when-shown $work/1880-1/plyrdata.003' \
        'build/dered_window_skeleton' 'build/dered_bare_window'"
