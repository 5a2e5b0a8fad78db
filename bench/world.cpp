// The living world's costs: a whole new game with its 123 days, one daily turn (mean and the worst
// day over 10,000), and a full refill of every mission board as a ship purchase does it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "rules/daily_turn.h"
#include "rules/missions.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

void NewGame(std::uint32_t seed, int faction, int profession, rules::Ui& ui) {
  state::Randomize(seed);
  state::ClearGameState();
  state::PlayerData[player::kProfession] = profession;
  state::PlayerData[player::kFaction] = faction;
  rules::CreateNewGameWorld(state::StartShipClass(profession, faction), ui);
}

// The first ship class of a size category.
int ClassOfSize(int size) {
  for (int c = 1; c <= state::kLastShipClass; ++c) {
    if (state::GetShipClassSize(c) == size) return c;
  }
  return 1;
}

void BM_CreateNewGameWorld(benchmark::State& run) {
  rules::NullUi ui;
  std::uint32_t seed = 1;
  for (auto _ : run) {
    NewGame(seed, static_cast<int>(seed % 4) + 1, static_cast<int>(seed % 6) + 1, ui);
    ++seed;
    benchmark::DoNotOptimize(state::GameDay);
  }
}
BENCHMARK(BM_CreateNewGameWorld)->Unit(benchmark::kMillisecond);

void BM_AdvanceDay(benchmark::State& run) {
  rules::NullUi ui;
  NewGame(7, 1, 2, ui);
  for (auto _ : run) {
    rules::AdvanceDay(ui);
    benchmark::DoNotOptimize(state::GameDay);
  }
}
BENCHMARK(BM_AdvanceDay)->Unit(benchmark::kMicrosecond);

// 10,000 days in a row, per player ship size; reports the mean and the slowest single day.
void BM_AdvanceDayTenThousand(benchmark::State& run) {
  rules::NullUi ui;
  using Clock = std::chrono::steady_clock;
  double worst = 0;
  double total = 0;
  std::int64_t days = 0;
  for (auto _ : run) {
    NewGame(11, 3, 3, ui);
    state::PlayerShip[ship::kClass] = ClassOfSize(static_cast<int>(run.range(0)));
    for (int day = 0; day < 10000; ++day) {
      const auto start = Clock::now();
      rules::AdvanceDay(ui);
      const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
      worst = std::max(worst, us);
      total += us;
      ++days;
    }
  }
  run.counters["mean_us"] = total / static_cast<double>(std::max<std::int64_t>(days, 1));
  run.counters["worst_us"] = worst;
}
BENCHMARK(BM_AdvanceDayTenThousand)->DenseRange(1, 5)->Unit(benchmark::kMillisecond)->Iterations(1);

// A ship purchase: every slot of every board cleared and refilled, 144 calls in all.
void BM_GenerateMissionOffers144(benchmark::State& run) {
  rules::NullUi ui;
  NewGame(23, 2, 3, ui);
  state::PlayerShip[ship::kClass] = ClassOfSize(static_cast<int>(run.range(0)));
  // Everybody at war: the worst cases (Special Forces, Report for duty) search the most.
  for (int f = 1; f <= 4; ++f) {
    for (int g = 1; g <= 4; ++g) {
      state::FactionData[f][faction::kAtWarWith + g] = f != g ? 1 : 0;
      state::FactionData[f][faction::kRelationDays + g] = f != g ? 50 : 0;
    }
  }
  for (auto _ : run) {
    for (int s = 1; s <= state::kLastSystem; ++s) {
      for (int k = 1; k <= state::kLastOfferSlot; ++k) {
        state::MissionOffers[s][k][mission::kActive] = 0;
        rules::GenerateMissionOffers(ui);
      }
    }
    benchmark::DoNotOptimize(state::MissionOffers);
  }
}
BENCHMARK(BM_GenerateMissionOffers144)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
