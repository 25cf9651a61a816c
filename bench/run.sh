#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints their figures as one table.
# bench/run.sh BUILD_FOLDER
set -uo pipefail
build=${1:-build/bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} TERRALORE_NO_AUDIO=1
echo "Terralore benchmarks on $(uname -srm), $(nproc) cores, $(date -u +%Y-%m-%d)"
status=0
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "--- $(basename "$b")"
  "$b" 2>/dev/null || status=1
done
exit $status
