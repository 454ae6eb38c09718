#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix (CMake's emulator for the tests).
# A test's own ODBC registration, passed in by CTest as ODBCSYSINI, is kept.
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
exec "$WINE" "$@"
