// Many seeded duels over every ship class and enemy kind: every fight ends, the action points
// never stand above 8 after a redraw, and no index leaves its table (the sanitizer build checks
// every table access).
#include <algorithm>
#include <array>

#include <gtest/gtest.h>

#include "combat/duel.h"
#include "combat/recording_ui.h"
#include "state/fields.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace combat_test {
namespace {

// The full count in every build: the sanitizer build is the one that sees a table index go astray.
constexpr int kDuels = 10000;

// The starbase, then every ship class.
constexpr std::array<state::ShipClassId, 20> kEnemyClasses = [] {
  std::array<state::ShipClassId, 20> classes{state::kStarbaseClass};
  std::copy(state::kEveryShipClass.begin(), state::kEveryShipClass.end(), classes.begin() + 1);
  return classes;
}();

TEST(CombatSoak, SeededDuelsEndAndKeepTheirInvariants) {
  support::ScriptUi screens;
  int won = 0, lost = 0, escapes = 0;
  for (int i = 0; i < kDuels; ++i) {
    combat::DuelSetup setup;
    setup.seed = static_cast<std::uint32_t>(i) * 2654435761u;
    setup.playerClass = state::kEveryShipClass[static_cast<std::size_t>(i % 19)];
    setup.enemyClass = kEnemyClasses[(i / 19) % 20];
    setup.enemyFaction = state::kAllFactions[i % 5];
    setup.enemyKind = ShipKind{1 + (i / 7) % 3};
    setup.enemyTier = (i / 11) % 5;
    setup.playerFaction = state::kPowers[(i / 3) % 4];
    combat::RecordingUi ui(screens);
    ui.defaultAnswer = false;  // the captain turns every boarding offer down
    combat::SetupDuel(setup, ui);
    const combat::DuelResult result = combat::PlayDuel(ui, 2000);
    ASSERT_TRUE(result.ended) << "duel " << i << " did not end";
    // Every fight ends one way: a ship destroyed, or the enemy escaped with both ships intact.
    const bool escaped = !ui.Lines("picture popup: Enemy escapes!").empty();
    ASSERT_EQ(result.playerWon + result.playerDestroyed + escaped, 1) << "duel " << i;
    if (escaped) {
      ASSERT_GT(state::PlayerShip[ship::kAlive], 0) << "duel " << i;
      ASSERT_GT(state::EnemyShip[ship::kAlive], 0) << "duel " << i;
      ASSERT_EQ(ui.transcript.back(), "combat screen closed") << "duel " << i;
    }
    escapes += escaped;
    ASSERT_EQ(ui.actionPointsAboveCap, 0) << "duel " << i;
    ASSERT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0) << "duel " << i;
    ASSERT_GE(state::EnemyShip[ship::kDecisionStep], 0);
    ASSERT_LE(state::EnemyShip[ship::kDecisionStep], 38);
    for (int s = 1; s <= 8; ++s) {
      for (const auto* list : {&state::PlayerModifiers, &state::EnemyModifiers}) {
        const auto& slot = (*list)[s];
        ASSERT_TRUE(slot[modifier::kActive] == 0 || slot[modifier::kActive] == 1);
        if (slot[modifier::kActive] == 1) {
          ASSERT_GE(slot[modifier::kAbility], 1);
          ASSERT_LE(slot[modifier::kAbility], 37);
          ASSERT_GE(slot[modifier::kTurnsLeft], 1);
        }
      }
    }
    won += result.playerWon;
    lost += result.playerDestroyed;
  }
  EXPECT_GT(won, kDuels / 20);
  EXPECT_GT(lost, kDuels / 20);
  EXPECT_GT(escapes, 0);
}

}  // namespace
}  // namespace combat_test
