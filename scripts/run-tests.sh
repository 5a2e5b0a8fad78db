#!/usr/bin/env bash
# The whole test run, as CI does it: the normal build with its tests and a short pass of every
# benchmark, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

bash scripts/build.sh release
(cd build && ctest --output-on-failure -j "$(nproc)")

# Every benchmark once, briefly: they must still run.
for b in build/bench/bench_*; do
  [ -x "$b" ] || continue
  "$b" --benchmark_min_time=0.01 >/dev/null
done

bash scripts/build.sh sanitize
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")

# The save-game and general-data readers under the fuzzer, 30 seconds each.
bash scripts/build.sh fuzz
bash tests/fuzz/run.sh 30
