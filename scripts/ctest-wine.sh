#!/usr/bin/env bash
# Runs CTest on a Windows build tree under Wine and a virtual display. Window tests share the
# display and the focus, so they run one at a time.
#
# usage: ctest-wine.sh BUILD_DIR [ctest options]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
# Everything Wine starts must see the virtual display, its helper processes too. They would inherit
# CTest's pipes, so the wine server and one long-lived GUI process (which keeps Wine's desktop
# process alive for the whole run) are started detached, and CTest waits until the desktop is up.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    build=$1
    shift
    ready=$(mktemp -u)
    wineserver -p
    "$WINE" "$build/tests/desktopKeeper.exe" "Z:$ready" </dev/null >/dev/null 2>&1 &
    for _ in $(seq 300); do
        [ -e "$ready" ] && break
        sleep 0.1
    done
    rm -f "$ready"
    ctest --test-dir "$build" --output-on-failure "$@"
    status=$?
    wineserver -k
    exit $status' ctest-wine "$@"
