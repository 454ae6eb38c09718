#!/usr/bin/env bash
# Sets everything up and runs all tests: natively with sanitizers, then the Windows programs under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/setup.sh"
cd "$ROOT"

echo "== Native tests (AddressSanitizer, UBSan) =="
ctest --preset native -j 2

echo "== Windows tests (Wine) =="
# Wine's helper processes inherit CTest's pipes: start them detached first so CTest does not wait on them.
wineserver -p
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 &
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'ctest --preset windows' || status=$?
wineserver -k || true
exit "${status:-0}"
