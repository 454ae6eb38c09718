#!/usr/bin/env bash
# Sets everything up as scripts/run.sh does and prints the composed label texts of menus of the
# database behind the data source "meals" (the bundled sample database):
#   scripts/labeltext.sh [--json] (--all | ID...)
# Only the texts go to standard output; set-up messages go to standard error.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/setup.sh" >&2
cd "$ROOT"
exec "$WINE" build/windows/app/labeltext.exe "$@"
