// The cost of a flight day's encounter roll at its worst: the roll brings a ship, but every one
// of the thousand faction draws is refused (a clean player at peace, in a system whose owner is
// at war with a third faction, so each draw may search for that enemy too); and the roll that
// finds an enemy, picks its class and plays the fight to its end on the combat engine.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "combat/engine_fights.h"
#include "rules/null_ui.h"
#include "rules/encounters.h"
#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/id.h"
#include "state/new_world.h"
#include "state/professions.h"
#include "state/start_ship.h"
#include "state/random.h"
#include "state/variables.h"

namespace {

void World(bool playerAtWar) {
  state::ClearGameState();
  // A real world and ship, so that a fight has two armed ships to play.
  state::PlayerData[player::kProfession] = state::Stored(kProfessionCombatTrader);
  state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
  state::BuildNewWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation));
  for (const Faction f : state::kPowers) {
    state::TFactionRow& row = state::FactionData[state::Stored(f)];
    row[faction::kAlive] = 1;
    for (const Faction g : state::kPowers) row[faction::AtWarWith(g)] = 0;
  }
  state::SystemData[3][star_system::kPresent] = 1;
  state::SystemData[3][star_system::kOwner] = state::Stored(kFactionOuterRim);
  state::SystemData[3][star_system::kClass] = state::Stored(kEconomyAgricultural);
  state::SystemData[3][star_system::kCampaign] = 1;  // a campaign: the highest chance
  auto& outerRim = state::FactionData[state::Stored(kFactionOuterRim)];
  auto& coalition = state::FactionData[state::Stored(kFactionCoalition)];
  outerRim[faction::AtWarWith(kFactionCoalition)] = 1;
  coalition[faction::AtWarWith(kFactionOuterRim)] = 1;
  if (playerAtWar)
    state::FactionData[state::Stored(kFactionFederation)][faction::AtWarWith(kFactionCoalition)] =
        coalition[faction::AtWarWith(kFactionFederation)] = 1;
  state::PlayerShip[ship::kAlive] = 1;
  state::PlayerShip[ship::kBody] = 2;
  state::PlayerShip[ship::kSystem] = 3;
  state::TutorialActive = 0;
}

// A seed whose first draw, Random(1000), brings a hostile ship at a chance of 60.
std::uint32_t EncounterSeed() {
  std::uint32_t seed = 0;
  for (;; ++seed) {
    state::Randomize(seed);
    if (state::Random(1000) < 60) return seed;
  }
}

void BM_EncounterRollEveryFactionRefused(benchmark::State& bench) {
  World(false);
  const std::uint32_t seed = EncounterSeed();
  rules::NullUi ui;
  for (auto _ : bench) {
    state::Randomize(seed);
    state::PlayerData[player::kFlightEncounters] = 0;
    rules::StartHostileEncounter(ui);
    benchmark::DoNotOptimize(state::EnemyShip[ship::kFaction]);
  }
}
BENCHMARK(BM_EncounterRollEveryFactionRefused);

// The fight changes both ships, so the world is laid out again (untimed) before each roll.
void BM_EncounterRollWithAFight(benchmark::State& bench) {
  World(true);
  const std::uint32_t seed = EncounterSeed();
  rules::NullUi screens;
  int fights = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    World(true);
    combat::EngineFights ui(screens);
    bench.ResumeTiming();
    state::Randomize(seed);
    state::PlayerData[player::kFlightEncounters] = 0;
    rules::StartHostileEncounter(ui);
    fights += ui.FightsRun();
  }
  if (fights == 0) bench.SkipWithError("the roll brought no fight");
}
BENCHMARK(BM_EncounterRollWithAFight)->Unit(benchmark::kMicrosecond);

}  // namespace
