// The round flow: the enemy's decision list with its gates and one action per timer tick, the
// round start's reinforcements and the boarding offer.
#include <gtest/gtest.h>

#include "combat/rounds.h"
#include "combat/setup.h"
#include "combat_fixture.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"

namespace combat_test {
namespace {

class RoundsTest : public CombatTest {
 protected:
  // Number of random draws `run` makes.
  static int DrawsOf(const std::function<void()>& run) {
    state::Randomize(99);
    run();
    const std::uint32_t after = state::RandSeed;
    state::Randomize(99);
    for (int n = 0; n < 100; ++n) {
      if (state::RandSeed == after) return n;
      state::Random(100);
    }
    return -1;
  }
};

TEST_F(RoundsTest, DecisionListDrawsItsGateRollsInAFixedOrder) {
  // The ECM steps roll when they are tried; gate C rolls once when its shield conditions hold
  // for a beginner without a tractor beam; gate E rolls once; a stunned enemy rolls nothing.
  struct Case {
    const char* what;
    std::int32_t enemyShields, rank;
    bool tractorOwned, stunned, volley;
    int draws;
  };
  const Case cases[] = {
      {"healthy enemy: two ECM rolls and gate E", 100, 1, false, false, false, 3},
      {"player missile in flight: the same rolls", 100, 1, false, false, true, 3},
      {"weak enemy, beginner: gate C rolls too", 30, 1, false, false, false, 4},
      {"weak enemy, rank 3: gate C holds without a roll", 30, 3, false, false, false, 3},
      {"weak enemy, tractor beam owned: no roll", 30, 1, true, false, false, 3},
      {"stunned: the rest of the list is passed by", 30, 1, false, true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerModifiers = {};
    state::EnemyShip[ship::kActionPoints] =
        0;  // pays for nothing, so the whole list runs in one call
    state::EnemyShip[ship::kShields] = c.enemyShields;
    state::PlayerData[player::kRank] = c.rank;
    state::AbilityOwned[12] = c.tractorOwned;
    state::EnemyAbilitySlots[1] = 1;
    state::EnemyAbilitySlots[2] = 3;
    if (c.stunned) combat::AddPlayerModifier(state::kEmp, ui);
    state::PlayerMissileVolley[missile_volley::kInFlight] = c.volley;
    state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 3;
    state::PlayerShip[ship::kActionPoints] = -100;
    EXPECT_EQ(DrawsOf([this] { combat::RunEnemyCombatAI(ui); }), c.draws);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5)
        << "the list ran out and the next round began";
  }
}

TEST_F(RoundsTest, OneEnemyActionPerTimerTick) {
  // Guns only, and points for two volleys: fired at steps 35 and 38, one per tick.
  state::EnemyAbilitySlots[1] = 1;
  state::EnemyShip[ship::kGun] = state::Stored(kGunLaser);
  ASSERT_EQ(state::GetGunApCost(state::kClassStarwolf, kGunLaser, combat::Side::Enemy), 2);
  combat::EndPlayerTurn(ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], -100);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
  EXPECT_EQ(state::EnemyShip[ship::kDecisionStep], 35);
  EXPECT_EQ(ui.Lines("enemy: ").size(), 1u);
  combat::EnemyMessageTimerTick(ui);
  EXPECT_EQ(state::EnemyShip[ship::kDecisionStep], 38);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 1);
  EXPECT_EQ(ui.Lines("enemy: ").size(), 2u);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], -100) << "still the enemy's turn";
  combat::EnemyMessageTimerTick(ui);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5) << "the next round has begun";
  combat::EnemyMessageTimerTick(ui);  // a tick without a waiting action does nothing
  EXPECT_EQ(ui.Lines("enemy: ").size(), 2u);

  // The variants come in between when the enemy can pay for them.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::EnemyAbilitySlots[1] = 1;
  state::EnemyAbilitySlots[2] = 5;
  combat::EndPlayerTurn(ui);
  EXPECT_EQ(state::EnemyShip[ship::kDecisionStep], 35);
  combat::EnemyMessageTimerTick(ui);
  EXPECT_EQ(state::EnemyShip[ship::kDecisionStep], 36);
  combat::EnemyMessageTimerTick(ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5) << "nothing left to pay for: the next round";
}

TEST_F(RoundsTest, ReinforcementsArriveWhenTheCountReachesZero) {
  state::PlayerShip[ship::kReinforcements] = 2;
  state::EnemyShip[ship::kReinforcements] = 0;  // 0 means none are coming
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::PlayerShip[ship::kReinforcements], 1);
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::PlayerShip[ship::kReinforcements], 0);
  EXPECT_GT(combat::FindPlayerModifierSlot(state::kReinforcements), 0);
  EXPECT_EQ(combat::FindEnemyModifierSlot(state::kReinforcements), 0);
  EXPECT_EQ(ui.Lines("player: Reinforcements !! / A squadron of friendly fighters").size(), 1u);
  const std::int32_t shields = state::EnemyShip[ship::kShields];
  combat::StartNewCombatRound(ui);
  EXPECT_LT(state::EnemyShip[ship::kShields], shields)
      << "the squadron fights from the next round on";

  // SOS buoy speeds the count up, a radio jammer of the other side holds it back.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerModifiers = {};
  state::EnemyShip[ship::kReinforcements] = 4;
  combat::AddEnemyModifier(state::kSosBuoy);
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::EnemyShip[ship::kReinforcements], 2);
  combat::AddPlayerModifier(state::kRadioJammer, ui);
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::EnemyShip[ship::kReinforcements], 1);

  // No free slot: the squadron comes a round later.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::EnemyModifiers = {};
  for (int i = 0; i < 8; ++i) combat::AddEnemyModifier(state::kReinforcements);
  for (int s = 1; s <= 8; ++s)
    state::EnemyModifiers[s][modifier::kAbility] = 14;  // lasting, harmless entries
  state::EnemyModifiers[1][modifier::kTurnsLeft] = 1;
  state::EnemyShip[ship::kReinforcements] = 1;
  state::EnemyModifiers[2][modifier::kTurnsLeft] = 100;
  for (int s = 1; s <= 8; ++s) state::EnemyModifiers[s][modifier::kTurnsLeft] = 100;
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::EnemyShip[ship::kReinforcements], 1);
}

TEST_F(RoundsTest, ShipSpecialActsAtTheRoundStart) {
  // Fresh action points first, then the special of the player's class while it is switched on.
  struct Case {
    const char* what;
    state::ShipClassId playerClass;
    std::int32_t shields;
    bool active;
    std::int32_t ap, shieldsAfter, bar;
  };
  const Case cases[] = {
      {"drop all missiles: one point more", state::kClassSabre, 50, true, 6, 50, 1},
      {"ShieldPlus: a twentieth of the base back", state::kClassOrion, 60, true, 5, 64, 0},
      {"ShieldPlus: never above the base", state::kClassOrion, 78, true, 5, 80, 0},
      {"energy shifting: two points for a tenth of the base", state::kClassMarauder, 150, true, 7,
       -50, 1},
      {"energy boost: two points less for shields up to the base", state::kClassGettysburg, 2400,
       true, 4, 2500, 0},
      {"a special not switched on does nothing", state::kClassMarauder, 150, false, 5, 150, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(c.playerClass, state::kClassStarwolf);
    state::PlayerModifiers = {};
    state::PlayerShip[ship::kShields] = c.shields;
    state::PlayerShip[ship::kLongActionPointBar] = 0;
    if (c.active) combat::AddPlayerModifier(state::kShipSpecial, ui);
    combat::StartNewCombatRound(ui);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], c.ap);
    EXPECT_EQ(state::PlayerShip[ship::kShields], c.shieldsAfter);
    EXPECT_EQ(state::PlayerShip[ship::kLongActionPointBar], c.bar);
  }
}

TEST_F(RoundsTest, BoardingIsOfferedOncePerFight) {
  // A weak corvette against a corvette, with a boarding shuttle: the offer is certain.
  Ships(state::kClassShadowcat, state::kClassShadowcat);
  state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleBoardingShuttle);
  state::EnemyShip[ship::kShields] = 60;
  state::EnemyShip[ship::kCrewmen] = 8;
  state::EnemyShip[ship::kMarines] = 8;
  state::EnemyShip[ship::kDroids] = 4;
  ui.answers = {true};
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(ui.Lines("question: Boarding?").size(), 1u);
  EXPECT_EQ(ui.boardingOpened, 1);
  EXPECT_EQ(combat::BoardingOffered, 1);
  EXPECT_EQ(state::EnemyShip[ship::kBoardingRolled], 1);
  EXPECT_EQ(state::EnemyShip[ship::kBoardedArea], 1);
  EXPECT_EQ(state::BoardingAreas[boarding_area::kAirlock], 1);
  EXPECT_EQ(state::BoardingAreas[boarding_area::kBridge], 2);
  EXPECT_GE(state::EnemyShip[ship::kDefendingCrewmen], 2);
  EXPECT_EQ(state::EnemyShip[ship::kCrewmen] + state::EnemyShip[ship::kDefendingCrewmen], 8);
  EXPECT_EQ(state::EnemyShip[ship::kMarines] + state::EnemyShip[ship::kDefendingMarines], 8);
  EXPECT_EQ(state::EnemyShip[ship::kDroids] + state::EnemyShip[ship::kDefendingDroids], 4);
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(ui.Lines("question: Boarding?").size(), 1u) << "never twice in one fight";

  // Never against fighters, a group class or the starbase.
  for (const state::ShipClassId enemyClass :
       {state::kClassStarwolf, state::kClassOrionSquadron, state::kStarbaseClass}) {
    Ships(state::kClassShadowcat, enemyClass);
    combat::BoardingOffered = 0;
    state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleBoardingShuttle);
    state::EnemyShip[ship::kShields] = 1;
    combat::StartNewCombatRound(ui);
    EXPECT_EQ(state::EnemyShip[ship::kBoardingRolled], 0) << state::Stored(enemyClass);
  }
}

}  // namespace
}  // namespace combat_test
