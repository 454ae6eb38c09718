#!/usr/bin/env bash
# Registers the project's ODBC driver and data sources for unixODBC as system data sources of a
# project-local folder (point ODBCSYSINI there, as scripts/env.sh does; system files are never
# edited). Idempotent.
#
# usage: odbc-register.sh [CONFIG_DIR TESTDB_DIR ADAPTER [MEALS_DATABASE]]
#   defaults: build/odbc, build/testdb, the adapter of the native build and data/meals.mdb; a build
#   tree of its own passes its own folders so that its tests never share a database with another
#   tree, and an end-to-end test points "meals" at its own copy of the sample database.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
config=${1:-$root/build/odbc}
testdb=${2:-$root/build/testdb}
adapter=${3:-$root/build/native/odbcdriver/libmealsodbc.so}
meals=${4:-$root/data/meals.mdb}

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
    dataSource meals "Meals database of the program" "$meals"
    dataSource meals_test "Meals database for the tests, schema only" "$testdb/meals-test.mdb"
    dataSource meals_noversion "Meals database without Version table" "$testdb/noversion.mdb"
} | replace "$config/odbc.ini"
