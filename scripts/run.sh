#!/usr/bin/env bash
# Installs what is missing, builds Terralore and starts it.
# The program runs on the per-user data folder (~/.local/share/Terralore),
# filled from resources/ on first start; saved worksheets stay there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/release"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERRALORE_TESTS=OFF -DTERRALORE_BENCH=OFF >/dev/null
cmake --build "$build" --target terralore
cd "$HOME"
exec "$build/src/terralore" "$@"
