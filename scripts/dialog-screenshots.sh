#!/usr/bin/env bash
# Captures every editing dialog, filled with sample data, into screenshots/dialog-NAME.png through
# the dialog showcase program on a virtual display.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

program=build/windows/demos/dialogShowcase.exe
[ -f "$program" ] || { echo "$program is missing: cmake --build build/windows --target dialogShowcase" >&2; exit 1; }

# name and a part of the dialog's title that finds its window
while read -r name title; do
    SCREENSHOT_TITLE="$title" scripts/screenshot.sh "dialog-$name" "$program" "$name"
done <<'LIST'
password Eingabemodus
password-leave Eingabemodus
password-change Passwort
ingredient Bratwurst bearbeiten
occurrence Sahne zum
occurrence-composed im Men
menu Reis bearbeiten
LIST
