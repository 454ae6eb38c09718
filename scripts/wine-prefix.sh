#!/usr/bin/env bash
# Creates the private Wine prefix ($WINEPREFIX, by default build/wineprefix) once.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
[ -f "$WINEPREFIX/system.reg" ] && exit 0
echo "Creating the Wine prefix in $WINEPREFIX"
mkdir -p "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1
# Without a window manager, unmanaged windows make DestroyWindow fast (2 s otherwise).
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
