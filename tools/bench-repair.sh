#!/usr/bin/env bash
# Times the whole quorlin-cli repair of a 10 MB ncc.html (UTF-8 and Shift_JIS)
# beside xmlstarlet deleting the same meta elements from the same file, in the
# same run: the median elapsed time of several runs, the peak memory, and the
# ratios. Needs xmlstarlet and /usr/bin/time (Debian: xmlstarlet, time).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-5}
megabytes=${MEGABYTES:-10}
cli=build/default/quorlin-cli
for tool in xmlstarlet /usr/bin/time python3; do
    command -v "$tool" >/dev/null || { echo "bench-repair: needs $tool" >&2; exit 1; }
done
cmake --preset default >/dev/null
cmake --build --preset default --target quorlin-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "median-seconds peak-KiB" of `runs` runs of the command, each on a
# fresh copy of $source at $work/ncc.html.
measure() {
    for _ in $(seq "$runs"); do
        cp "$source" "$work/ncc.html"
        rm -rf "$work/ncc.html.old"
        /usr/bin/time -f "%e %M" -o "$work/time" "$@" >"$work/out" 2>"$work/err" ||
            { echo "bench-repair: failed: $*" >&2; cat "$work/err" >&2; exit 1; }
        cat "$work/time"
    done | sort -n | awk '{ t[NR] = $1; if ($2 > m) m = $2 }
                          END { print t[int((NR + 1) / 2)], m }'
}

printf '%-10s %12s %12s %12s %12s %8s %8s\n' file quorlin-s xmlstarlet-s quorlin-MiB \
    xmlstarlet-MiB time-x mem-x
for encoding in utf-8 shift_jis; do
    source="$work/source-$encoding.html"
    python3 tools/gen_ncc.py --megabytes "$megabytes" --encoding "$encoding" >"$source"
    read -r ours oursKiB < <(measure "$cli" -q "$work/ncc.html")
    read -r theirs theirsKiB < <(measure xmlstarlet ed -N x=http://www.w3.org/1999/xhtml \
        -d "/x:html/x:head/x:meta[starts-with(@name,'vorka:')]" "$work/ncc.html")
    awk -v e="$encoding" -v a="$ours" -v b="$theirs" -v ma="$oursKiB" -v mb="$theirsKiB" \
        'BEGIN { printf "%-10s %12.3f %12.3f %12.1f %12.1f %8.2f %8.2f\n",
                 e, a, b, ma / 1024, mb / 1024, a / b, ma / mb }'
done

# ---- The batch rows: a shelf of books, -r and -j (tools/bench-batch.sh) ----
tools/bench-batch.sh
