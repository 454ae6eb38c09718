#!/usr/bin/env bash
# Times the main window under Wine on the large generated database: start-up until the first
# label, the search "*" filling the ingredient table, ticking menus. Builds the Release program,
# generates the database once per seed under build/bench and runs on a copy of it.
#
# usage: scripts/main-window-timing.sh [SEED]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$ROOT"

seed=${1:-1}
bench=$ROOT/build/bench
mkdir -p "$bench"
cmake -S "$ROOT" -B "$bench/after-windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    --toolchain "$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$bench/after-windows" --target mainWindowTiming -j 2 >/dev/null

large=$bench/large-$seed.mdb
[ -f "$large" ] || python3 scripts/generate-large-database.py "$large" --seed "$seed" >/dev/null
cp "$large" "$bench/large-window.mdb"

# A data source "meals" of its own on the copy; the program runs where images/ and properties/ are.
config=$bench/wine-odbc-window
mkdir -p "$config"
printf '[MealsAdapter]\nDriver=%s\n' "$ROOT/build/native/odbcdriver/libmealsodbc.so" \
    >"$config/odbcinst.ini"
printf '[meals]\nDriver=MealsAdapter\nDatabase=%s\nNoCreat=1\nTimeout=10000\n' \
    "$bench/large-window.mdb" >"$config/odbc.ini"
echo "large database: $(sqlite3 "$large" 'SELECT COUNT(*) FROM Zutaten;') ingredients," \
    "$(sqlite3 "$large" 'SELECT COUNT(*) FROM Menues;') menus"
# Wine's own start is part of the start-up figure, but not the making of its prefix. The server
# wineboot leaves behind has a desktop without a display: the program must start its own.
"$WINE" wineboot -i >/dev/null 2>&1 || true
wineserver -w
ODBCSYSINI=$config xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$WINE" "$bench/after-windows/benchmarks/mainWindowTiming.exe"
