#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints their figures as one
# table: median and high percentile of repeated runs against the target.
# Each program's notes (per-run figures, skipped parts) go to BUILD/bench.log.
#   bench/run.sh BUILD_FOLDER
# The print benchmark needs a default printer (tests/print/cups-setup.sh start);
# cold start is measured offscreen and, when Xvfb is installed, on a real X server.
set -uo pipefail
build=${1:-build/bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} TERRALORE_NO_AUDIO=1
log="$build/bench.log"
: >"$log"
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
echo "Terralore benchmarks, $(date -u +%Y-%m-%d): $(uname -sr), ${cpu:-unknown processor}, $(nproc) cores," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg), platform $QT_QPA_PLATFORM"
echo
printf '| %-58s | %12s | %12s | %10s | %-4s |\n' "What" "Median" "High (p95)" "Target" ""
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..60})" "$(printf -- '-%.0s' {1..14})" \
  "$(printf -- '-%.0s' {1..14})" "$(printf -- '-%.0s' {1..12})" "------"
status=0
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "--- $(basename "$b")" >>"$log"
  out=$("$b" 2>>"$log") || { status=1; echo "| $(basename "$b") failed: see $log |"; }
  echo "$out" >>"$log"
  grep '^|' <<<"$out"
done
# Cold start once more on a real X server, when one can be started.
if command -v Xvfb >/dev/null && [ -x "$build/bench/bench_startup" ]; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  DISPLAY=$display QT_QPA_PLATFORM=xcb BENCH_COLD_START_ONLY=1 "$build/bench/bench_startup" 2>>"$log" | grep '^|' || status=1
  kill "$xvfb" 2>/dev/null
fi
exit $status
