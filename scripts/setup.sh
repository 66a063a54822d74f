#!/usr/bin/env bash
# Installs what the build needs on a Debian machine, if it is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
    desktop-file-utils appstream libxml2-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
