#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: a Release build with warnings as
# errors, whose install is then checked, and one under AddressSanitizer and
# UndefinedBehaviorSanitizer. Fails on any failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DDERED_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
scripts/check-install.sh build

cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDERED_SANITIZE=ON -DDERED_WERROR=ON \
    -DDERED_WITH_BENCH=OFF >/dev/null
cmake --build build-san -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
ctest --test-dir build-san --output-on-failure -j "$jobs"
