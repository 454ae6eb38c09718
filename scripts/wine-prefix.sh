#!/usr/bin/env bash
# Creates the private Wine prefix ($WINEPREFIX, by default build/wineprefix) once.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# The label's serif faces are not part of Wine; the metric-compatible Liberation Serif stands in,
# so that label texts take the widths they were laid out for.
replaceLabelFonts() {
    grep -q '"Times New Roman kursiv"="Liberation Serif"' "$WINEPREFIX/user.reg" 2>/dev/null && return
    local face
    for face in "Times New Roman" "Times New Roman kursiv"; do
        "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Liberation Serif" \
            /f >/dev/null 2>&1
    done
    wineserver -w
}

# A crashing program writes its backtrace to its own error output instead of opening a dialog that
# would wait for a click: tests then end with the reason in their log.
printCrashes() {
    grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null && return
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    wineserver -w
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    # Without a window manager, unmanaged windows make DestroyWindow fast (2 s otherwise).
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
fi
replaceLabelFonts
printCrashes
