#!/usr/bin/env bash
# Registers the project's ODBC driver and data sources in build/odbc/ for unixODBC (point
# ODBCSYSINI and ODBCINI there, as scripts/env.sh does; system files are never edited).
# Idempotent: every run writes the same two files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
config=$root/build/odbc
testdb=$root/build/testdb
adapter=$root/build/native/odbcdriver/libmealsodbc.so

# Replaces a file in one step, so that a running program never reads half of it.
replace() {
    local file=$1
    cat >"$file.partial.$$"
    mv -f "$file.partial.$$" "$file"
}

# NoCreat keeps the driver from creating an empty file for a missing database, so the program
# reports a missing database instead of an invalid one.
dataSource() {
    cat <<INI
[$1]
Description=$2
Driver=MealsAdapter
Database=$3
NoCreat=1
Timeout=10000

INI
}

mkdir -p "$config"

replace "$config/odbcinst.ini" <<INI
[MealsAdapter]
Description=Meals database: code page and dialect adapter over the SQLite ODBC driver
Driver=$adapter
INI

{
    dataSource meals "Meals database of the program" "$root/data/meals.mdb"
    dataSource meals_test "Meals database for the tests, schema only" "$testdb/meals-test.mdb"
    dataSource meals_noversion "Meals database without Version table" "$testdb/noversion.mdb"
} | replace "$config/odbc.ini"
