#!/bin/sh
# Runs each fuzz target of the fuzz preset's build in turn, one process each:
#   sh fuzz/run_fuzzers.sh runs N      each target for N inputs (make fuzz-smoke)
#   sh fuzz/run_fuzzers.sh seconds S   each target for S seconds (make fuzz)
# Seeds are the bundled examples and the grammar's golden inputs (for
# fuzz_bsdl the BSDL test files, with its own dictionary); what a run adds is
# kept in build/fuzz/corpus/TARGET for the next. The first finding
# (a crash, a leak, a broken expectation, a run over 25 s or 2 GB) stops
# everything with a non-zero exit; its input is kept as
# build/fuzz/findings/TARGET-*, to replay with build/fuzz/fuzz/fuzz_TARGET FILE.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
case "${1:-}" in
runs) limit="-runs=$2 -seed=1" ;;
seconds) limit="-max_total_time=$2" ;;
*) echo "usage: $0 runs N | seconds S" >&2; exit 2 ;;
esac
mkdir -p "$build/seeds" "$build/seeds-bsdl" "$build/findings"
cp "$root"/examples/*.oxel "$root"/tests/grammar/golden/*.oxel "$build/seeds/"
cp "$root"/tests/bsdl/*.bsd "$build/seeds-bsdl/"
for target in parse scan bsdl; do
    seeds=$build/seeds dictionary=$build/oxel.dict
    if [ "$target" = bsdl ]; then
        seeds=$build/seeds-bsdl dictionary=$root/fuzz/bsdl.dict
    fi
    corpus=$build/corpus/$target
    log=$build/$target.log
    mkdir -p "$corpus"
    echo "fuzz_$target: $limit (log in $log)"
    # shellcheck disable=SC2086
    if ! "$build/fuzz/fuzz_$target" $limit -dict="$dictionary" -timeout=25 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
            "$corpus" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target: FINDING, see $log and $build/findings/" >&2
        exit 1
    fi
    grep -E '^(#[0-9]+[[:space:]]+DONE|Done |stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "$log"
done
