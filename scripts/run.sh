#!/usr/bin/env bash
# Sets everything up and runs the program on the bundled sample database.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/setup.sh"
cd "$ROOT"
# "Drucken" needs the print service; it is stopped again only when this run started it.
bash scripts/cups.sh start
trap 'bash scripts/cups.sh stop' EXIT
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a "$WINE" build/windows/app/Etikett.exe "$@"
else
    "$WINE" build/windows/app/Etikett.exe "$@"
fi
