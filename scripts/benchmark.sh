#!/usr/bin/env bash
# Timings of loading and composing, side by side with a previous design's: builds the composition
# benchmark (native, Release, no sanitizers) and the Windows labeltext from this tree and from
# BEFORE_REF, runs both on the same databases, times `labeltext --json --all` under Wine on the
# large generated database beside a plain script that composes the same texts from the file, and
# compares the texts of every menu byte for byte.
#
# usage: scripts/benchmark.sh BEFORE_REF [SEED]
#   Everything lives under build/bench; the large database is generated once per seed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$ROOT"

before_ref=${1:?usage: benchmark.sh BEFORE_REF [SEED]}
seed=${2:-1}
bench=$ROOT/build/bench
mkdir -p "$bench"

# The previous design's sources, with this tree's benchmark and build options, so that both
# sides time the same cases the same way.
# The archive keeps the commit times, which can be older than objects built from another ref.
rm -rf "$bench/before-src" "$bench/before-release" "$bench/before-windows"
mkdir -p "$bench/before-src"
git archive "$before_ref" | tar -x -C "$bench/before-src"
cp CMakeLists.txt "$bench/before-src/"
cp -r benchmarks/. "$bench/before-src/benchmarks/"

build() {
    local source=$1 name=$2
    cmake -S "$source" -B "$bench/$name-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DETIKETT_SANITIZERS=OFF >/dev/null
    cmake --build "$bench/$name-release" --target compositionBenchmark mealsodbc -j 2 >/dev/null
    cmake -S "$source" -B "$bench/$name-windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        --toolchain "$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$bench/$name-windows" --target labeltext -j 2 >/dev/null
}
build "$bench/before-src" before
build "$ROOT" after

adapter=$bench/after-release/odbcdriver/libmealsodbc.so
# The benchmark's own data sources: "meals" is a copy of the sample database, "meals_test" an
# empty one that the benchmark fills.
bash scripts/odbc-register.sh "$bench/odbc" "$bench/testdb" "$adapter"
mkdir -p "$bench/testdb"
sed -i "s|$ROOT/data/meals.mdb|$bench/sample.mdb|" "$bench/odbc/odbc.ini"
rm -f "$bench/testdb/meals-test.mdb" "$bench/sample.mdb"
bash scripts/create-database.sh "$bench/testdb/meals-test.mdb" 2>/dev/null
bash scripts/create-database.sh "$bench/sample.mdb" --sample 2>/dev/null

for name in before after; do
    ODBCSYSINI=$bench/odbc "$bench/$name-release/benchmarks/compositionBenchmark" \
        --benchmark_out="$bench/$name.json" --benchmark_out_format=json \
        --benchmark_min_time=0.5 >/dev/null 2>&1
done

large=$bench/large-$seed.mdb
[ -f "$large" ] || python3 scripts/generate-large-database.py "$large" --seed "$seed" >/dev/null

# One data source "meals" per side, on a copy of the large database: labeltext stores
# designations into what it reads.
labeltext() {
    local name=$1 run=$2
    local config=$bench/wine-odbc-$name
    mkdir -p "$config"
    printf '[MealsAdapter]\nDriver=%s\n' "$adapter" >"$config/odbcinst.ini"
    printf '[meals]\nDriver=MealsAdapter\nDatabase=%s\nNoCreat=1\nTimeout=10000\n' \
        "$bench/large-$name.mdb" >"$config/odbc.ini"
    [ "$run" = first ] && cp "$large" "$bench/large-$name.mdb"
    local start
    start=$(date +%s%N)
    ODBCSYSINI=$config "$WINE" "$bench/$name-windows/app/labeltext.exe" --json --all \
        >"$bench/labeltext-$name-$run.json" 2>"$bench/labeltext-$name-$run.err"
    milliseconds "$start"
}

milliseconds() {
    echo $((($(date +%s%N) - $1) / 1000000))
}

"$WINE" wineboot -i >/dev/null 2>&1 || true
declare -A seconds
for run in first second; do
    for name in before after; do
        seconds[$name-$run]=$(labeltext "$name" "$run")
    done
done

# The plain read of the same rows, straight from the file.
start=$(date +%s%N)
sqlite3 "$large" "SELECT * FROM Menues; SELECT * FROM Mengen; SELECT * FROM Anteile;
                  SELECT * FROM Zutaten;" >/dev/null
plain=$(milliseconds "$start")
start=$(date +%s%N)
python3 scripts/compose-label-texts.py "$large" >"$bench/script.json"
script=$(milliseconds "$start")

python3 - "$bench" "${seconds[before-first]}" "${seconds[after-first]}" \
    "${seconds[before-second]}" "${seconds[after-second]}" "$plain" "$script" <<'PYTHON'
import json
import sys

bench = sys.argv[1]
before_first, after_first, before_second, after_second, plain, script = (
    float(ms) / 1000 for ms in sys.argv[2:])
NANOSECONDS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}


def times(name):
    with open(f"{bench}/{name}.json") as file:
        return {b["name"]: b["real_time"] * NANOSECONDS[b["time_unit"]]
                for b in json.load(file)["benchmarks"]}


before, after = times("before"), times("after")
print(f"{'case':34} {'before (ms)':>12} {'after (ms)':>12} {'speed-up':>9}")
for case, old in before.items():
    new = after.get(case)
    if new is not None:
        print(f"{case:34} {old / 1e6:12.3f} {new / 1e6:12.3f} {old / new:8.1f}x")
for label, old, new in (("labeltext --all (first run, s)", before_first, after_first),
                        ("labeltext --all (second run, s)", before_second, after_second)):
    print(f"{label:34} {old:12.2f} {new:12.2f} {old / new:8.1f}x")
print(f"{'script composing from the file (s)':34} {script:12.2f}   after = "
      f"{after_second / script:.2f} x the script")
print(f"{'plain SQL read (s)':34} {plain:12.2f}   after = {after_second / plain:.1f} x the read")
PYTHON

# Results unchanged: every menu's texts, byte for byte, and the script composes the same.
cmp -s "$bench/script.json" "$bench/labeltext-after-second.json" ||
    { echo "script and labeltext DIFFER" >&2; exit 1; }
for run in first second; do
    if cmp -s "$bench/labeltext-before-$run.json" "$bench/labeltext-after-$run.json"; then
        echo "labeltext --all ($run run): $(wc -l <"$bench/labeltext-after-$run.json") menus, texts identical"
    else
        echo "labeltext --all ($run run): texts DIFFER" >&2
        exit 1
    fi
done
