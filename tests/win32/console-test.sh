#!/usr/bin/env bash
# quorlin-cli.exe writing to a real console. wine gives a program started on a
# terminal a console and shows its characters on the terminal in UTF-8, while
# bytes written to that console are read in its code page: a line written as
# UTF-8 bytes would come out garbled. script(1) supplies the terminal.
# Arguments: the wine runner, quorlin-cli.exe, the demo book's folder.
set -euo pipefail
runner=$1 cli=$2 book=$3
if ! command -v script >/dev/null; then
    echo "skipped: script is not installed" >&2
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/教科書"
cp "$book/ncc.html" "$work/教科書/"
cd "$work"
LC_ALL=C.UTF-8 script -qec "'$runner' '$cli' 教科書/ncc.html" /dev/null >terminal.raw
# The terminal's text without the console's cursor and colour sequences.
sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' terminal.raw >terminal.txt
expected="教科書/ncc.html: 修正が成功しました。"
if ! grep -qF "$expected" terminal.txt; then
    echo "the console did not show: $expected" >&2
    cat -A terminal.txt >&2
    exit 1
fi
[ -f 教科書/ncc.html.old ] || { echo "the book was not repaired" >&2; exit 1; }
