#!/usr/bin/env bash
# Sets everything up and runs the program on the bundled sample database.
#
# usage: run.sh [--vnc] [program arguments...]
#   With DISPLAY set the program opens there. Without a display it opens on a virtual display,
#   its main window is saved as screenshots/main-window.png and it is closed again. With --vnc it
#   stays open on the virtual display, which is served on localhost over VNC until Ctrl+C.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
vnc=false
if [ "${1:-}" = "--vnc" ]; then
    vnc=true
    shift
fi
bash "$ROOT/scripts/setup.sh"
cd "$ROOT"
# "Drucken" needs the print service; it is stopped again only when this run started it.
bash scripts/cups.sh start
trap 'bash scripts/cups.sh stop' EXIT

if [ -n "${DISPLAY:-}" ] && ! $vnc; then
    "$WINE" build/windows/app/Etikett.exe "$@"
    exit
fi

source scripts/display.sh
mainTitle="Kalvenora - Etikett"
programPid=""
vncPid=""
vncLog=$(mktemp)
finish() {
    [ -n "$programPid" ] && kill "$programPid" 2>/dev/null || true
    [ -n "$vncPid" ] && kill "$vncPid" 2>/dev/null || true
    stopVirtualDisplay
    rm -f "$vncLog"
    bash scripts/cups.sh stop
}
trap finish EXIT
startVirtualDisplay

# A session of its own keeps Ctrl+C away from the program, which is closed in order instead.
setsid "$WINE" build/windows/app/Etikett.exe "$@" &
programPid=$!
window=$(waitForWindow "$mainTitle" 60)

if ! $vnc; then
    # Let the program finish its first paint.
    sleep 2
    mkdir -p screenshots
    captureWindow "$window" screenshots/main-window.png
    closeProgram "$mainTitle" "$programPid"
    programPid=""
    echo "The main window: $ROOT/screenshots/main-window.png"
    exit 0
fi

# The first free port from 5900 on, reported by x11vnc as PORT=NUMBER.
setsid x11vnc -display "$DISPLAY" -localhost -autoport 5900 -forever -shared -nopw \
    >"$vncLog" 2>&1 &
vncPid=$!
port=""
for _ in $(seq 100); do
    port=$(sed -n 's/^PORT=//p' "$vncLog")
    [ -n "$port" ] && break
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "the VNC server did not start:" >&2
    cat "$vncLog" >&2
    exit 1
fi
echo "The program runs on the virtual display $DISPLAY. Connect with:"
echo "    vncviewer localhost:$port"
echo "Ctrl+C closes the program and ends the VNC server."
trap 'closeProgram "$mainTitle" "$programPid" || true; programPid=""; exit 0' INT TERM
wait "$programPid" || true
programPid=""
