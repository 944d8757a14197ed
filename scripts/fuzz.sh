#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz and runs each for SECONDS (default 60),
# one at a time, on a copy of its seed corpus, so that the repository stays as it was.
# Fails on the first finding; the input that caused it is kept in build-fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(datafile answercheck)
bash scripts/install-deps.sh clang libclang-rt-14-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build-fuzz/findings
mkdir -p "$findings"
for target in "${targets[@]}"; do
    cp -L -r "fuzz/corpus/$target" "$work/$target"
    dictionary=()
    [ "$target" = answercheck ] || dictionary=(-dict=fuzz/ions.dict)
    echo "== fuzz_$target for $seconds s"
    # -rss_limit_mb: a data file of a few kilobytes never needs more; more means a leak.
    "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -rss_limit_mb=2048 -artifact_prefix="$findings/$target-" "${dictionary[@]}" "$work/$target" \
        >"$work/$target.log" 2>&1 || {
        tail -n 60 "$work/$target.log"
        echo "fuzz_$target found a fault; its input is in $findings/" >&2
        exit 1
    }
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$target.log"
done
