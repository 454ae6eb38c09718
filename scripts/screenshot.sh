#!/usr/bin/env bash
# Captures the window of a Windows program into screenshots/NAME.png: starts the program under a
# virtual display with the project's Wine prefix, waits for its window, grabs it by window id and
# closes the program again.
#
# usage: screenshot.sh NAME PROGRAM [args...]
#   NAME     the picture's name, without folder and ending
#   PROGRAM  the .exe to run (relative to the working folder, which is the project folder)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

if [ $# -lt 2 ]; then
    echo "usage: $0 NAME PROGRAM [args...]" >&2
    exit 2
fi
name=$1
program=$(realpath "$2")
shift 2
# The window is looked for by this part of its title; the demos' titles all start with it.
title=${SCREENSHOT_TITLE:-Kalvenora}
waitSeconds=${SCREENSHOT_WAIT:-60}
settleSeconds=${SCREENSHOT_SETTLE:-2}
# SCREENSHOT_FROM_SCREEN=1 cuts the window out of the whole screen instead of grabbing it by id.

for tool in Xvfb xdotool xwd convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

cd "$ROOT"
mkdir -p screenshots
work=$(mktemp -d)

# A free display number of our own, so several captures never share one.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
export DISPLAY=":$display"

programPid=""
cleanUp() {
    [ -n "$programPid" ] && kill "$programPid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    kill "$xvfbPid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfbPid=$!
trap cleanUp EXIT
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

"$WINE" "$program" "$@" >"$work/program.log" 2>&1 &
programPid=$!

window=""
for _ in $(seq $((waitSeconds * 2))); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.5
done
if [ -z "$window" ]; then
    echo "no window titled '$title' appeared within ${waitSeconds}s" >&2
    cat "$work/program.log" >&2
    exit 1
fi

# Let the program finish its first paint.
sleep "$settleSeconds"
if [ -n "${SCREENSHOT_FROM_SCREEN:-}" ]; then
    # Dialog windows come out black when grabbed by id; the screen shows them as they are.
    geometry=$(xwininfo -id "$window")
    x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
    width=$(awk '/Width:/ {print $NF}' <<<"$geometry")
    height=$(awk '/Height:/ {print $NF}' <<<"$geometry")
    xwd -silent -root -out "$work/window.xwd"
    convert "$work/window.xwd" -crop "${width}x${height}+${x}+${y}" +repage "screenshots/$name.png"
else
    xwd -silent -id "$window" -out "$work/window.xwd"
    convert "$work/window.xwd" "screenshots/$name.png"
fi
echo "screenshots/$name.png"

# Close it as the user would; the exit trap ends what is left.
xdotool windowclose "$window" 2>/dev/null || true
for _ in $(seq 20); do
    kill -0 "$programPid" 2>/dev/null || break
    sleep 0.25
done
