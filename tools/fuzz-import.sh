#!/bin/sh
# Builds the import fuzz target with clang (ASan + UBSan + libFuzzer) in build-fuzz/
# and runs it for the given number of seconds (default 60) from the seed files and
# the corpus of malformed files kept as regression tests. New crashing inputs land
# in build-fuzz/fuzz-import/crashes/; copy the ones worth keeping to tests/import/corpus/.
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
work=$build/fuzz-import

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DPIXORAM_FUZZ=ON -DPIXORAM_SANITIZE=ON >/dev/null
cmake --build "$build" --target fuzz_import -j2

mkdir -p "$work/corpus" "$work/crashes"
export QT_QPA_PLATFORM=offscreen
exec "$build/fuzz/fuzz_import" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/crashes/" \
    "$work/corpus" "$root/fuzz/seeds" "$root/tests/import/corpus"
