#!/usr/bin/env bash
# The batch rows: a shelf of 1,000 books of 50 KB repaired by one quorlin-cli
# -r beside one xmlstarlet process per book (keeping the layout, -P, and
# editing in place, as the repair does), and the same shelf with -j 2 beside
# -j 1. The three run in turn on fresh copies of the shelf, RUNS times (7 at
# the least); printed are the median seconds of each and the throughput
# ratios. Needs xmlstarlet (Debian: xmlstarlet). tools/bench-repair.sh calls it.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-7}
books=${BOOKS:-1000}
kilobytes=${KILOBYTES:-50}
((runs >= 7)) || runs=7
cli=build/default/quorlin-cli
command -v xmlstarlet >/dev/null || { echo "bench-batch: needs xmlstarlet" >&2; exit 1; }
cmake --preset default >/dev/null
cmake --build --preset default --target quorlin-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 -c "import sys; sys.path.insert(0, 'tools'); import gen_ncc
sys.stdout.buffer.write(gen_ncc.document($kilobytes / 1024, 'UTF-8').encode('utf-8'))" \
    >"$work/ncc.html"
for i in $(seq -w 1 "$books"); do
    mkdir -p "$work/pristine/book$i"
    cp "$work/ncc.html" "$work/pristine/book$i/ncc.html"
done

# Seconds (wall clock) of one run of the command on a fresh copy of the shelf.
# The used copies are kept until the end: ext4 without a journal passes over
# the inodes deleted in the last minutes when it makes a file, so deleting a
# shelf before each run would make every run slower than the one before.
used=0
seconds() {
    if [ -d "$work/shelf" ]; then
        used=$((used + 1))
        mv "$work/shelf" "$work/used-$used"
    fi
    cp -r "$work/pristine" "$work/shelf"
    sync
    local start=$EPOCHREALTIME
    "$@" >"$work/out" 2>&1 || { echo "bench-batch: failed: $*" >&2; tail "$work/out" >&2; exit 1; }
    local end=$EPOCHREALTIME
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

median() {
    sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

xmlstarlet_each() {
    find "$work/shelf" -name ncc.html -exec xmlstarlet ed -L -P -N x=http://www.w3.org/1999/xhtml \
        -d "/x:html/x:head/x:meta[starts-with(@name,'vorka:')]" {} \;
}

: >"$work/peer"
: >"$work/one"
: >"$work/two"
for _ in $(seq "$runs"); do
    seconds xmlstarlet_each >>"$work/peer"
    seconds "$cli" -q -r "$work/shelf" >>"$work/one"
    seconds "$cli" -q -r -j 2 "$work/shelf" >>"$work/two"
done
peer=$(median <"$work/peer")
one=$(median <"$work/one")
two=$(median <"$work/two")

echo
echo "a shelf of $books books of $kilobytes KB, median of $runs alternating runs"
printf '%-34s %10s %12s\n' run seconds books/s
for row in "xmlstarlet, one process per book:$peer" "quorlin-cli -r:$one" "quorlin-cli -r -j 2:$two"; do
    awk -v name="${row%:*}" -v s="${row##*:}" -v n="$books" \
        'BEGIN { printf "%-34s %10.3f %12.0f\n", name, s, n / s }'
done
awk -v p="$peer" -v a="$one" -v b="$two" 'BEGIN {
    printf "quorlin-cli -r throughput: %.2fx xmlstarlet per book (target >= 2)\n", p / a
    printf "-j 2 throughput: %.2fx -j 1 (target >= 1.7)\n", a / b }'
