#!/usr/bin/env bash
# What the game costs while nobody plays: starts build/farhaven under a real X server (Xvfb, on a
# display of its own), lets it sit on a screen for SECONDS (default 30) and prints the CPU seconds
# it used meanwhile, as a share of one core, and the memory it holds.
#   scripts/idle-check.sh [SECONDS] [start|travel]
# start (the default): the start screen, as the game opens. travel: the travel screen of a new
# game, reached by a short script whose last step, idle, hands the game to the real clock.
# Needs Xvfb (Debian package xvfb); the sound goes to SDL's dummy output. Build first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
screen="${2:-start}"
case "$screen" in
  start|travel) ;;
  *) echo "unknown screen $screen: start or travel" >&2; exit 2 ;;
esac
game="$PWD/build/farhaven"
[ -x "$game" ] || { echo "no $game: build first (scripts/build.sh release)" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is missing (apt-get install xvfb)" >&2; exit 1; }

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
game_pid=""
cleanup() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1

# CPU time in clock ticks, user + system (fields 14 and 15 of stat): of the whole process (its
# threads that ended included), and of its main thread alone.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
main_ticks() { awk '{print $14 + $15}' "/proc/$1/task/$1/stat"; }

args=()
if [ "$screen" = travel ]; then
  # A new game of the Federation, as the travel screen's own script starts one.
  cat >"$work/travel.script" <<'STEPS'
seed 11
click Start.WelcomeCloseButton
click Start.NewGameButton
click FactionSelection.ContinueLabel
key Enter
click ProfessionSelection.ContinueButton
answer continue
expect TravelScreen.Visible true
window show
idle
STEPS
  args=(--script "$work/travel.script")
fi
(cd "$work" && DISPLAY="$display" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy exec "$game" "${args[@]}") &
game_pid=$!
sleep 5  # start-up, the first frames and the sound device's rest are not idle
# The main thread's span is read inside the whole process's at both ends, so that a tick counted
# between two reads cannot make the other threads' share come out below nothing.
before=$(ticks "$game_pid")
main_before=$(main_ticks "$game_pid")
sleep "$seconds"
main_after=$(main_ticks "$game_pid")
after=$(ticks "$game_pid")
rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status")
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v m=$((main_after - main_before)) -v hz="$hz" -v s="$seconds" \
    -v rss="$rss_kib" -v screen="$screen" 'BEGIN {
  cpu = t / hz
  printf "idle %d s on the %s screen: %.2f CPU seconds, %.2f %% of a core (budget 0.5 %%)\n", s, screen, cpu, 100 * cpu / s
  if (m > t) m = t
  printf "  of which the main thread %.2f s, the other threads (sound) %.2f s\n", m / hz, (t - m) / hz
  printf "memory held: %.1f MiB (budget 64 MiB)\n", rss / 1024
}'
