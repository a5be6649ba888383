#!/usr/bin/env bash
# The speed and memory table of the repair and the library, each figure a
# ratio to a peer measured in the same run:
#   repair   whole quorlin-cli repairs of 10 MB ncc.html files (UTF-8 and
#            Shift_JIS) beside xmlstarlet deleting the same meta elements
#            with -P (keeping the layout, as we do): median time and peak
#            memory of alternating runs;
#   growth   repairs of 1, 10 and 50 MB UTF-8 books, ours beside the
#            peer's: time and peak per input byte, and the spread of each
#            (largest over smallest);
#   chain    the registry's conversion chains beside glibc iconv (zum-bench);
#   parse    our parse of a 10 MB document beside libxml2's (zum-bench).
# RUNS (default 7) sets the runs of each median. Needs xmlstarlet,
# /usr/bin/time and python3 (Debian: xmlstarlet, time, python3).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-7}
cli=build/default/quorlin-cli
bench=build/default/zum-bench
for tool in xmlstarlet /usr/bin/time python3; do
    command -v "$tool" >/dev/null || { echo "bench-repair: needs $tool" >&2; exit 1; }
done
cmake --preset default >/dev/null
cmake --build --preset default -j2 --target quorlin-cli zum-bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

theirRepair=(xmlstarlet ed -P -N x=http://www.w3.org/1999/xhtml
    -d "/x:html/x:head/x:meta[starts-with(@name,'vorka:')]")
ourRepair=("$cli" -q)

# Appends "seconds peak-KiB" of one run of the command (its file argument
# appended) on a fresh copy of the book $1 to the file $2. The clock is read
# in microseconds around the run: time's own figure counts only hundredths,
# too coarse for a 1 MB book.
runOnce() {
    local source=$1 results=$2 start end
    shift 2
    cp "$source" "$work/ncc.html"
    rm -rf "$work/ncc.html.old"
    start=$EPOCHREALTIME
    /usr/bin/time -f "%M" -o "$work/time" "$@" "$work/ncc.html" >"$work/out" 2>"$work/err" ||
        { echo "bench-repair: failed: $*" >&2; cat "$work/err" >&2; exit 1; }
    end=$EPOCHREALTIME
    echo "$(awk -v s="$start" -v e="$end" 'BEGIN{printf "%.4f", e - s}') $(cat "$work/time")" >>"$results"
}

# "median-seconds median-peak-KiB" of the runs in a file.
medians() {
    python3 -c 'import statistics, sys
rows = [list(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
print(statistics.median(r[0] for r in rows), statistics.median(r[1] for r in rows))' "$1"
}

book() { # megabytes encoding -> path of a generated book
    local path="$work/book-$2-$1.html"
    [ -f "$path" ] || python3 tools/gen_ncc.py --megabytes "$1" --encoding "$2" >"$path"
    echo "$path"
}

row() { printf '%-34s %12s %12s %8s  %s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }

# RUNS alternating runs on the book $1: ours into the file $2, the peer's into
# $3, after one unmeasured run of each: the first runs after a book is made
# pay for the machine's cold memory and file cache, whichever program is first.
alternate() {
    runOnce "$1" "$work/warm-up" "${ourRepair[@]}"
    runOnce "$1" "$work/warm-up" "${theirRepair[@]}"
    : >"$2"; : >"$3"
    for _ in $(seq "$runs"); do
        runOnce "$1" "$2" "${ourRepair[@]}"
        runOnce "$1" "$3" "${theirRepair[@]}"
    done
}

repairRows() {
    for encoding in utf-8 shift_jis; do
        local source ours theirs
        source=$(book 10 "$encoding")
        ours="$work/ours-$encoding" theirs="$work/theirs-$encoding"
        alternate "$source" "$ours" "$theirs"
        read -r t m < <(medians "$ours")
        read -r pt pm < <(medians "$theirs")
        row "repair $encoding 10 MB, s" "$t" "$pt" "$(ratio "$t" "$pt")" "<= 0.50"
        row "repair $encoding 10 MB, MiB" "$(awk -v a="$m" 'BEGIN{printf "%.1f", a/1024}')" \
            "$(awk -v a="$pm" 'BEGIN{printf "%.1f", a/1024}')" "$(ratio "$m" "$pm")" "<= 0.75"
    done
}

# Time and peak per input byte of our repair and the peer's, alternating, at
# each size; then the spread of each (largest over smallest): the peer's
# spread shows what the fixed cost of a process leaves for any program.
growthRows() {
    local times="" peaks="" theirTimes="" theirPeaks=""
    perByte() { awk -v v="$1" -v s="$2" -v b="$3" 'BEGIN{printf "%.2f", v*s/b}'; }
    for megabytes in 1 10 50; do
        local source bytes ours="$work/growth-$megabytes" theirs="$work/growth-peer-$megabytes"
        source=$(book "$megabytes" utf-8)
        bytes=$(stat -c %s "$source")
        alternate "$source" "$ours" "$theirs"
        read -r t m < <(medians "$ours")
        read -r pt pm < <(medians "$theirs")
        local time peak theirTime theirPeak
        time=$(perByte "$t" 1e9 "$bytes") theirTime=$(perByte "$pt" 1e9 "$bytes")
        peak=$(perByte "$m" 1024 "$bytes") theirPeak=$(perByte "$pm" 1024 "$bytes")
        row "growth $megabytes MB, ns/byte" "$time" "$theirTime" "$(ratio "$time" "$theirTime")" ""
        row "growth $megabytes MB, B/byte" "$peak" "$theirPeak" "$(ratio "$peak" "$theirPeak")" ""
        times="$times $time" peaks="$peaks $peak"
        theirTimes="$theirTimes $theirTime" theirPeaks="$theirPeaks $theirPeak"
    done
    spread() { echo "$@" | awk '{ lo = hi = $1; for (i = 2; i <= NF; ++i) { if ($i < lo) lo = $i; if ($i > hi) hi = $i }
                                 printf "%.2f", hi / lo }'; }
    row "growth spread, time" "$(spread $times)" "$(spread $theirTimes)" "" "<= 1.15"
    row "growth spread, peak" "$(spread $peaks)" "$(spread $theirPeaks)" "" "<= 1.15"
}

# The median of a zum-bench counter over the repetitions of one benchmark.
benchCounter() { # filter counter
    "$bench" --benchmark_filter="$1" --benchmark_repetitions="$runs" \
        --benchmark_format=json 2>/dev/null | python3 -c 'import json, statistics, sys
runs = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("run_type") == "iteration"]
print("%.2f" % statistics.median(b[sys.argv[1]] for b in runs))' "$2"
}

libraryRows() {
    row "chain UTF-8 -> UTF-16N" "" "iconv" "$(benchCounter 'chainBesideIconv/case:0/unit_by_unit:0$' x_iconv)" "<= 0.70"
    row "chain UTF-16N -> UTF-8" "" "iconv" "$(benchCounter 'chainBesideIconv/case:1/unit_by_unit:0$' x_iconv)" "<= 0.70"
    row "chain Shift_JIS -> UTF-16N" "" "iconv" "$(benchCounter 'chainBesideIconv/case:2/unit_by_unit:0$' x_iconv)" "<= 1.00"
    row "parse 10 MB" "" "libxml2" "$(benchCounter 'XmlParseBesideLibxml2' x_libxml2)" "<= 0.60"
}

row what ours peer ratio target
repairRows
growthRows
libraryRows
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

# ---- The batch rows: a shelf of books, -r and -j (tools/bench-batch.sh) ----
tools/bench-batch.sh
