#!/usr/bin/env bash
# Screenshots of the main window on the sample database, on a virtual display:
#   screenshots/main-normal.png  the window as it opens, in normal mode
#   screenshots/main-setup.png   in setup mode, with the label preview beside it
# The program runs in a working folder of its own, on a copy of data/meals.mdb registered there as
# "meals", so neither the database nor settings.ini of the project folder change.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$ROOT"

program=build/windows/app/Etikett.exe
[ -f "$program" ] || cmake --build build/windows --target Etikett -j 2
[ -f data/meals.mdb ] || bash scripts/create-database.sh data/meals.mdb --sample
source scripts/display.sh
mainTitle="Kalvenora - Etikett"
previewTitle="Vorschau"

work=$(mktemp -d)
cp -r properties images "$work"
mkdir "$work/data"
cp data/meals.mdb "$work/data/meals.mdb"
bash scripts/odbc-register.sh "$work/odbc" "$work/testdb" \
    "$ROOT/build/native/odbcdriver/libmealsodbc.so" "$work/data/meals.mdb"
export ODBCSYSINI="$work/odbc"
# The preview goes below the window: Wine draws no further right than 1280 pixels, too little for
# both side by side.
cat >"$work/settings.ini" <<'INI'
BOUNDS=0 0 800 530
NORMAL_BOUNDS=0 0 800 530
PREVIEW_LOCATION=0 536
INI

programPid=""
cleanUp() {
    [ -n "$programPid" ] && kill "$programPid" 2>/dev/null || true
    stopVirtualDisplay
    rm -rf "$work"
}
trap cleanUp EXIT
startVirtualDisplay
mkdir -p screenshots

(cd "$work" && exec "$WINE" "$ROOT/$program") >"$work/program.log" 2>&1 &
programPid=$!
if ! window=$(waitForWindow "$mainTitle" 60); then
    cat "$work/program.log" >&2
    exit 1
fi
sleep 2
captureWindow "$window" screenshots/main-normal.png
echo screenshots/main-normal.png

# Setup mode as the user enters it, keys and clicks through the X server.
xdotool key ctrl+e
waitForWindow "Eingabemodus" 15 >/dev/null
xdotool type --delay 60 tessmolin
xdotool key Return
sleep 1
clickButton "$mainTitle" "$previewTitle"
preview=$(waitForWindow "$previewTitle" 15)
sleep 2
captureScreenArea screenshots/main-setup.png "$window" "$preview"
echo screenshots/main-setup.png

# Hide the preview again, which gives the main window the keys back; leave setup mode without a
# backup copy, then close the window in order.
clickButton "$mainTitle" "$previewTitle"
xdotool key ctrl+e
waitForWindow "Eingabemodus" 15 >/dev/null
xdotool key Return
sleep 1
closeProgram "$mainTitle" "$programPid"
programPid=""
