#!/usr/bin/env bash
# What the game costs while nobody plays: starts build/farhaven under a real X server (Xvfb, on a
# display of its own), waits for the steady state (its threads unchanged for 3 s, after the start's
# sounds), lets it sit on a screen for SECONDS (default 30) and prints the CPU seconds its threads
# used meanwhile, as a share of one core, and the memory it holds.
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

# CPU time in clock ticks, user + system (utime and stime of stat, counted after the thread's
# name, which may hold spaces), of each thread alive now: "tid ticks" lines.
thread_ticks() {
  local task
  for task in /proc/"$1"/task/*; do
    sed 's/^.*) //' "$task/stat" 2>/dev/null | awk -v tid="${task##*/}" '{print tid, $12 + $13}'
  done
}

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
# Its saves and general data go to a data folder of the check's own, never the user's.
(cd "$work" && DISPLAY="$display" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy FARHAVEN_DATA_DIR="$work/data" \
   exec "$game" "${args[@]}") &
game_pid=$!
# Not idle yet: the start-up, the first frames, and the sound thread of the start's music and
# sounds, which ends once the device has rested after them (about 10 s after the start). The
# steady state begins 12 s after the start, once the threads have stayed the same for 3 s (40 s
# after the start at most).
settled=0
last=""
for second in $(seq 1 40); do
  sleep 1
  now=$(ls /proc/"$game_pid"/task | sort | tr '\n' ' ')
  if [ "$now" = "$last" ]; then settled=$((settled + 1)); else settled=0; fi
  last=$now
  [ "$second" -ge 12 ] && [ "$settled" -ge 3 ] && break
done
before=$(thread_ticks "$game_pid")
sleep "$seconds"
after=$(thread_ticks "$game_pid")
rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status")
hz=$(getconf CLK_TCK)
# Only the threads alive at both ends count: a thread that ended (or started) within the span is
# not the steady state, and is named instead.
printf '%s\n--\n%s\n' "$before" "$after" | awk -v main="$game_pid" -v hz="$hz" -v s="$seconds" \
    -v rss="$rss_kib" -v screen="$screen" '
  $0 == "--" { second = 1; next }
  !second { start[$1] = $2; next }
  { end[$1] = $2 }
  END {
    for (tid in end) {
      if (!(tid in start)) { came++; continue }
      d = end[tid] - start[tid]
      t += d
      if (tid == main) m = d
    }
    for (tid in start) if (!(tid in end)) went++
    cpu = t / hz
    printf "idle %d s on the %s screen: %.2f CPU seconds, %.2f %% of a core (budget 0.5 %%)\n", s, screen, cpu, 100 * cpu / s
    printf "  of which the main thread %.2f s, the other threads (sound) %.2f s\n", m / hz, (t - m) / hz
    if (came + went > 0) printf "  not counted: %d thread(s) started and %d ended within the span\n", came, went
    printf "memory held: %.1f MiB (budget 64 MiB)\n", rss / 1024
  }'
