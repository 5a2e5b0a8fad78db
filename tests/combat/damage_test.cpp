// Hit chance, the damage chain, the defender's shield effects, the shield loss and the four
// scaling rules with their caps, in normal and veteran mode.
#include <gtest/gtest.h>

#include <functional>

#include "combat/rounds.h"
#include "combat_fixture.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"

namespace combat_test {
namespace {

using combat::Side;

// The first seed from 0 at which `draws` returns true.
std::uint32_t SeedWhere(const std::function<bool()>& draws) {
  for (std::uint32_t s = 0;; ++s) {
    state::Randomize(s);
    if (draws()) return s;
  }
}

class DamageTest : public CombatTest {};

TEST_F(DamageTest, ScalingRulesInNormalAndVeteranMode) {
  struct Case {
    const char* what;
    std::int32_t (*scale)(std::int32_t);
    state::ShipClassId playerClass, enemyClass;
    std::int32_t day, rank, value, normal, veteran;
  };
  const Case cases[] = {
      // A beginner's fighter against a destroyer: every help applies.
      {"player damage, all help", combat::ScalePlayerDamageToEnemy, state::kClassStarwolf,
       state::kClassPatton, 100, 1, 60, 94, 60},
      {"player damage, capped at a third of the enemy's maximum shields",
       combat::ScalePlayerDamageToEnemy, state::kClassStarwolf, state::kClassPatton, 100, 1, 1000,
       216, 216},
      {"player damage, later days", combat::ScalePlayerDamageToEnemy, state::kClassStarwolf,
       state::kClassPatton, 300, 1, 60, 81, 60},
      {"player damage, rank 5", combat::ScalePlayerDamageToEnemy, state::kClassStarwolf,
       state::kClassPatton, 300, 5, 60, 60, 60},
      {"player chance, all help", combat::ScalePlayerDamageToEnemy2, state::kClassStarwolf,
       state::kClassPatton, 100, 1, 50, 86, 50},
      {"player chance, rank 5", combat::ScalePlayerDamageToEnemy2, state::kClassStarwolf,
       state::kClassPatton, 300, 5, 50, 60, 50},
      {"enemy damage from a smaller ship", combat::ScaleEnemyDamageToPlayer, state::kClassPatton,
       state::kClassStarwolf, 300, 1, 60, 75, 87},
      {"enemy damage at rank 5", combat::ScaleEnemyDamageToPlayer, state::kClassPatton,
       state::kClassStarwolf, 300, 5, 60, 87, 101},
      {"enemy damage, capped at half the player's maximum shields",
       combat::ScaleEnemyDamageToPlayer, state::kClassPatton, state::kClassStarwolf, 300, 5, 1000,
       325, 325},
      {"enemy chance from a smaller ship", combat::ScaleEnemyDamageToPlayer2, state::kClassPatton,
       state::kClassStarwolf, 300, 1, 50, 40, 48},
      {"enemy chance at rank 5", combat::ScaleEnemyDamageToPlayer2, state::kClassPatton,
       state::kClassStarwolf, 300, 5, 50, 55, 66},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(c.playerClass, c.enemyClass);
    state::GameDay = c.day;
    state::PlayerData[player::kRank] = c.rank;
    state::VeteranMode = 0;
    EXPECT_EQ(c.scale(c.value), c.normal);
    state::VeteranMode = 1;
    EXPECT_EQ(c.scale(c.value), c.veteran);
  }
}

TEST_F(DamageTest, HitChanceModifiers) {
  // Veteran mode leaves the player's chance unscaled, so each modifier shows as it is.
  state::VeteranMode = 1;
  state::PlayerShip[ship::kGun] = state::Stored(kGunLaser);
  const std::int32_t base = combat::GunHitChance(Side::Player, ui);
  EXPECT_EQ(base, state::GetGunAccuracy(state::kClassStarwolf, kGunLaser, Side::Player));

  combat::AddEnemyModifier(state::kTaunt);  // the enemy's taunt
  EXPECT_EQ(combat::GunHitChance(Side::Player, ui), base - 10);
  state::EnemyModifiers = {};
  combat::AddEnemyModifier(state::kEvading);
  combat::AddPlayerModifier(state::kEvading, ui);
  EXPECT_EQ(combat::GunHitChance(Side::Player, ui), base - 60) << "both evasions count";
  state::PlayerModifiers = {};
  state::EnemyModifiers = {};
  combat::AddPlayerModifier(state::kTargetLock, ui);
  combat::AddPlayerModifier(state::kDiscipline, ui);
  EXPECT_EQ(combat::GunHitChance(Side::Player, ui), base + 40);
  EXPECT_EQ(combat::FindPlayerModifierSlot(state::kDiscipline), 0) << "discipline is used up by the attack";
  EXPECT_EQ(combat::GunHitChance(Side::Player, ui), base + 10);
  state::PlayerModifiers = {};
  state::PlayerShip[ship::kTargeting] = state::Stored(kComputerTakedownMk2);
  EXPECT_EQ(combat::GunHitChance(Side::Player, ui), base + 10);
  state::PlayerShip[ship::kTargeting] = state::Stored(kComputerQuicklockMk1);
  // The evasion computer of the player's own ship costs its aim and the enemy's.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  combat::AddPlayerModifier(state::kShipSpecial, ui);
  EXPECT_EQ(combat::GunHitChance(Side::Player, ui), base - 25);
}

TEST_F(DamageTest, RollHitsWhenTheChanceIsAboveTheRoll) {
  int hitsAt90 = 0;
  for (std::int32_t roll = 1; roll <= 100; ++roll) {
    const std::uint32_t seed = SeedForRoll(roll);
    state::Randomize(seed);
    const bool at90 = combat::RollGunHit(90);
    hitsAt90 += at90;
    state::Randomize(seed);
    EXPECT_EQ(combat::RollGunHit(400), at90) << "a chance above 90 counts as 90";
    state::Randomize(seed);
    EXPECT_FALSE(combat::RollGunHit(1));
  }
  EXPECT_EQ(hitsAt90, 89);
}

TEST_F(DamageTest, PlayerGunHitDamageChain) {
  // Veteran mode: no scaling help; a Laser has no special; the roll hits.
  state::VeteranMode = 1;
  Ships(state::kClassStarwolf, state::kClassPatton);
  const std::int32_t gun = state::GetGunDamage(state::kClassStarwolf, kGunLaser, Side::Player);
  struct Case {
    bool ownManouvers, enemyManouvers;
    std::int32_t damage;
  };
  const Case cases[] = {
      {false, false, gun},
      {true, false, gun + gun / 2},
      {false, true, gun + gun / 4},
      {true, true, (gun + gun / 2) + (gun + gun / 2) / 4},
  };
  for (const Case& c : cases) {
    Ships(state::kClassStarwolf, state::kClassPatton);
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    if (c.ownManouvers) combat::AddPlayerModifier(state::kManouvers, ui);
    if (c.enemyManouvers) combat::AddEnemyModifier(state::kManouvers);
    ui.transcript.clear();
    const std::uint32_t seed = SeedWhere([] {
      state::Random(2);  // the firing cue
      return state::Random(100) + 1 == 1;
    });
    state::Randomize(seed);
    combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
    EXPECT_EQ(ui.Lines("player: "),
              (std::vector<std::string>{"player: Firing guns !! / You fire your guns and cause " +
                                        std::to_string(c.damage) + " pts. of damage."}));
    const std::int32_t h = c.damage / 2;
    const std::int32_t lost = 650 - state::EnemyShip[ship::kShields];
    EXPECT_GE(lost, h);
    EXPECT_LE(lost, h > 0 ? 2 * h - 1 : 0);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
              5 - state::GetGunApCost(state::kClassStarwolf, kGunLaser, Side::Player));
    EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], 1) << "the volley counts for overheating";
  }
}

TEST_F(DamageTest, ReflectionThenFocusedShieldOnOneHit) {
  combat::AddEnemyModifier(state::kReflectionShield);
  combat::AddEnemyModifier(state::kFocusedShield);
  const std::int32_t before = state::PlayerShip[ship::kShields];
  EXPECT_EQ(combat::ApplyDefenderShields(Side::Enemy, 120, ui), 55);
  EXPECT_EQ(state::PlayerShip[ship::kShields], before - 10);
  EXPECT_EQ(combat::FindEnemyModifierSlot(state::kReflectionShield), 0);
  EXPECT_EQ(combat::FindEnemyModifierSlot(state::kFocusedShield), 0);
  EXPECT_EQ(ui.Lines("enemy: "),
            (std::vector<std::string>{
                "enemy: Reflection shield !! / The enemy shields reflect some of the damage back "
                "to you.",
                "enemy: Focused shield !! / The enemies focused shields are able to reduce the "
                "damage of your fire."}));

  // The player's shields: II versions divide by 8 and 3.
  combat::AddPlayerModifier(state::kReflectionShield2, ui);
  combat::AddPlayerModifier(state::kFocusedShield2, ui);
  const std::int32_t enemyBefore = state::EnemyShip[ship::kShields];
  EXPECT_EQ(combat::ApplyDefenderShields(Side::Player, 80, ui), 23);
  EXPECT_EQ(state::EnemyShip[ship::kShields], enemyBefore - 10);
}

TEST_F(DamageTest, AntiPhaseEmitterTakesNoHitsAndReflectsNothing) {
  Ships(state::kClassNeptun,
        state::kClassStarwolf);  // the Neptun's special is the anti-phase emitter
  combat::AddPlayerModifier(state::kShipSpecial, ui);
  state::EnemyShip[ship::kActionPoints] = 5;
  state::EnemyShip[ship::kGun] = state::Stored(kGunLaser);
  const std::uint32_t seed = SeedWhere([] {
    state::Random(2);
    return state::Random(100) + 1 == 1;
  });
  state::Randomize(seed);
  combat::ResolveCombatAction(Side::Enemy, state::kFireGuns, ui);
  ASSERT_EQ(ui.Lines("enemy: ").size(), 1u);
  EXPECT_NE(ui.Lines("enemy: ")[0].find("Enemy fires his guns and causes "), std::string::npos);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 1200);

  combat::AddEnemyModifier(state::kReflectionShield);
  EXPECT_EQ(combat::ApplyDefenderShields(Side::Enemy, 120, ui), 110);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 1200);
}

TEST_F(DamageTest, EnemyDamageIsCappedAtHalfThePlayersShields) {
  Ships(state::kClassStarwolf, state::kClassMarauder);
  state::EnemyShip[ship::kGun] = state::Stored(kGunQuantum);
  for (int mode = 0; mode <= 1; ++mode) {
    state::VeteranMode = static_cast<std::uint8_t>(mode);
    combat::AddEnemyModifier(state::kManouvers);
    combat::AddPlayerModifier(state::kManouvers, ui);
    EXPECT_EQ(combat::ScaleEnemyDamageToPlayer(
                  state::GetGunDamage(state::kClassMarauder, kGunQuantum, Side::Enemy)),
              50);
  }
}

TEST_F(DamageTest, PaymentAndRefusals) {
  // Too few points: the popup, nothing spent; the enemy fails silently and does not wait.
  state::PlayerShip[ship::kActionPoints] = 1;
  combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 1);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!"),
            std::vector<std::string>{
                "popup: Not enough AP! / In this game every combat action uses up action-points "
                "(AP). For this action you do not have enough AP left. Your AP is displayed as a "
                "row of lights at the left top of the screen below your shields."});
  state::EnemyShip[ship::kActionPoints] = 1;
  combat::ResolveCombatAction(Side::Enemy, state::kFireGuns, ui);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  EXPECT_EQ(ui.enemyTimerStarts, 0);
  EXPECT_TRUE(ui.Lines("enemy: ").empty());

  // An enemy payment sets the waiting flag and starts its timer; a message alone never does.
  state::EnemyShip[ship::kActionPoints] = 5;
  combat::ResolveCombatAction(Side::Enemy, state::kFireGuns, ui);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
  EXPECT_EQ(ui.enemyTimerStarts, 1);
  state::EnemyShip[ship::kAwaitingMessage] = 0;
  combat::AddPlayerModifier(state::kReflectionShield, ui);
  combat::ApplyDefenderShields(Side::Player, 40, ui);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);

  // With the automatic end of turn, an action refused at 0 points still ends the turn.
  state::AutoEndTurn = 1;
  state::PlayerShip[ship::kActionPoints] = 0;
  state::EnemyAbilitySlots[1] = 1;
  combat::ResolvePlayerCombatAction(state::kFireGuns, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], -100);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1) << "the enemy has started its turn";
}

TEST_F(DamageTest, IdsWithoutACaseDoNothing) {
  for (std::int32_t id : {0, 30, 37, 99, -4}) {
    const state::TShipRow player = state::PlayerShip;
    const state::TShipRow enemy = state::EnemyShip;
    combat::ResolvePlayerCombatAction(state::Ability{id}, ui);
    combat::ResolveCombatAction(Side::Enemy, state::Ability{id}, ui);
    EXPECT_EQ(state::PlayerShip, player) << id;
    EXPECT_EQ(state::EnemyShip, enemy) << id;
  }
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace combat_test
