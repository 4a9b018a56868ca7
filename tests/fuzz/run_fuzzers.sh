#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build and prints, for each, how many
# inputs it tried, how long it took, the code it reached and whether it found
# anything.
#
#   run_fuzzers.sh BUILD_DIR SECONDS [RUNS] [TARGET...]
#
# SECONDS bounds each target's run (0: no bound); RUNS, when given and not 0,
# stops a target after that many inputs.  The corpus a target grows is kept
# in BUILD_DIR/fuzz-corpus/<target> and used again by the next run; the seeds
# come from tests/fuzz/seeds/<target>.  A finding (crash, sanitizer report,
# broken promise, leak, hang, runaway memory) is saved as
# BUILD_DIR/fuzz-findings/<target>-... and fails the run.
set -uo pipefail

build=${1:?build folder}
seconds=${2:?seconds per target}
runs=${3:-0}
shift $(($# < 3 ? $# : 3))
here=$(cd "$(dirname "$0")" && pwd)

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in "$here"/seeds/*/; do targets+=("$(basename "$seeds")"); done
fi

mkdir -p "$build/fuzz-findings" "$build/fuzz-logs"
failed=0
printf '%-22s %12s %8s %7s %8s %7s  %s\n' target executions seconds cov features corpus result
for target in "${targets[@]}"; do
    binary="$build/tests/fuzz/$target"
    if [ ! -x "$binary" ]; then
        printf '%-22s not built (%s)\n' "$target" "$binary"
        failed=1
        continue
    fi
    corpus="$build/fuzz-corpus/$target"
    log="$build/fuzz-logs/$target.log"
    mkdir -p "$corpus"
    limits=(-max_total_time="$seconds")
    [ "$runs" != 0 ] && limits+=(-runs="$runs")
    # A full setup.ini is some 300 bytes, a campaign.ini less; longer inputs
    # only repeat their lines, and slow the run as libFuzzer lets them grow.
    case "$target" in
        setup_ini_fuzzer | game_settings_fuzzer | campaign_info_fuzzer) limits+=(-max_len=2048) ;;
    esac
    start=$(date +%s.%N)
    # A reader may take no more than 256 MB for one input, nor 10 s.
    "$binary" "${limits[@]}" -timeout=10 -malloc_limit_mb=256 -rss_limit_mb=1024 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$target-" \
        "$corpus" "$here/seeds/$target" >"$log" 2>&1
    status=$?
    end=$(date +%s.%N)
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1)
    cov=$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$last")
    features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    size=$(find "$corpus" -type f | wc -l)
    result=clean
    if [ $status -ne 0 ]; then
        result="FINDING (exit $status), see $log"
        failed=1
    fi
    printf '%-22s %12s %8.1f %7s %8s %7s  %s\n' "$target" "${executions:-?}" \
        "$(awk "BEGIN { print $end - $start }")" "${cov:-?}" "${features:-?}" "$size" "$result"
done
exit $failed
