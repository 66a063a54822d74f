#!/usr/bin/env bash
# Configures and builds every build type with GCC and with Clang, warnings as errors, and
# prints which passed. Run by hand: it takes long. Usage: scripts/check-build-types.sh
# [BUILD_TYPE...] (default: Debug RelWithDebInfo Release MinSizeRel).
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! command -v clang++ >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq clang >/dev/null
fi
types=("$@")
[ ${#types[@]} -gt 0 ] || types=(Debug RelWithDebInfo Release MinSizeRel)
failed=0
for compiler in g++ clang++; do
    for type in "${types[@]}"; do
        dir="build-$compiler-$type"
        mkdir -p "$dir"
        if cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
            -DCMAKE_CXX_COMPILER="$compiler" -DDERED_WERROR=ON >"$dir/check.log" 2>&1 &&
            cmake --build "$dir" -j "$(nproc)" >>"$dir/check.log" 2>&1; then
            echo "passed: $compiler $type"
        else
            echo "FAILED: $compiler $type (see $dir/check.log)"
            failed=1
        fi
    done
done
exit $failed
