#!/usr/bin/env bash
# Installs what Pixoram needs, builds it and starts it.
# Usage: scripts/run.sh [picture file]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target pixoram
exec "$root/build/src/pixoram" "$@"
