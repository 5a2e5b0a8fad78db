// What a loaded game must survive, shared by the fuzz target that loads and then plays a save and
// by the test that replays its fixtures: every good traded at the ship's market, some days flown,
// and a fight to the end. Under the sanitizers any overflow or bad index on the way is a finding.
#pragma once

#include <cstdint>

#include "combat/duel.h"
#include "combat/recording_ui.h"
#include "combat/setup.h"
#include "rules/daily_turn.h"
#include "rules/null_ui.h"
#include "rules/trade.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/variables.h"

namespace fuzz_inputs {

inline constexpr int kPlayedDays = 5;
inline constexpr int kFightRounds = 30;

inline void PlayLoadedGame(std::uint32_t seed) {
  state::Randomize(seed);
  rules::NullUi screens;
  combat::RecordingUi ui(screens);
  ui.defaultAnswer = false;  // the captain turns every boarding offer down

  // Every good: a few units, as many as the credits cover, then back to the market.
  for (std::int32_t g = 1; g <= state::kLastGood; ++g) {
    rules::SelectGood(Good{g});
    state::TradeQuantity = 100;
    rules::Buy(screens);
    rules::BuyAll(screens);
    rules::Sell(screens);
  }
  rules::SellAll(screens);

  for (int day = 0; day < kPlayedDays; ++day) rules::AdvanceDay(screens);

  // A fight against a ship drawn from the seed, played by the duel's captain.
  const state::ShipClassId enemyClass = state::kEveryShipClass[seed % 19];
  const Faction enemyFaction = state::kAllFactions[seed / 19 % 5];
  combat::SetupShipCombat(enemyClass, enemyFaction, kMilitaryShip, 0, ui);
  combat::PrepareShipCombat();
  combat::RefreshShipCombatScreen(ui);
  (void)combat::PlayDuel(ui, kFightRounds);
}

}  // namespace fuzz_inputs
