#!/usr/bin/env bash
# Installs what is missing, configures and builds one flavour of the project. Every flavour builds
# with warnings as errors, so that the count of warnings stays 0.
#   scripts/build.sh [release|sanitize|fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
bash scripts/install-deps.sh
jobs=$(nproc)
targets=()
case "$flavour" in
  release)  dir=build;          flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir=build-sanitize; flags=(-DCMAKE_BUILD_TYPE=Debug -DFARHAVEN_SANITIZE=ON -DFARHAVEN_BENCH=OFF) ;;
  fuzz)     dir=build-fuzz;     flags=(-DCMAKE_BUILD_TYPE=Debug -DFARHAVEN_FUZZ=ON -DFARHAVEN_BENCH=OFF
                                       -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
            targets=(--target fuzzers) ;;  # only the fuzz targets: nothing else runs from this build
  *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" -DFARHAVEN_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$jobs" "${targets[@]}"
