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
source scripts/display.sh
mkdir -p screenshots
log=$(mktemp)

programPid=""
cleanUp() {
    [ -n "$programPid" ] && kill "$programPid" 2>/dev/null || true
    stopVirtualDisplay
    wait 2>/dev/null || true
    rm -f "$log"
}
trap cleanUp EXIT
startVirtualDisplay

"$WINE" "$program" "$@" >"$log" 2>&1 &
programPid=$!

if ! window=$(waitForWindow "$title" "$waitSeconds"); then
    cat "$log" >&2
    exit 1
fi

# Let the program finish its first paint.
sleep "$settleSeconds"
captureWindow "$window" "screenshots/$name.png" "${SCREENSHOT_FROM_SCREEN:-}"
echo "screenshots/$name.png"

# Close it as the user would; the exit trap ends what is left.
closeProgram "$title" "$programPid" 5 || true
