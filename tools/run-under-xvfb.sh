#!/usr/bin/env bash
# Runs a command on a private X display with a window manager and its own
# session and accessibility buses, as a desktop would give it. Exits 77 (a
# skipped test) when a part of that desktop is not installed.
set -euo pipefail

for tool in Xvfb openbox dbus-run-session xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

# -displayfd picks a free display and writes its number once the server listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"
export HOME="$work" XDG_RUNTIME_DIR="$work" GTK_THEME=Adwaita NO_AT_BRIDGE=0 LANG=C.UTF-8

dbus-run-session -- bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    exec "$@"' run-under-xvfb "$@"
