#!/usr/bin/env bash
# Gives a build tree's test run its own registration and fresh test databases: an empty one of the
# real schema and one without a Version table.
#
# usage: prepare-test-databases.sh BUILD_DIR ADAPTER
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$1
adapter=$2
bash "$root/scripts/odbc-register.sh" "$build/odbc" "$build/testdb" "$adapter"
mkdir -p "$build/testdb"
rm -f "$build/testdb/meals-test.mdb" "$build/testdb/noversion.mdb"
bash "$root/scripts/create-database.sh" "$build/testdb/meals-test.mdb" 2>/dev/null
bash "$root/scripts/create-database.sh" "$build/testdb/noversion.mdb" --no-version 2>/dev/null
