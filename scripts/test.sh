#!/usr/bin/env bash
# Installs what is missing, builds Terralore and runs the whole test suite:
#  1. a normal build: unit, screen, soak, crash-safety, end-to-end (Xvfb +
#     xdotool) and printing tests (CUPS with a cups-pdf default printer, started here);
#  2. an AddressSanitizer + UndefinedBehaviorSanitizer build: unit and screen tests,
#     and the monkey soak with LeakSanitizer on;
#  3. the Release build the benchmarks use (README), so that it cannot break unseen;
#  4. the fuzz targets for a bounded time each (FUZZ_SECONDS, default 20).
# Exits non-zero when anything fails.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" || exit 1

jobs=$(nproc)
passed=0
failed=0
failures=()

count_ctest() { # log
  local line p f total
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1)); failures+=("$2: no test ran"); return
  fi
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  p=$((total - f))
  passed=$((passed + p)); failed=$((failed + f))
  [ "$f" -eq 0 ] || failures+=("$2: $f failed")
}

step() { echo; echo "=== $* ==="; }

configure_and_build() { # dir, cmake args...
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs" 2>&1 | tail -n 20
  return "${PIPESTATUS[0]}"
}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$top"
# Debug info names the build folder; sharing the cache between checkouts in
# other folders (CI's fresh clones) is worth more than exact paths in it.
export CCACHE_NOHASHDIR=1

step "Build"
mkdir -p "$top/build"
if ! configure_and_build "$top/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"; then
  echo "0 passed, 1 failed"; exit 1
fi

step "Printer queue"
if pdfdir=$("$top/tests/print/cups-setup.sh" start 2>"$top/build/cups.log"); then
  export TERRALORE_PDF_DIR="$pdfdir"
  echo "cups-pdf default printer ready; PDFs in $pdfdir"
else
  cat "$top/build/cups.log"
  echo "could not start the printer queue"
fi

step "Unit, screen, end-to-end and printing tests"
(cd "$top/build/test" && ctest --output-on-failure -j "$jobs" --timeout 600) 2>&1 | tee "$top/build/ctest.log"
count_ctest "$top/build/ctest.log" "tests"

step "Sanitizer build"
if configure_and_build "$top/build/asan" -DCMAKE_BUILD_TYPE=Debug -DTERRALORE_SANITIZE=ON -DTERRALORE_BENCH=OFF "${launcher[@]}"; then
  step "Unit, screen and soak tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  (cd "$top/build/asan" && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
     ctest --output-on-failure -j "$jobs" -L 'unit|screens|soak' --timeout 1500) 2>&1 | tee "$top/build/ctest-asan.log"
  count_ctest "$top/build/ctest-asan.log" "sanitizer tests"
else
  failed=$((failed + 1)); failures+=("sanitizer build")
fi

step "Release build (the benchmarks' configuration)"
if configure_and_build "$top/build/bench" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1)); failures+=("Release build")
fi

step "Fuzzing"
if "$top/fuzz/run.sh" "$top/build/fuzz" "${FUZZ_SECONDS:-20}"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1)); failures+=("fuzzing")
fi

"$top/tests/print/cups-setup.sh" stop >/dev/null 2>&1 || true

echo
for f in "${failures[@]}"; do echo "FAILED: $f"; done
echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
