#!/bin/bash
# Builds the fuzz targets with clang++ into BUILD_DIR and runs each for
# SECONDS from the seeds in fuzz/corpus/. A crash fails the run and leaves its
# input in BUILD_DIR/artifacts/: keep it as a seed.
#   fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]}
seconds=${2:-60}
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in "$here"/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERRALORE_FUZZ=ON -DTERRALORE_TESTS=OFF -DTERRALORE_BENCH=OFF "${launcher[@]}" >/dev/null
ninja -C "$build" -j2 "${targets[@]}"

mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
    seeds="$here/corpus/${target#fuzz_}"
    work="$build/corpus-${target#fuzz_}"
    mkdir -p "$work"
    echo "== $target for ${seconds}s (seeds: $seeds)"
    if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
        "$build/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$work" "$seeds"; then
        echo "!! $target crashed: see $build/artifacts/"
        status=1
    fi
done
exit $status
