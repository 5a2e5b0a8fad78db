// Ship combat: one ability resolution, and one whole seeded duel from set-up to the end.
#include <benchmark/benchmark.h>

#include "combat/duel.h"
#include "rules/null_ui.h"
#include "combat/resolution.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/variables.h"

namespace {

struct NoScreens : rules::NullUi {};

// A player's gun volley against a destroyer, shields restored between runs.
void BM_ResolveFireGuns(benchmark::State& st) {
  NoScreens screens;
  combat::RecordingUi ui(screens);
  combat::DuelSetup setup;
  setup.playerClass = 6;
  setup.enemyClass = 9;
  combat::SetupDuel(setup, ui);
  const state::TShipRow player = state::PlayerShip;
  const state::TShipRow enemy = state::EnemyShip;
  std::uint32_t seed = 1;
  for (auto _ : st) {
    state::PlayerShip = player;
    state::EnemyShip = enemy;
    state::Randomize(seed++);
    ui.transcript.clear();
    combat::ResolvePlayerCombatAction(1, ui);
    benchmark::DoNotOptimize(state::EnemyShip[ship::kShields]);
  }
}
BENCHMARK(BM_ResolveFireGuns);

// A corvette against a corvette, new world and all, played to the end.
void BM_WholeDuel(benchmark::State& st) {
  NoScreens screens;
  std::uint32_t seed = 1;
  for (auto _ : st) {
    combat::RecordingUi ui(screens);
    combat::DuelSetup setup;
    setup.seed = seed++;
    setup.playerClass = 6;
    setup.enemyClass = 8;
    setup.enemyFaction = 2;
    combat::SetupDuel(setup, ui);
    benchmark::DoNotOptimize(combat::PlayDuel(ui).rounds);
  }
}
BENCHMARK(BM_WholeDuel);

}  // namespace
