# Sourced by the scripts that show a Windows program on a display of their own: a virtual X
# display, waiting for a window, capturing it, and closing the program in order. Needs env.sh.

# The window probe of the Windows build finds controls and asks windows to close.
windowProbe="$ROOT/build/windows/tests/support/windowprobe/windowProbe.exe"
[ -f "$windowProbe" ] || cmake --build "$ROOT/build/windows" --target windowProbe -j 2 >/dev/null
displayPid=""

# startVirtualDisplay [WIDTHxHEIGHT]: starts Xvfb on a display number nobody uses, 1280x1024 unless
# told, and exports DISPLAY. In a session of its own, so that Ctrl+C in the terminal leaves it to
# the script to close the program before the display goes.
startVirtualDisplay() {
    local size=${1:-1280x1024} display=99
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    export DISPLAY=":$display"
    setsid Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
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

# captureWindow WINDOW FILE [fromScreen]: writes the window as a PNG picture, grabbed by its id
# or, with fromScreen, cut out of the screen.
captureWindow() {
    local window=$1 file=$2 fromScreen=${3:-} raw
    if [ -n "$fromScreen" ]; then
        captureScreenArea "$file" "$window"
        return
    fi
    raw=$(mktemp --suffix=.xwd)
    xwd -silent -id "$window" -out "$raw"
    convert "$raw" "$file"
    rm -f "$raw"
}

# captureScreenArea FILE WINDOW...: writes the smallest part of the screen that holds all the
# windows as a PNG picture. Dialog windows come out black when grabbed by id; the screen shows
# them as they are.
captureScreenArea() {
    local file=$1 raw geometry window x y width height
    local left=1000000 top=1000000 right=0 bottom=0
    shift
    for window in "$@"; do
        geometry=$(xwininfo -id "$window")
        x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
        y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
        width=$(awk '/Width:/ {print $NF}' <<<"$geometry")
        height=$(awk '/Height:/ {print $NF}' <<<"$geometry")
        ((x < left)) && left=$x
        ((y < top)) && top=$y
        ((x + width > right)) && right=$((x + width))
        ((y + height > bottom)) && bottom=$((y + height))
    done
    raw=$(mktemp --suffix=.xwd)
    xwd -silent -root -out "$raw"
    convert "$raw" -crop "$((right - left))x$((bottom - top))+${left}+${top}" +repage "$file"
    rm -f "$raw"
}

# clickButton TITLE LABEL: clicks, with the mouse through the X server, the middle of the button
# labelled LABEL in the window titled TITLE, found by the window probe.
clickButton() {
    local title=$1 label=$2 point
    point=$("$WINE" "$windowProbe" "$title" 2>/dev/null | awk -F'\t' -v label="$label" '
        $1 == "window" && $4 == "Button" && $11 == label {
            print int(($5 + $7) / 2), int(($6 + $8) / 2)
            exit
        }')
    if [ -z "$point" ]; then
        echo "no button '$label' in the window '$title'" >&2
        return 1
    fi
    # shellcheck disable=SC2086 # the point is two numbers
    xdotool mousemove $point click 1
}

# closeProgram TITLE PID [SECONDS]: asks the windows titled TITLE to close, as their close box
# does, and waits for the process to end; fails when it is still running after SECONDS.
closeProgram() {
    local title=$1 pid=$2 seconds=${3:-30}
    "$WINE" "$windowProbe" --close "$title" >/dev/null 2>&1 || true
    for _ in $(seq $((seconds * 4))); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.25
    done
    echo "the program did not end within ${seconds}s of closing its window" >&2
    return 1
}
