// The active modifier lists: activation, the silent loss of a ninth entry, durations, expiry at
// the round start and the "Double speed" bonus.
#include <gtest/gtest.h>

#include "combat/rounds.h"
#include "combat_fixture.h"
#include "state/fields.h"

namespace combat_test {
namespace {

using combat::AddEnemyModifier;
using combat::AddPlayerModifier;
using combat::FindEnemyModifierSlot;
using combat::FindPlayerModifierSlot;

class ModifiersTest : public CombatTest {
 protected:
  // One round start with nothing else going on.
  void NewRound() { combat::StartNewCombatRound(ui); }
};

TEST_F(ModifiersTest, NinthActivationIsLostAndQueriesAnswerTheLowestSlot) {
  for (int i = 0; i < 8; ++i) AddPlayerModifier(i == 3 ? state::kDiscipline : state::kTargetLock, ui);
  AddPlayerModifier(state::kFocusedShield, ui);
  EXPECT_EQ(combat::FindFreePlayerModifierSlot(), 0);
  EXPECT_EQ(FindPlayerModifierSlot(state::kFocusedShield), 0) << "a ninth activation changes nothing";
  EXPECT_EQ(FindPlayerModifierSlot(state::kTargetLock), 1);
  EXPECT_EQ(FindPlayerModifierSlot(state::kDiscipline), 4);
  state::PlayerModifiers[1][modifier::kActive] = 0;
  EXPECT_EQ(FindPlayerModifierSlot(state::kTargetLock), 2);
  EXPECT_EQ(combat::FindFreePlayerModifierSlot(), 1);

  for (int i = 0; i < 9; ++i) AddEnemyModifier(state::kTaunt);
  EXPECT_EQ(combat::FindFreeEnemyModifierSlot(), 0);
  EXPECT_EQ(FindEnemyModifierSlot(state::kTaunt), 1);
  EXPECT_EQ(FindPlayerModifierSlot(state::kTaunt), 0) << "the two lists are apart";
}

TEST_F(ModifiersTest, DurationsFromTheCatalogueWithZeroKeptAsTen) {
  struct Case {
    std::int32_t ability, turns;
  };
  const Case cases[] = {{11, 10}, {6, 4}, {16, 2}, {14, 10}, {20, 15}, {31, 20}, {30, 10000}, {19, 2}};
  for (const Case& c : cases) {
    state::PlayerModifiers = {};
    AddPlayerModifier(state::Ability{c.ability}, ui);
    EXPECT_EQ(state::PlayerModifiers[1][modifier::kActive], 1);
    EXPECT_EQ(state::PlayerModifiers[1][modifier::kAbility], c.ability);
    EXPECT_EQ(state::PlayerModifiers[1][modifier::kTurnsLeft], c.turns) << "ability " << c.ability;
  }
}

TEST_F(ModifiersTest, ExpiryAtTheRoundStart) {
  AddPlayerModifier(state::kEmp, ui);  // 2 turns: this round and the next
  AddEnemyModifier(state::kEmp);
  AddEnemyModifier(state::kReinforcements);       // the rest of the fight
  AddPlayerModifier(state::kDiscipline, ui);   // 4 turns
  AddPlayerModifier(state::kDiscipline, ui);   // a second entry expires on its own
  state::PlayerModifiers[2][modifier::kTurnsLeft] = 1;  // the first "Discipline" runs out now
  NewRound();
  EXPECT_GT(FindPlayerModifierSlot(state::kEmp), 0);
  EXPECT_GT(FindEnemyModifierSlot(state::kEmp), 0);
  EXPECT_EQ(state::PlayerModifiers[2][modifier::kActive], 0);
  EXPECT_EQ(FindPlayerModifierSlot(state::kDiscipline), 3);
  const int buttonRedraws = ui.Refreshes(combat::Display::AbilityButtons);
  NewRound();
  EXPECT_EQ(FindPlayerModifierSlot(state::kEmp), 0);
  EXPECT_EQ(FindEnemyModifierSlot(state::kEmp), 0);
  EXPECT_GT(ui.Refreshes(combat::Display::AbilityButtons), buttonRedraws + 1)
      << "the end of the enemy's EMP redraws the player's buttons";
  for (int r = 0; r < 50; ++r) NewRound();
  EXPECT_GT(FindEnemyModifierSlot(state::kReinforcements), 0);
  EXPECT_EQ(FindPlayerModifierSlot(state::kDiscipline), 0);
}

TEST_F(ModifiersTest, TheEndOfEitherEnemyEmpRedrawsThePlayersButtons) {
  for (const state::Ability emp : {combat::kEmp, combat::kEmp2}) {
    state::EnemyModifiers = {};
    AddEnemyModifier(emp);
    state::EnemyModifiers[1][modifier::kTurnsLeft] = 1;  // runs out at this round's count-down
    const int before = ui.Refreshes(combat::Display::AbilityButtons);
    combat::CountDownModifiers(combat::Side::Enemy, ui);
    EXPECT_EQ(FindEnemyModifierSlot(emp), 0);
    EXPECT_EQ(ui.Refreshes(combat::Display::AbilityButtons), before + 1) << "ability " << state::Stored(emp);
  }
}

TEST_F(ModifiersTest, DoubleSpeedPaysWhileStillInForceAndTheBarCapsAtEight) {
  AddPlayerModifier(state::kDoubleSpeed, ui);  // 4 turns
  std::vector<std::int32_t> ap;
  for (int r = 0; r < 4; ++r) {
    NewRound();
    ap.push_back(state::PlayerShip[ship::kActionPoints]);
  }
  EXPECT_EQ(ap, (std::vector<std::int32_t>{7, 7, 7, 5}))
      << "no bonus in the round its last turn runs out";
  EXPECT_EQ(state::PlayerShip[ship::kLongActionPointBar], 1);

  // Two entries on a six-point ship would give 10: the bar keeps 8.
  Ships(state::kClassGettysburg, state::kClassStarwolf);
  AddPlayerModifier(state::kDoubleSpeed, ui);
  AddPlayerModifier(state::kDoubleSpeed, ui);
  NewRound();
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 8);
  EXPECT_EQ(ui.actionPointsAboveCap, 0);
}

}  // namespace
}  // namespace combat_test
