// Gun specials and overheating, missiles and their impact, ECM on both sides.
#include <gtest/gtest.h>

#include "combat/rounds.h"
#include "combat/weapons.h"
#include "combat_fixture.h"
#include "state/abilities.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"

namespace combat_test {
namespace {

using combat::Side;

class WeaponsTest : public CombatTest {};

TEST_F(WeaponsTest, OverheatingByVolleyOfTheTurn) {
  // The overheat roll is made on every volley; the chance depends on the volley's number.
  struct Case {
    std::int32_t gun, volleysBefore, chance;
  };
  const Case cases[] = {{1, 0, -1}, {1, 1, -1}, {1, 2, 15}, {1, 3, 45}, {1, 4, 60},
                        {1, 9, 60}, {8, 2, 15},  {8, 4, 60}, {0, 4, -2}};
  for (const Case& c : cases) {
    int overheats = 0;
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
      Ships(state::kClassStarwolf, state::kClassStarwolf);
      state::PlayerModifiers = {};
      state::PlayerShip[ship::kGun] = c.gun;
      state::PlayerShip[ship::kGunVolleys] = c.volleysBefore;
      state::Randomize(seed);
      std::int32_t r = state::Random(100);
      if (c.gun == 8) r = state::Random(100);  // the Gatling's missile roll comes first
      const bool expected = c.chance > r;
      state::Randomize(seed);
      combat::ApplyGunSpecial(0, ui);
      EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], c.volleysBefore + 1);
      EXPECT_EQ(combat::FindPlayerModifierSlot(state::kOverheated) > 0, expected)
          << "gun " << c.gun << " volley " << c.volleysBefore + 1 << " seed " << seed;
      overheats += expected;
    }
    if (c.chance <= 0) {
      EXPECT_EQ(overheats, 0);
    }
  }
  // The roll is drawn even on the first volley, where it can never overheat.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerShip[ship::kGun] = state::Stored(kGunTurboLaser);
  state::Randomize(5);
  state::Random(100);
  const std::uint32_t afterOneDraw = state::RandSeed;
  state::Randomize(5);
  combat::ApplyGunSpecial(10, ui);
  EXPECT_EQ(state::RandSeed, afterOneDraw);
}

TEST_F(WeaponsTest, OverheatedGunsRefuseFireGunsButNotTheVariants) {
  combat::AddPlayerModifier(state::kOverheated, ui);
  combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(ui.Lines("popup: N/A / " + state::GetAbilityDescription(state::kOverheated)).size(), 1u);
  state::AbilityOwned[4] = 1;
  combat::ResolvePlayerCombatAction(state::kFocusBeam, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
            5 - (state::GetGunApCost(state::kClassStarwolf, kGunLaser, Side::Player) + 2));
  EXPECT_EQ(ui.Lines("player: Focused fire !!").size(), 1u);

  // The ShieldPlus device keeps the guns silent.
  Ships(state::kClassOrion, state::kClassStarwolf);
  state::PlayerModifiers = {};
  combat::AddPlayerModifier(state::kShipSpecial, ui);
  combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(ui.Lines("popup: N/A / As long as you have the ShieldPlus device").size(), 1u);
}

TEST_F(WeaponsTest, TheTutorialsVolleyUsesUpTheTurn) {
  // At the tutorial's gun step the volley leaves no points, whatever it cost, and the bar shows it.
  state::TutorialActive = 1;
  state::TutorialStep = 17;
  state::PlayerShip[ship::kActionPoints] = 5;
  combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 0);
  EXPECT_FALSE(screens.Operations("EndTutorialStep 17").empty());
  EXPECT_FALSE(screens.Operations("BeginTutorialStep 18").empty());
  // Outside the tutorial a volley costs only its price.
  state::TutorialActive = 0;
  state::PlayerShip[ship::kActionPoints] = 5;
  combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
            5 - state::GetGunApCost(state::kClassStarwolf, kGunLaser, Side::Player));
}

TEST_F(WeaponsTest, GunSpecials) {
  // Each gun's first roll decides its effect on a volley of 30 points.
  for (std::uint32_t seed = 0; seed < 400; ++seed) {
    state::Randomize(seed);
    const std::int32_t r = state::Random(100);
    for (std::int32_t gun : {2, 4, 5, 6, 7, 8}) {
      SCOPED_TRACE(testing::Message() << "gun " << gun << " seed " << seed);
      Ships(state::kClassStarwolf, state::kClassStarwolf);
      state::PlayerModifiers = {};
      state::EnemyModifiers = {};
      state::PlayerShip[ship::kGun] = gun;
      state::PlayerShip[ship::kShields] = 90;
      state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
      state::Randomize(seed);
      const std::int32_t d = combat::ApplyGunSpecial(30, ui);
      switch (gun) {
        case 2:  // Fusion
          EXPECT_EQ(d, r < 5 ? 60 : 30);
          break;
        case 4:  // Quantum: stuns the player
          EXPECT_EQ(d, 30);
          EXPECT_EQ(combat::FindEnemyModifierSlot(state::kEmp) > 0, r < 5);
          break;
        case 5:  // SuperFusion
          EXPECT_EQ(d, r < 15 ? 60 : 30);
          EXPECT_EQ(state::PlayerShip[ship::kShields], r < 15 ? 80 : 90);
          break;
        case 6:  // Leech: feeds the shields up to their maximum
          EXPECT_EQ(state::PlayerShip[ship::kShields], 96);
          break;
        case 7:  // Disruptor: stuns the enemy
          EXPECT_EQ(combat::FindPlayerModifierSlot(state::kEmp) > 0, r < 5);
          break;
        case 8:  // Gatling: shoots the enemy missile down
          EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], r < 10 ? 0 : 1);
          break;
      }
    }
  }
  // A Leech gun never lifts the shields over the maximum; a Fusion miss is never doubled.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerShip[ship::kGun] = state::Stored(kGunLeech);
  state::PlayerShip[ship::kShields] = 99;
  combat::ApplyGunSpecial(100, ui);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 100);
  state::PlayerShip[ship::kGun] = state::Stored(kGunFusion);
  EXPECT_EQ(combat::ApplyGunSpecial(0, ui), 0);
}

TEST_F(WeaponsTest, PlayerMissilesLaunchAndReload) {
  struct Case {
    std::int32_t launcher, reload;
  };
  for (const Case& c : {Case{0, 4}, Case{2, 8}, Case{10, 100000}}) {
    Ships(state::kClassShadowcat, state::kClassShadowcat);
    state::PlayerShip[ship::kMissileLauncher] = c.launcher;
    state::PlayerMissileVolley = {};
    combat::ResolvePlayerCombatAction(state::kFireMissiles, ui);
    EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 1);
    EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kTurnsToImpact], 3);
    EXPECT_EQ(state::PlayerShip[ship::kMissileReload], c.reload);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
              5 - state::GetMissileApCost(state::kClassShadowcat, MissileId{c.launcher}, Side::Player));
  }
  // A volley in flight: nothing at all. Reloading and torpedoes against fighters: refused.
  ui.transcript.clear();
  const std::int32_t ap = state::PlayerShip[ship::kActionPoints];
  combat::ResolvePlayerCombatAction(state::kFireMissiles, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], ap);
  EXPECT_TRUE(ui.Lines("popup").empty());
  state::PlayerMissileVolley[missile_volley::kInFlight] = 0;
  combat::ResolvePlayerCombatAction(state::kFireMissiles, ui);
  EXPECT_EQ(ui.Lines("popup: Reloading").size(), 1u);
  Ships(state::kClassShadowcat, state::kClassStarwolf);
  state::PlayerShip[ship::kMissileLauncher] = state::Stored(kMissileZeusMk1);
  combat::ResolvePlayerCombatAction(state::kFireMissiles, ui);
  EXPECT_EQ(ui.Lines("popup: N/A / Torpedos can only be used").size(), 1u);
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 0);
}

TEST_F(WeaponsTest, EnemyMissilesLaunchAndReload) {
  struct Case {
    std::int32_t launcher, reload;
  };
  for (const Case& c : {Case{0, 5}, Case{2, 10}, Case{10, 100000}}) {
    Ships(state::kClassShadowcat, state::kClassShadowcat);
    state::EnemyShip[ship::kMissileLauncher] = c.launcher;
    state::EnemyMissileVolley = {};
    combat::ResolveCombatAction(Side::Enemy, state::kFireMissiles, ui);
    EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], 1);
    EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kTurnsToImpact], 4);
    EXPECT_EQ(state::EnemyShip[ship::kMissileReload], c.reload);
    EXPECT_EQ(state::EnemyShip[ship::kShields], 249) << "launching costs the enemy a shield point";
  }
  // Reloading: silently nothing.
  state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
  state::EnemyShip[ship::kAwaitingMessage] = 0;
  combat::ResolveCombatAction(Side::Enemy, state::kFireMissiles, ui);
  EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
}

TEST_F(WeaponsTest, MissileImpactAtTheRoundStart) {
  Ships(state::kClassShadowcat, state::kClassShadowcat);
  state::PlayerShip[ship::kMissileLauncher] = state::Stored(kMissileZeusEmp);
  state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
  state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 1;
  state::EnemyShip[ship::kMissileLauncher] = state::Stored(kMissileArrowMk1);
  state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
  state::EnemyMissileVolley[missile_volley::kTurnsToImpact] = 2;
  combat::StartNewCombatRound(ui);
  const std::int32_t d = 2 * state::GetMissileDamage(state::kClassShadowcat, kMissileZeusEmp);
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_EQ(ui.Lines("player: Missile hit !!"),
            (std::vector<std::string>{"player: Missile hit !! / Your missile hits the enemy. " +
                                      std::to_string(d) + " pts. of damage caused."}));
  EXPECT_LE(state::EnemyShip[ship::kShields], 250 - d / 2);
  EXPECT_GT(combat::FindPlayerModifierSlot(state::kEmp), 0) << "the Zeus EMP stuns the enemy";
  EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], 1);
  EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kTurnsToImpact], 1);
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_EQ(ui.Lines("enemy: Missile hit !!").size(), 1u);

  // A mine without a tractor beam on the other side never moves; with one it moves and frees.
  Ships(state::kClassShadowcat, state::kClassShadowcat);
  state::PlayerShip[ship::kMissileLauncher] = state::Stored(kMissileMineMk1);
  state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
  state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 1;
  for (int r = 0; r < 5; ++r) combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 1);
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kTurnsToImpact], 1);
  combat::AddEnemyModifier(state::kTractorBeam);
  combat::StartNewCombatRound(ui);
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_EQ(combat::FindEnemyModifierSlot(state::kTractorBeam), 0);
  EXPECT_EQ(ui.Lines("enemy: Tractor beam off !!").size(), 1u);
}

TEST_F(WeaponsTest, SecondMineMovesUnderATractorBeamOrAMark) {
  // The player's mine lets go of what held it; the enemy's mine moves but clears nothing.
  struct Case {
    const char* what;
    bool playerShoots, beam, mark;
    std::int32_t roundsLeft;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"player's mine, no hold: it stays", true, false, false, 3, {}},
      {"player's mine under the enemy's mark", true, false, true, 2,
       {"enemy: Mark off !! / The mark ability has been deactivated."}},
      {"player's mine under the enemy's tractor beam", true, true, false, 2,
       {"enemy: Tractor beam off !! / The tractor beam has been deactivated."}},
      {"enemy's mine, no hold: it stays", false, false, false, 3, {}},
      {"enemy's mine under the player's mark", false, false, true, 2, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(state::kClassShadowcat, state::kClassShadowcat);
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    state::PlayerMissileVolley = {};
    state::EnemyMissileVolley = {};
    ui.transcript.clear();
    const Side holder = c.playerShoots ? Side::Enemy : Side::Player;
    if (c.beam) combat::AddModifier(holder, state::kTractorBeam, ui);
    if (c.mark) combat::AddModifier(holder, state::kMark, ui);
    auto& volley = c.playerShoots ? state::PlayerMissileVolley : state::EnemyMissileVolley;
    (c.playerShoots ? state::PlayerShip : state::EnemyShip)[ship::kMissileLauncher] = state::Stored(kMissileMineMk2);
    volley[missile_volley::kInFlight] = 1;
    volley[missile_volley::kTurnsToImpact] = 3;
    combat::StartNewCombatRound(ui);
    EXPECT_EQ(volley[missile_volley::kInFlight], 1);
    EXPECT_EQ(volley[missile_volley::kTurnsToImpact], c.roundsLeft);
    EXPECT_EQ(Messages(), c.messages);
    const bool released = c.playerShoots && (c.beam || c.mark);
    EXPECT_EQ(combat::ModifierActive(holder, c.beam ? state::kTractorBeam : state::kMark), (c.beam || c.mark) && !released);
  }
}

TEST_F(WeaponsTest, PlayerEcm) {
  // No missile to intercept: the popup, nothing spent.
  combat::ResolvePlayerCombatAction(state::kEcm, ui);
  EXPECT_EQ(ui.Lines("popup: No enemy missile!").size(), 1u);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);

  // An ECM good for more than 90 percent is held to 90: a roll of 90 fails, 89 succeeds.
  for (std::int32_t roll : {89, 90}) {
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerShip[ship::kEcm] = state::Stored(kEcmSupersafeMk2);
    state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
    state::Randomize(SeedForRoll(roll));
    combat::ResolvePlayerCombatAction(state::kEcm, ui);
    EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], roll == 89 ? 0 : 1) << roll;
  }

  // In the tutorial's step 16 the interception always succeeds, the plasma leak included.
  for (std::uint32_t seed = 0; seed < 100; ++seed) {
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::TutorialActive = 1;
    state::TutorialStep = 16;
    state::PlayerShip[ship::kEcm] = state::Stored(kEcmPlasma);
    state::EnemyShip[ship::kMissileLauncher] = state::Stored(kMissileDestroyer);
    state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
    state::Randomize(seed);
    combat::ResolvePlayerCombatAction(state::kEcm, ui);
    EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], 0) << seed;
  }
  EXPECT_FALSE(screens.Operations("BeginTutorialStep 17").empty());
}

TEST_F(WeaponsTest, EnemyEcm) {
  // Nothing to intercept: no payment, no waiting.
  combat::ResolveCombatAction(Side::Enemy, state::kEcm, ui);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  // ECM 0: 40 percent less a third is 27; a roll of 26 intercepts, 27 does not.
  for (std::int32_t roll : {26, 27}) {
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
    state::Randomize(SeedForRoll(roll));
    combat::ResolveCombatAction(Side::Enemy, state::kEcm, ui);
    EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], roll == 26 ? 0 : 1) << roll;
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5 - state::EcmItem(kEcmDefenderMk1).apCost);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
  }
}

}  // namespace
}  // namespace combat_test
