#!/usr/bin/env bash
# Configures (once) and builds into ./build: the targets named (e.g. TQ5), or the program, its tests and
# benchmarks.
#   build.sh [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
# ccache, where installed, shares compiled objects between clones of the tree.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=$root
# Compile the very preprocessed text that keys the cache entry: by default ccache compiles the source
# again, so a tree that changes while a compile is queued or running stores objects of the new headers
# under the old headers' key, and the clones still at the old headers get objects of mixed layouts.
export CCACHE_NOCPP2=1
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" "${launcher[@]}" >/dev/null
fi
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" "${targets[@]}" -- -j"$(nproc)"
