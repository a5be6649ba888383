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
# spread shows what the fixed cost of a process leaves for any program. Last,
# that fixed cost itself, a run on the demo book of a few KB (the start of a
# process and, for us, the flush to the disk), and the spreads of what each
# size costs beyond it.
growthRows() {
    local figures="$work/growth-figures"
    : >"$figures"
    for megabytes in 1 10 50; do
        local source ours="$work/growth-$megabytes" theirs="$work/growth-peer-$megabytes"
        source=$(book "$megabytes" utf-8)
        alternate "$source" "$ours" "$theirs"
        echo "$megabytes $(stat -c %s "$source") $(medians "$ours") $(medians "$theirs")" >>"$figures"
    done
    alternate samples/demo-book/ncc.html "$work/fixed" "$work/fixed-peer"
    echo "fixed 0 $(medians "$work/fixed") $(medians "$work/fixed-peer")" >>"$figures"
    python3 - "$figures" <<'EOF'
import sys
rows = [line.split() for line in open(sys.argv[1])]
sizes = [(r[0], int(r[1]), *map(float, r[2:])) for r in rows if r[0] != "fixed"]
fixed = [list(map(float, r[2:])) for r in rows if r[0] == "fixed"][0]

def row(what, ours, peer, ratio="", target=""):
    print("%-34s %12s %12s %8s  %s" % (what, ours, peer, ratio, target))

def perByte(less):  # (ns/byte, B/byte, the peer's ns/byte, B/byte) at each size
    return [((t - less[0]) * 1e9 / b, (m - less[1]) * 1024 / b,
             (pt - less[2]) * 1e9 / b, (pm - less[3]) * 1024 / b)
            for _, b, t, m, pt, pm in sizes]

def spreads(label, figures, target):
    spread = lambda k: "%.2f" % (max(f[k] for f in figures) / min(f[k] for f in figures))
    row(label + ", time", spread(0), spread(2), "", target)
    row(label + ", peak", spread(1), spread(3), "", target)

plain = perByte([0, 0, 0, 0])
for (megabytes, *_), (t, m, pt, pm) in zip(sizes, plain):
    row(f"growth {megabytes} MB, ns/byte", f"{t:.2f}", f"{pt:.2f}", f"{t / pt:.2f}")
    row(f"growth {megabytes} MB, B/byte", f"{m:.2f}", f"{pm:.2f}", f"{m / pm:.2f}")
spreads("growth spread", plain, "<= 1.15")
t, m, pt, pm = fixed
row("fixed cost (demo book), ms", f"{t * 1000:.1f}", f"{pt * 1000:.1f}", f"{t / pt:.2f}")
row("fixed cost (demo book), MiB", f"{m / 1024:.1f}", f"{pm / 1024:.1f}", f"{m / pm:.2f}")
spreads("spread beyond the fixed cost", perByte(fixed), "")
EOF
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
