#!/usr/bin/env bash
# Plants one small fault at a time in the core (an operator or a bound changed on one line) and
# reports those no test notices. Run by hand: each mutant is a rebuild and a full ctest run
# under the sanitizers, about 15 s on two cores, so 200 take about an hour.
#   scripts/mutate.sh [-n 200] [--seed 1]
# The committed state is cloned into a scratch folder ($MUTATE_DIR, else /tmp/der-ed-mutate);
# this checkout is never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
sampler=${MUTATE_PY:-$(cd .. && pwd)/shared/tools/mutate.py}
[ -f "$sampler" ] || { echo "mutate.sh: no sampler at $sampler (set MUTATE_PY)" >&2; exit 2; }
scratch=${MUTATE_DIR:-/tmp/der-ed-mutate}
rm -rf "$scratch"
git clone -q . "$scratch/src"
# The core: everything below the desktop shell and the script driver.
exec python3 "$sampler" "$scratch/src" "$scratch/build" --sanitize --files \
    'src/state/*.cpp' 'src/files/*.cpp' 'src/orders/*.cpp' 'src/map/*.cpp' 'src/desk/*.cpp' \
    'src/turns/*.cpp' 'src/forms/*.cpp' 'src/ui/*.cpp' "$@"
