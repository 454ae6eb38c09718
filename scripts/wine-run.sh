#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix (CMake's emulator for the tests).
# A test's own ODBC registration, passed in by CTest, wins over the project's default one.
odbcSystemIni=${ODBCSYSINI:-}
odbcIni=${ODBCINI:-}
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
export ODBCSYSINI=${odbcSystemIni:-$ODBCSYSINI}
export ODBCINI=${odbcIni:-$ODBCINI}
exec "$WINE" "$@"
