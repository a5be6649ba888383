#!/usr/bin/env bash
# The speed and memory table of the repair and the library, each figure a
# ratio to a peer measured in the same run:
#   repair   whole quorlin-cli repairs of 10 MB ncc.html files (UTF-8 and
#            Shift_JIS) beside xmlstarlet deleting the same meta elements
#            with -P (keeping the layout, as we do): median time and peak
#            memory of alternating runs;
#   growth   our repair of 1, 10 and 50 MB UTF-8 books: time and peak per
#            input byte, and their spread (largest over smallest);
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
# appended) on a fresh copy of the book $1 to the file $2.
runOnce() {
    local source=$1 results=$2
    shift 2
    cp "$source" "$work/ncc.html"
    rm -rf "$work/ncc.html.old"
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" "$work/ncc.html" >"$work/out" 2>"$work/err" ||
        { echo "bench-repair: failed: $*" >&2; cat "$work/err" >&2; exit 1; }
    cat "$work/time" >>"$results"
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

repairRows() {
    for encoding in utf-8 shift_jis; do
        local source ours theirs
        source=$(book 10 "$encoding")
        ours="$work/ours-$encoding" theirs="$work/theirs-$encoding"
        : >"$ours"; : >"$theirs"
        for _ in $(seq "$runs"); do
            runOnce "$source" "$ours" "${ourRepair[@]}"
            runOnce "$source" "$theirs" "${theirRepair[@]}"
        done
        read -r t m < <(medians "$ours")
        read -r pt pm < <(medians "$theirs")
        row "repair $encoding 10 MB, s" "$t" "$pt" "$(awk -v a="$t" -v b="$pt" 'BEGIN{printf "%.2f", a/b}')" "<= 0.50"
        row "repair $encoding 10 MB, MiB" "$(awk -v a="$m" 'BEGIN{printf "%.1f", a/1024}')" \
            "$(awk -v a="$pm" 'BEGIN{printf "%.1f", a/1024}')" \
            "$(awk -v a="$m" -v b="$pm" 'BEGIN{printf "%.2f", a/b}')" "<= 0.75"
    done
}

growthRows() {
    local times="" peaks=""
    for megabytes in 1 10 50; do
        local source bytes file="$work/growth-$megabytes"
        source=$(book "$megabytes" utf-8)
        bytes=$(stat -c %s "$source")
        : >"$file"
        for _ in $(seq "$runs"); do runOnce "$source" "$file" "${ourRepair[@]}"; done
        read -r t m < <(medians "$file")
        local perTime perPeak
        perTime=$(awk -v t="$t" -v b="$bytes" 'BEGIN{printf "%.2f", t*1e9/b}')
        perPeak=$(awk -v m="$m" -v b="$bytes" 'BEGIN{printf "%.2f", m*1024/b}')
        row "growth $megabytes MB, ns/byte  B/byte" "$perTime" "$perPeak" "" ""
        times="$times $perTime" peaks="$peaks $perPeak"
    done
    spread() { echo "$@" | awk '{ lo = hi = $1; for (i = 2; i <= NF; ++i) { if ($i < lo) lo = $i; if ($i > hi) hi = $i }
                                 printf "%.2f", hi / lo }'; }
    row "growth spread, time  peak" "$(spread $times)" "$(spread $peaks)" "" "<= 1.15"
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
