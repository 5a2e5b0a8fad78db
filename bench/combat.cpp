// Ship combat: one ability resolution, the shot that ends a fight and brings a promotion (with the
// markets and boards it refreshes), and whole seeded duels from set-up to the end, from the
// lightest pairing to the heaviest.
#include <benchmark/benchmark.h>

#include <memory>

#include "combat/duel.h"
#include "combat/rounds.h"
#include "rules/null_ui.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/variables.h"

namespace {

struct NoScreens : rules::NullUi {};

// A corvette facing a destroyer of `enemyFaction`, the fight set up.
void SetUpCorvetteAgainstDestroyer(combat::RecordingUi& ui, Faction enemyFaction) {
  ui.defaultAnswer = false;  // no boarding
  combat::DuelSetup setup;
  setup.playerClass = state::kClassShadowcat;
  setup.enemyClass = state::kClassPatton;
  setup.enemyFaction = enemyFaction;
  combat::SetupDuel(setup, ui);
}

// A player's gun volley against a destroyer, shields restored between runs.
void BM_ResolveFireGuns(benchmark::State& st) {
  NoScreens screens;
  combat::RecordingUi ui(screens);
  SetUpCorvetteAgainstDestroyer(ui, kFactionPirates);
  const state::TShipRow player = state::PlayerShip;
  const state::TShipRow enemy = state::EnemyShip;
  std::uint32_t seed = 1;
  for (auto _ : st) {
    state::PlayerShip = player;
    state::EnemyShip = enemy;
    state::Randomize(seed++);
    ui.transcript.clear();
    combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
    benchmark::DoNotOptimize(state::EnemyShip[ship::kShields]);
  }
}
BENCHMARK(BM_ResolveFireGuns);

// What a fight-ending shot and its promotion change, to be put back before the next shot.
struct ShotState {
  ShotState()
      : player(state::PlayerShip), enemy(state::EnemyShip), data(state::PlayerData),
        offers(state::MissionOffers), stocks(state::MarketStock) {}
  void Restore() const {
    state::PlayerShip = player;
    state::EnemyShip = enemy;
    state::PlayerData = data;
    state::MissionOffers = offers;
    state::MarketStock = stocks;
  }
  state::TShipRow player, enemy;
  state::TPlayerRow data;
  decltype(state::MissionOffers) offers;
  decltype(state::MarketStock) stocks;
};

// The guns finish an enemy with one hull point left, and the experience promotes the player.
void BM_FightEndingShotWithAPromotion(benchmark::State& st) {
  NoScreens screens;
  combat::RecordingUi ui(screens);
  SetUpCorvetteAgainstDestroyer(ui, kFactionOuterRim);
  state::EnemyShip[ship::kShields] = 1;
  state::PlayerData[player::kExperience] =
      state::GetLevelExperience(state::PlayerData[player::kLevel]) - 1;
  const std::int32_t level = state::PlayerData[player::kLevel];
  const auto before = std::make_unique<ShotState>();
  // A seed whose volley hits.
  std::uint32_t seed = 1;
  for (;; ++seed) {
    state::Randomize(seed);
    combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
    const bool promoted = state::PlayerData[player::kLevel] > level;
    before->Restore();
    if (promoted || seed > 1000) break;
  }
  for (auto _ : st) {
    st.PauseTiming();
    before->Restore();
    ui.transcript.clear();
    ui.closed = false;
    state::Randomize(seed);
    st.ResumeTiming();
    combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
    benchmark::DoNotOptimize(state::PlayerData[player::kLevel]);
  }
  if (state::PlayerData[player::kLevel] <= level) st.SkipWithError("the shot brought no promotion");
}
BENCHMARK(BM_FightEndingShotWithAPromotion)->Unit(benchmark::kMicrosecond);

// Player class against enemy class, new world and all, played to the end: two corvettes, and two
// battlegroups, the heaviest pairing.
void BM_WholeDuel(benchmark::State& st) {
  NoScreens screens;
  std::uint32_t seed = 1;
  for (auto _ : st) {
    combat::RecordingUi ui(screens);
    ui.defaultAnswer = false;  // the captain turns every boarding offer down
    combat::DuelSetup setup;
    setup.seed = seed++;
    setup.playerClass = state::ShipClassId{static_cast<std::int32_t>(st.range(0))};
    setup.enemyClass = state::ShipClassId{static_cast<std::int32_t>(st.range(1))};
    setup.enemyFaction = kFactionOuterRim;
    combat::SetupDuel(setup, ui);
    benchmark::DoNotOptimize(combat::PlayDuel(ui).rounds);
  }
  st.counters["budget_us"] = 250;
}
// A corvette against a corvette, and a battlegroup against a battlegroup.
BENCHMARK(BM_WholeDuel)
    ->Args({state::Stored(state::kClassShadowcat), state::Stored(state::kClassHellcat)})
    ->Args({state::Stored(state::kClassBattlegroup), state::Stored(state::kClassBattlegroup)})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
