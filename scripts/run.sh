#!/usr/bin/env bash
# Sets everything up and runs the program on the bundled sample database.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/setup.sh"
cd "$ROOT"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a "$WINE" build/windows/app/Etikett.exe "$@"
fi
exec "$WINE" build/windows/app/Etikett.exe "$@"
