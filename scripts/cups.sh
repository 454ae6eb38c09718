#!/usr/bin/env bash
# The print service for printing under Wine: CUPS with a PDF printer "PDF" as the default printer,
# so "Drucken" writes a PDF file (for root: /root/PDF, for other users ~/PDF, set by "Out" in
# /etc/cups/cups-pdf.conf).
#
# usage: cups.sh start   starts cupsd when it is not running (remembering that we started it) and
#                        sets up the PDF printer when it is missing
#        cups.sh stop    stops cupsd only when this worktree's start started it
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

printer=PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
stateDir="$ROOT/build/cups"
pidFile="$stateDir/cupsd.pid"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

schedulerRunning() {
    lpstat -r 2>/dev/null | grep -q "is running"
}

startScheduler() {
    schedulerRunning && return
    mkdir -p "$stateDir"
    # In the foreground of a process of its own, so that its pid is the one to stop later.
    $sudo setsid cupsd -f >"$stateDir/cupsd.log" 2>&1 &
    echo $! >"$pidFile"
    for _ in $(seq 50); do
        schedulerRunning && return
        sleep 0.1
    done
    echo "cups.sh: cupsd did not start, see $stateDir/cupsd.log" >&2
    exit 1
}

addPdfPrinter() {
    lpstat -p "$printer" >/dev/null 2>&1 || $sudo lpadmin -p "$printer" -v cups-pdf:/ -P "$ppd" -E
    lpstat -d 2>/dev/null | grep -q ": $printer\$" || $sudo lpadmin -d "$printer"
}

stopScheduler() {
    [ -f "$pidFile" ] || return 0
    local pid
    pid=$(cat "$pidFile")
    rm -f "$pidFile"
    $sudo kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
}

case "${1:-}" in
start)
    startScheduler
    addPdfPrinter
    ;;
stop)
    stopScheduler
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
