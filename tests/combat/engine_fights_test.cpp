// Fights on the way, from the encounter roll to the outcome, on the real combat engine.
#include "combat/engine_fights.h"

#include <gtest/gtest.h>

#include "rules/encounters.h"
#include "rules/new_game.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

struct Outcome {
  int fights = 0;
  int livesBefore = 0;
  std::vector<std::string> transcript;
};

// A wanted trader flies day after day until the police (or an enemy) catches up with it.
Outcome FlyUntilAFight(std::uint32_t seed) {
  state::ClearGameState();
  state::Randomize(seed);
  state::PlayerData[player::kProfession] = 2;  // combat trader
  state::PlayerData[player::kFaction] = 1;
  support::ScriptUi screens;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation), screens);
  state::PlayerData[player::kCriminalDays] = 50;  // wanted: the own faction's police hunt the ship

  combat::EngineFights fights(screens);
  Outcome outcome;
  outcome.livesBefore = state::PlayerData[player::kLifePoints];
  for (int day = 0; day < 2000 && fights.FightsRun() == 0; ++day) {
    state::PlayerData[player::kFlightEncounters] = 0;  // a new flight each day
    rules::StartHostileEncounter(fights);
  }
  outcome.fights = fights.FightsRun();
  outcome.transcript = fights.Transcript();
  return outcome;
}

TEST(EngineFights, AnEncounterIsFoughtToItsEndOnTheCombatEngine) {
  const Outcome outcome = FlyUntilAFight(7);
  ASSERT_EQ(outcome.fights, 1);
  ASSERT_FALSE(outcome.transcript.empty());
  EXPECT_EQ(outcome.transcript.back(), "combat screen closed");
  // The fight ended one way or the other, and the screen's close cleared the enemy's wait flag.
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  if (state::PlayerShip[ship::kAlive] == 0) {
    EXPECT_EQ(state::PlayerData[player::kLifePoints], outcome.livesBefore - 1);
  } else {
    EXPECT_EQ(state::PlayerData[player::kLifePoints], outcome.livesBefore);
  }
}

TEST(EngineFights, TheSameSeedFightsTheSameFight) {
  const Outcome first = FlyUntilAFight(11);
  const auto firstShip = state::PlayerShip;
  const Outcome second = FlyUntilAFight(11);
  EXPECT_EQ(first.transcript, second.transcript);
  EXPECT_EQ(firstShip, state::PlayerShip);
}

TEST(EngineFights, RunningWithoutASetUpFightsNothing) {
  support::ScriptUi screens;
  combat::EngineFights fights(screens);
  fights.RunShipCombat();
  EXPECT_EQ(fights.FightsRun(), 0);
}

}  // namespace
