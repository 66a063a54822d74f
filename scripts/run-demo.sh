#!/usr/bin/env bash
# Builds the desktop program and starts it on the bundled demo game. The demo reports are
# copied to a scratch folder once, so that saved orders never land in the source tree and
# survive the next start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target der-ed
demo="${XDG_CACHE_HOME:-$HOME/.cache}/der-ed/demo"
mkdir -p "$demo"
cp -rn data/demo/. "$demo/"
exec build/der-ed "$demo/1880-1/plyrdata.003"
