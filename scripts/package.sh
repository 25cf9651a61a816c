#!/usr/bin/env bash
# Builds the Debian package terralore_<version>_amd64.deb and prints its path.
#   scripts/package.sh              a Release build in build/package; the package lands there
#   scripts/package.sh BUILD OUT    packages the program of an already configured build
#                                   folder into OUT (the package test reuses the test build)
# The package installs under /usr whatever the build's install prefix.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build/package}
out=${2:-$build}
if [ $# -eq 0 ]; then
  "$top/scripts/install-deps.sh"
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DTERRALORE_TESTS=OFF -DTERRALORE_BENCH=OFF "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target terralore >&2
mkdir -p "$out"
rm -f "$out"/terralore_*.deb
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  exit 1
fi
ls "$out"/terralore_*_amd64.deb
