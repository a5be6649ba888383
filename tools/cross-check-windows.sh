#!/usr/bin/env bash
# The same books repaired by the Linux quorlin-cli and by quorlin-cli.exe under
# wine must come out byte for byte the same: the demo book (Shift_JIS, with the Windows characters of CP932), and
# UTF-16, EUC-JP and Windows-1252 copies of it made here with iconv. The
# Windows-1252 copy has its Japanese text replaced by text that code page has.
# Run after the default and windows builds.
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${LINUX_CLI:-build/default/quorlin-cli}
windows=${WINDOWS_CLI:-build/windows/quorlin-cli.exe}
export WINEPREFIX=${WINEPREFIX:-$PWD/build/windows/wineprefix}
for program in "$linux" "$windows"; do
    [ -x "$program" ] || { echo "cross-check: $program is not built" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
demo=samples/demo-book/ncc.html

# The demo book's text in UTF-8 with `encoding` declared.
declared() {
    iconv -f CP932 -t UTF-8 "$demo" | sed "s/encoding=\"Shift_JIS\"/encoding=\"$1\"/"
}
mkdir "$work/books"
cp "$demo" "$work/books/shift_jis.html"
declared UTF-16 | iconv -f UTF-8 -t UTF-16 >"$work/books/utf-16.html"
declared EUC-JP | iconv -f UTF-8 -t EUC-JP >"$work/books/euc-jp.html"
declared windows-1252 |
    perl -Mutf8 -CSD -pe 's/[^\x00-\x7F]+/Œuvre « élève » – 5 € ‰ Šß ÿ/g' |
    iconv -f UTF-8 -t WINDOWS-1252 >"$work/books/windows-1252.html"

failed=0
for book in "$work"/books/*.html; do
    name=$(basename "$book" .html)
    mkdir "$work/linux-$name" "$work/windows-$name"
    cp "$book" "$work/linux-$name/ncc.html"
    cp "$book" "$work/windows-$name/ncc.html"
    linuxStatus=0 windowsStatus=0
    "$linux" -q "$work/linux-$name/ncc.html" || linuxStatus=$?
    (cd "$work/windows-$name" && "$OLDPWD/tools/wine-run.sh" "$OLDPWD/$windows" -q ncc.html) ||
        windowsStatus=$?
    verdict=same
    if [ "$linuxStatus" != 0 ] || [ "$windowsStatus" != 0 ]; then
        verdict="failed (Linux $linuxStatus, Windows $windowsStatus)"
    elif ! cmp -s "$work/linux-$name/ncc.html" "$work/windows-$name/ncc.html" ||
         ! cmp -s "$work/windows-$name/ncc.html.old" "$book"; then
        verdict=different
    elif grep -q 'name="vorka:' "$work/linux-$name/ncc.html"; then
        verdict="not repaired"
    fi
    echo "cross-check: $name: $verdict ($(wc -c <"$work/linux-$name/ncc.html") bytes)"
    [ "$verdict" = same ] || failed=1
done
exit $failed
