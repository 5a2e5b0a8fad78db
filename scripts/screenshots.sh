#!/usr/bin/env bash
# Saves a screenshot of every screen that exists today into build/screenshots (or the folder given),
# running the game headless under scripts/screenshots.script. Build first (scripts/build.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# The game's saves and general data go to a data folder of this run's own, never the user's.
export FARHAVEN_DATA_DIR="$work/data"
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy FARHAVEN_ASSETS="$root/build/assets" \
  "$root/build/farhaven" --script "$root/scripts/screenshots.script"
cp ./*.png "$out"/ 2>/dev/null || true
# The simulator is reached only through a control the start screen never shows: its test saves it.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy FARHAVEN_ASSETS="$root/build/assets" FARHAVEN_SCREENSHOTS="$out" \
  "$root/build/tests/test_app" --gtest_filter='StartSimulator.PagesAsk*' >/dev/null
# The mission panel and the invasion alert need a mission or a campaign the screens cannot set up yet:
# their tests save them.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy FARHAVEN_ASSETS="$root/build/assets" FARHAVEN_SCREENSHOTS="$out" \
  "$root/build/tests/test_screens" --gtest_filter='TravelScreenTest.MissionPanelShows*:TravelScreenTest.InvasionAlert*' >/dev/null
echo "screenshots in $out"
