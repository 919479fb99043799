#!/usr/bin/env bash
# Installs what the tests need, then builds Pixoram twice, plainly and with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test in both.
# Usage: scripts/test.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh --tests || exit 1
jobs=$(nproc)
export QT_QPA_PLATFORMTHEME=
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=0
run_suite() {
  local dir=$1; shift
  echo "=== Building in $dir ($*)"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXORAM_WERROR=ON "$@" >/dev/null || return 1
  cmake --build "$dir" -j"$jobs" || return 1
  echo "=== Testing in $dir"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 300)
}

run_suite build || failed=1
run_suite build-sanitize -DPIXORAM_SANITIZE=ON || failed=1
exit $failed
