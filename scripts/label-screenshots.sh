#!/usr/bin/env bash
# Screenshots of the label wizard and of its preview window on a menu of the sample database with
# nutrition values, and the label as printed to the PDF printer, turned into a PNG:
#   screenshots/label-wizard.png, screenshots/label-preview.png, screenshots/label-printed.png
# Starts the print service when it is not running and stops it again only if it started it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$ROOT"

demo=build/windows/demos/labelWizardDemo.exe
[ -f "$demo" ] || cmake --build build/windows --target labelWizardDemo -j 2

bash scripts/cups.sh start
trap 'bash scripts/cups.sh stop' EXIT

SCREENSHOT_TITLE="Etikettenassistent" bash scripts/screenshot.sh label-wizard "$demo"
SCREENSHOT_TITLE="Etiketten erstellen - Vorschau" SCREENSHOT_FROM_SCREEN=1 bash scripts/screenshot.sh label-preview "$demo"

# The PDF printer writes into the PDF folder of the user the job runs as.
pdfFolder="$HOME/PDF"
mkdir -p "$pdfFolder"
marker=$(mktemp)
SCREENSHOT_TITLE="Etikettenassistent" bash scripts/screenshot.sh label-printing "$demo" --print PDF \
    >/dev/null
rm -f screenshots/label-printing.png
printed=""
for _ in $(seq 60); do
    printed=$(find "$pdfFolder" -name '*.pdf' -newer "$marker" | head -n 1)
    [ -n "$printed" ] && break
    sleep 0.5
done
rm -f "$marker"
if [ -z "$printed" ]; then
    echo "no printed label appeared in $pdfFolder" >&2
    exit 1
fi
pdftoppm -png -r 100 -singlefile "$printed" screenshots/label-printed
echo "screenshots/label-printed.png (from $printed)"
