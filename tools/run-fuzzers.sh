#!/usr/bin/env bash
# Builds the fuzz targets (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time from the seed corpus in the tree (and the
# demo book), with the XML dictionary for the two document targets. The corpus
# grows in a scratch copy, so the tree stays as it is. A crash, leak, hang or
# breached promise fails the run and leaves its input under
# build/fuzz/findings/, to become a regression test named after what it caught.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target convert-fuzzer load-fuzzer repair-fuzzer

findings=build/fuzz/findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in convert load repair; do
    corpus=tools/fuzz/corpus/documents
    options=(-dict=tools/fuzz/xml.dict)
    if [ "$target" = convert ]; then
        corpus=tools/fuzz/corpus/convert
        options=()
    fi
    mkdir -p "$scratch/$target"
    cp "$corpus"/* "$scratch/$target/"
    [ "$target" = convert ] || cp samples/demo-book/ncc.html "$scratch/$target/demo-ncc.html"
    echo "run-fuzzers: $target for $seconds s"
    if ! "build/fuzz/$target-fuzzer" "${options[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        "$scratch/$target" >"$scratch/$target.log" 2>&1; then
        tail -n 40 "$scratch/$target.log" >&2
        echo "run-fuzzers: $target found a fault; its input is in $findings/" >&2
        status=1
    else
        grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$scratch/$target.log" | tail -n 2
    fi
done
exit "$status"
