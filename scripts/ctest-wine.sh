#!/usr/bin/env bash
# Runs CTest on a Windows build tree under Wine and a virtual display.
#
# usage: ctest-wine.sh BUILD_DIR [ctest options]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
build=$1
shift
# Wine's helper processes inherit CTest's pipes: start them detached first so CTest does not wait on them.
wineserver -p
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 &
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build" --output-on-failure "$@"
status=$?
wineserver -k
exit $status
