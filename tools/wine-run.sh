#!/usr/bin/env bash
# Runs a Windows program under wine in a prefix of the build's own
# (WINEPREFIX, default build/windows/wineprefix), made on first use.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # One prefix is made at a time; a second caller waits for the first.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1
        # The Japanese fonts the dialogs name are the IPA fonts here, as a
        # Japanese Windows has them.
        iconv -f UTF-8 -t UTF-16 >"$WINEPREFIX/fonts.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
REG
        wine regedit /S "$WINEPREFIX/fonts.reg" >/dev/null 2>&1
    fi
    wineserver --wait || true
    flock -u 9
fi
# Debian's wineserver ends with its last program, and a program that starts
# as it ends fails to connect; a server that lingers a few seconds carries a
# test run from program to program. Its session (services, devices) is started
# apart, with no output of ours: the processes that start it inherit the
# streams of the program that needs it, and a test runner waits for those.
exec 8>"$WINEPREFIX.session.lock"
flock 8
# (The lock stays ours: what lingers must not hold it.)
if wineserver -p5 </dev/null >/dev/null 2>&1 8>&-; then
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1 8>&- || true
fi
exec 8>&-
exec wine "$@"
