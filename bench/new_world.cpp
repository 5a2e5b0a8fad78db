// The static new world alone: clearing the tables and filling them, before any day has run.
#include <benchmark/benchmark.h>

#include "state/fields.h"
#include "state/new_world.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

void BM_BuildNewWorld(benchmark::State& run) {
  for (auto _ : run) {
    state::ClearGameState();
    state::PlayerData[player::kProfession] = 1;
    state::PlayerData[player::kFaction] = 1;
    state::BuildNewWorld(state::StartShipClass(kProfessionTrader, kFactionFederation));
    benchmark::DoNotOptimize(state::BodyData);
  }
}
BENCHMARK(BM_BuildNewWorld)->Unit(benchmark::kMicrosecond);

}  // namespace
