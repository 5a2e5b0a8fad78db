#!/usr/bin/env bash
# The whole test run, as CI does it: the normal build with its tests and a short pass of every
# benchmark, a bounded fuzzing run of the save-file readers, then the tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

bash scripts/build.sh release
(cd build && ctest --output-on-failure -j "$(nproc)")

# Every benchmark once, briefly: they must still run.
for b in build/bench/bench_*; do
  [ -x "$b" ] || continue
  if ! "$b" --benchmark_min_time=0.01 >/dev/null 2>&1; then
    echo "benchmark failed: $b" >&2
    "$b" --benchmark_min_time=0.01 >/dev/null
    exit 1
  fi
  echo "benchmark ran: $(basename "$b")"
done

# The save-game and general-data readers under the fuzzer, 30 seconds each.
bash scripts/build.sh fuzz
bash tests/fuzz/run.sh 30

bash scripts/build.sh sanitize
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")
