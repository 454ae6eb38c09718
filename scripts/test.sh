#!/usr/bin/env bash
# Sets everything up and runs all tests: natively with sanitizers, then the Windows programs under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
bash "$ROOT/scripts/setup.sh"
cd "$ROOT"

echo "== Native tests (AddressSanitizer, UBSan) =="
ctest --preset native -j 2

echo "== Windows tests (Wine) =="
# Wine's loader now and then fails a process's exit after its test passed; such a test is run
# once more.
bash scripts/ctest-wine.sh build/windows --repeat until-pass:2
