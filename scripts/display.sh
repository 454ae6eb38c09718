# Sourced by the scripts that show a Windows program on a display of their own: a virtual X
# display, waiting for a window, capturing it, and closing the program in order. Needs env.sh.

# The window probe of the Windows build asks a window to close as its close box does.
windowProbe="$ROOT/build/windows/tests/support/windowprobe/windowProbe.exe"
displayPid=""

# Starts Xvfb on a display number nobody uses and exports DISPLAY.
startVirtualDisplay() {
    local display=99
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    export DISPLAY=":$display"
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    displayPid=$!
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "the virtual display $DISPLAY did not start" >&2
    return 1
}

# Ends what runs in the Wine prefix, then the virtual display.
stopVirtualDisplay() {
    wineserver -k 2>/dev/null || true
    [ -n "$displayPid" ] && kill "$displayPid" 2>/dev/null || true
    displayPid=""
}

# waitForWindow TITLE SECONDS: prints the X window of the first visible window whose title
# contains TITLE; fails when none appears in time.
waitForWindow() {
    local title=$1 seconds=$2 window
    for _ in $(seq $((seconds * 2))); do
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.5
    done
    echo "no window titled '$title' appeared within ${seconds}s" >&2
    return 1
}

# captureWindow WINDOW FILE [fromScreen]: writes the window as a PNG picture. With fromScreen the
# window is cut out of the whole screen: dialog windows come out black when grabbed by id.
captureWindow() {
    local window=$1 file=$2 fromScreen=${3:-} raw geometry x y width height
    raw=$(mktemp --suffix=.xwd)
    if [ -n "$fromScreen" ]; then
        geometry=$(xwininfo -id "$window")
        x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
        y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
        width=$(awk '/Width:/ {print $NF}' <<<"$geometry")
        height=$(awk '/Height:/ {print $NF}' <<<"$geometry")
        xwd -silent -root -out "$raw"
        convert "$raw" -crop "${width}x${height}+${x}+${y}" +repage "$file"
    else
        xwd -silent -id "$window" -out "$raw"
        convert "$raw" "$file"
    fi
    rm -f "$raw"
}

# closeProgram TITLE PID [SECONDS]: asks the windows titled TITLE to close, as their close box
# does, and waits for the process to end; fails when it is still running after SECONDS.
closeProgram() {
    local title=$1 pid=$2 seconds=${3:-30}
    [ -f "$windowProbe" ] || cmake --build "$ROOT/build/windows" --target windowProbe -j 2 >/dev/null
    "$WINE" "$windowProbe" --close "$title" >/dev/null 2>&1 || true
    for _ in $(seq $((seconds * 4))); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.25
    done
    echo "the program did not end within ${seconds}s of closing its window" >&2
    return 1
}
