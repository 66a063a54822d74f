#!/usr/bin/env bash
# Runs every fuzz target in turn for SECONDS each (default 60) on one core, with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer (Clang). Each failing input is minimised into
# fuzz/regressions/<target>/, where ctest replays it from then on. Prints executions, their rate
# per second of the clock and per second of processor time the target had (the fair measure on
# a shared machine), and findings per target (also into build-fuzz/fuzz-summary.txt) with the
# load at the end; exits 1 when anything was found.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
TIMEFORMAT='processor seconds: %3U %3S'
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(report_open report_merge orders_tmp map_area map_hex settings
    batch_script)

scripts/setup.sh
if ! command -v clang++ >/dev/null; then
    echo "Installing: clang"
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    "${sudo[@]}" apt-get install -y -qq clang >/dev/null
fi
build=$root/build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DDERED_FUZZ=ON -DDERED_WITH_QT=OFF -DDERED_WITH_BENCH=OFF \
    >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

# Every input makes and frees a whole program's worth of memory. With the default quarantine
# (256 MB) memory is reused only after some thousand inputs, so most of a run on a shared machine
# touches fresh pages; 32 MB still holds the memory of a hundred inputs, so a use after free
# within one input is found as before. Allocation stacks are kept 5 frames deep instead of 30:
# the fuller report comes from replaying the kept input (ctest, or the binary on the file).
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1:quarantine_size_mb=32:malloc_context_size=5
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
problem='ERROR: libFuzzer|==ERROR|runtime error|invariant broken|Test unit written'
found_any=0
summary=()
for target in "${targets[@]}"; do
    work=$build/fuzz-work/$target
    rm -rf "$work/artifacts" "$work/cwd" "$work"/run-*.log
    mkdir -p "$work/corpus" "$work/artifacts" "$work/cwd" "fuzz/regressions/$target"
    binary=$build/fuzz_$target
    executions=0
    cpu=0
    left=$seconds
    runs=0
    # libFuzzer stops at a finding; the search goes on until the time is used up.
    while [ "$left" -gt 0 ] && [ $runs -lt 20 ]; do
        runs=$((runs + 1))
        start=$(date +%s)
        log=$work/run-$runs.log
        # time's line ends the log.
        time (cd "$work/cwd" && "$binary" -max_total_time="$left" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
            "$work/corpus" "$root/fuzz/corpus/$target" "$root/fuzz/regressions/$target") \
            >"$log" 2>&1 || true
        cpu=$(awk -v before="$cpu" '/^processor seconds: / { t = $3 + $4 } END { print before + t }' \
            "$log")
        n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
        executions=$((executions + ${n:-0}))
        left=$((left - ($(date +%s) - start)))
        grep -Eq "$problem" "$log" || break
    done
    findings=0
    for artifact in "$work"/artifacts/*; do
        [ -f "$artifact" ] || continue
        findings=$((findings + 1))
        kept=fuzz/regressions/$target/$(basename "$artifact")
        (cd "$work/cwd" && "$binary" -minimize_crash=1 -max_total_time=60 -timeout=10 \
            -exact_artifact_path="$root/$kept" "$artifact") >"$work/minimise.log" 2>&1 || true
        [ -f "$kept" ] || cp "$artifact" "$kept"
        echo "  $target: $kept: $(grep -Eho "$problem.*" "$work"/run-*.log | head -1)"
    done
    [ $findings -eq 0 ] || found_any=1
    per_cpu=$(awk -v n="$executions" -v t="$cpu" 'BEGIN { printf "%d", (t > 0 ? n / t : 0) }')
    summary+=("$(printf '%-13s %11d executions in %4d s, %6d/s, %6d per processor s, %d findings' \
        "$target" "$executions" "$seconds" $((executions / (seconds > 0 ? seconds : 1))) \
        "$per_cpu" $findings)")
done
summary+=("load:$(uptime | sed 's/.*load average://')")
printf '%s\n' "${summary[@]}" | tee "$build/fuzz-summary.txt"
exit $found_any
