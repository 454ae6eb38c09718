#!/usr/bin/env bash
# Gives every test run fresh test databases: an empty one of the real schema and one without a Version table.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/odbc-register.sh"
mkdir -p "$ROOT/build/testdb"
rm -f "$ROOT/build/testdb/meals-test.mdb" "$ROOT/build/testdb/noversion.mdb"
bash "$ROOT/scripts/create-database.sh" "$ROOT/build/testdb/meals-test.mdb"
bash "$ROOT/scripts/create-database.sh" "$ROOT/build/testdb/noversion.mdb" --no-version
