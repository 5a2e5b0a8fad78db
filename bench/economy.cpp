// The cost of the living economy: one market update of every body, and ten thousand days.
#include <benchmark/benchmark.h>

#include "rules/economy_day.h"
#include "rules/markets.h"
#include "rules/null_ui.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/id.h"
#include "state/new_world.h"
#include "state/professions.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

void NewWorld() {
  state::ClearGameState();
  // A smuggler sees the hideouts: every market runs.
  state::PlayerData[player::kProfession] = state::Stored(kProfessionSmuggler);
  state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
  state::BuildNewWorld(state::StartShipClass(kProfessionSmuggler, kFactionFederation));
  state::Randomize(7);
}

void BM_MarketUpdateOfEveryBody(benchmark::State& bench) {
  NewWorld();
  for (auto _ : bench) {
    rules::UpdateMarketPrices();
    rules::UpdateMarketStocks();
    benchmark::DoNotOptimize(state::MarketPrice[1][2][state::Stored(kGoodSupplies)]);
  }
}
BENCHMARK(BM_MarketUpdateOfEveryBody);

void BM_TenThousandDaysOfTheEconomy(benchmark::State& bench) {
  rules::NullUi ui;
  for (auto _ : bench) {
    bench.PauseTiming();
    NewWorld();
    bench.ResumeTiming();
    for (int day = 0; day < 10'000; ++day) rules::RunEconomyDay(ui);
    benchmark::DoNotOptimize(state::SystemData[1][star_system::kOwner]);
  }
}
BENCHMARK(BM_TenThousandDaysOfTheEconomy)->Unit(benchmark::kMillisecond);

}  // namespace
