// The static new world alone: clearing the tables and filling them, before any day has run.
#include <benchmark/benchmark.h>

#include "state/factions.h"
#include "state/fields.h"
#include "state/id.h"
#include "state/new_world.h"
#include "state/professions.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

void BM_BuildNewWorld(benchmark::State& run) {
  for (auto _ : run) {
    state::ClearGameState();
    state::PlayerData[player::kProfession] = state::Stored(kProfessionTrader);
    state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
    state::BuildNewWorld(state::StartShipClass(kProfessionTrader, kFactionFederation));
    benchmark::DoNotOptimize(state::BodyData);
  }
}
BENCHMARK(BM_BuildNewWorld)->Unit(benchmark::kMicrosecond);

}  // namespace
