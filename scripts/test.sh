#!/usr/bin/env bash
# Sets everything up and runs all tests: natively with sanitizers, then the Windows programs under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/setup.sh"
cd "$ROOT"

echo "== Native tests (AddressSanitizer, UBSan) =="
ctest --preset native -j 2

echo "== Windows tests (Wine) =="
bash scripts/ctest-wine.sh build/windows
