#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR and checks the installed tree as a user would meet
# it: the desktop files validate, and the installed programs find their data by themselves.
# Usage: scripts/check-install.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=/usr
DESTDIR="$stage/root" cmake --install "$build" --prefix "$prefix" >/dev/null
root="$stage/root$prefix"
share="$root/share"

desktop-file-validate "$share/applications/org.dered.DerEd.desktop"
appstreamcli validate --no-net "$share/metainfo/org.dered.DerEd.metainfo.xml" >/dev/null
xmllint --noout "$share/metainfo/org.dered.DerEd.metainfo.xml"
xmllint --noout "$share/mime/packages/org.dered.DerEd.xml"
for size in 16 24 32 48 64 128 256; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/org.dered.DerEd.png"
done
test -s "$share/man/man1/der-ed.1.gz" && test -s "$share/man/man1/der-ed-batch.1.gz"
test -s "$share/der-ed/der-ed.ini"

# From another folder, with no --program-dir and a user folder that holds nothing: the map
# files must come from ../share/der-ed beside the installed executable.
work="$stage/elsewhere"
mkdir -p "$work"
out=$(cd "$work" && printf 'start %s\nprint area 175\n' "$share/der-ed/demo/1880-1/plyrdata.003" |
    env HOME="$work" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_DIRS=/nonexistent \
        "$root/bin/der-ed-batch" --settings "$work/der-ed.ini")
# The area's name comes from map-area.dat.
if grep -q "Map file" <<<"$out" || ! grep -q " Name=Talidor$" <<<"$out"; then
    echo "the installed der-ed-batch did not read the map files:" >&2
    echo "$out" >&2
    exit 1
fi
"$root/bin/der-ed-batch" --version | grep -q "^der-ed-batch "
if [ -x "$root/bin/der-ed" ]; then
    QT_QPA_PLATFORM=offscreen "$root/bin/der-ed" --version | grep -q "^der-ed "
fi
echo "install check passed ($prefix in a scratch DESTDIR)"
