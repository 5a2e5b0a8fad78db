#!/usr/bin/env bash
# Runs each fuzz target of the file readers for a bounded time, seeded with the fixtures in
# tests/fixtures/fuzz/<target> (savegame_play, which loads and then plays a save, with those of
# savegame). A finding fails the run; the input is left in <build>/findings
# and belongs under tests/fixtures/fuzz/<target> once the fault is mended. An input that runs for
# more than a minute counts as a finding too: only a hang takes that long, even on a loaded machine.
#   tests/fuzz/run.sh [seconds per target, default 30] [build folder, default build-fuzz]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}
build=${2:-build-fuzz}
findings=$build/findings
mkdir -p "$findings"
for target in savegame general_data savegame_play; do
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
  cp tests/fixtures/fuzz/${target%_play}/* "$corpus"/
  echo "fuzzing $target for ${seconds}s"
  if ! "$build"/tests/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=60 -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$findings/$target-" "$corpus" 2>&1 | tail -n 40; then
    echo "fuzz_$target found a fault; the input is in $findings" >&2
    exit 1
  fi
  rm -rf "$corpus"
  trap - EXIT
done
