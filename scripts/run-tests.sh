#!/usr/bin/env bash
# The whole test run, as CI does it: the normal build with its tests, the installed game moved and
# checked, a short pass of every benchmark, a bounded fuzzing run of the save-file readers (one of
# them plays what it loads), then the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# Nothing of the run's games lands in the user's data folder: each test names a folder of its own,
# and whatever runs the game besides them uses this one.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export FARHAVEN_DATA_DIR="$data"

bash scripts/build.sh release
(cd build && ctest --output-on-failure -j "$(nproc)")

# The installed game: into a temporary folder, moved elsewhere, and checked from where it landed,
# with its own layouts and pictures (not the source folder's or the build's). The program target
# alone brings its generated pictures, sounds and icon along, so the install works after building
# just that: the generated files go first and come back with it.
rm -rf build/assets build/assets.stamp build/icon
cmake --build build --target farhaven >/dev/null
installed=$(mktemp -d)
cmake --install build --prefix "$installed/first" >/dev/null
mv "$installed/first" "$installed/moved"
for f in bin/farhaven share/applications/farhaven.desktop share/icons/hicolor/128x128/apps/farhaven.png; do
  [ -f "$installed/moved/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
checked=$(cd "$installed" && env -u FARHAVEN_ASSETS -u FARHAVEN_RESOURCES moved/bin/farhaven --check-data)
echo "$checked"
case "$checked" in
  *"layouts in $installed/moved/share/farhaven/resources, pictures in $installed/moved/share/farhaven/assets)"*) ;;
  *) echo "the moved game did not use its own layouts and pictures" >&2; exit 1 ;;
esac
rm -rf "$installed"

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

# The save-game and general-data readers under the fuzzer, and the loaded saves played, 30 seconds
# each.
bash scripts/build.sh fuzz
bash tests/fuzz/run.sh 30

bash scripts/build.sh sanitize
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")
