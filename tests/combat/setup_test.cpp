// The start of a fight: the enemy record, the two slot lists, the reinforcements, the loadout tier
// and the pictures the screen is to load.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "combat/setup.h"
#include "combat_fixture.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/ship_kinds.h"
#include "state/skills.h"
#include "support/rows.h"

namespace combat_test {
namespace {

using combat::SetupShipCombat;

// One class of each size category, and the starbase.
// The first class of each size category 1..5.
constexpr state::ShipClassId kClassOfSize[] = {state::kNoShipClass,    state::kClassStarwolf,
                                               state::kClassShadowcat, state::kClassPatton,
                                               state::kClassNeptun,    state::kClassMarauder};

std::vector<std::int32_t> EnemySlots() {
  std::vector<std::int32_t> ids;
  for (int k = 1; k <= 12; ++k)
    if (state::EnemyAbilitySlots[k] != 0) ids.push_back(state::EnemyAbilitySlots[k]);
  return ids;
}

std::vector<std::int32_t> PlayerSlots() {
  std::vector<std::int32_t> ids;
  for (int k = 1; k <= 12; ++k) ids.push_back(state::PlayerAbilitySlots[k]);
  while (!ids.empty() && ids.back() == 0) ids.pop_back();
  return ids;
}

int LevelForTier(int tier) { return tier == 1 ? 3 : tier == 2 ? 10 : tier == 3 ? 16 : 19; }

class SetupTest : public CombatTest {};

TEST_F(SetupTest, EnemyRecordSlotsAndEquipmentOverTiersSizesAndKinds) {
  // Ability lists by tier row (1, 2, 3-4) and kind 1..3.
  const std::vector<std::int32_t> lists[3][3] = {
      {{1, 2, 3, 10, 11, 22}, {1, 2, 3, 10, 4, 7}, {1, 2, 3, 13, 12, 7}},
      {{1, 2, 3, 10, 11, 23, 24, 31}, {1, 2, 3, 10, 4, 7, 6, 12}, {1, 2, 3, 13, 12, 7, 16, 15, 12}},
      {{1, 2, 3, 10, 11, 23, 25, 26, 31, 18},
       {1, 2, 3, 4, 7, 6, 12, 5, 20, 9},
       {1, 2, 3, 13, 12, 7, 16, 15, 12, 14, 32}},
  };
  // Guns each tier and size may carry (before the size-5 override to 4 unless 8).
  auto allowedGuns = [](int tier, int size) -> std::set<std::int32_t> {
    if (tier == 1) return size <= 2 ? std::set<std::int32_t>{0, 1} : std::set<std::int32_t>{0, 1, 7};
    if (tier == 2) {
      if (size <= 2) return {0, 1, 3};
      if (size == 3) return {0, 1, 7};
      if (size == 4) return {0, 7, 6};
      return {4, 8};
    }
    if (size <= 2) return {1, 3};
    if (size == 3) return {1, 7};
    if (size == 4) return {7, 6};
    return {4, 8};
  };
  for (int tier = 1; tier <= 4; ++tier) {
    for (int size = 1; size <= 5; ++size) {
      for (int kind = 1; kind <= 3; ++kind) {
        for (std::uint32_t seed = 0; seed < 8; ++seed) {
          SCOPED_TRACE(testing::Message() << "tier " << tier << " size " << size << " kind "
                                          << kind << " seed " << seed);
          state::PlayerData[player::kLevel] = LevelForTier(tier);
          Ships(state::kClassStarwolf, state::kClassStarwolf);
          state::Randomize(seed);
          const state::ShipClassId cls = kClassOfSize[size];
          SetupShipCombat(cls, kFactionCoalition, ShipKind{kind}, 0, ui);
          const auto& e = state::EnemyShip;
          EXPECT_EQ(e[ship::kAlive], 1);
          EXPECT_EQ(e[ship::kClass], state::Stored(cls));
          EXPECT_EQ(e[ship::kActionPoints], state::GetShipClassStat(cls, state::kAttrActionPoints));
          EXPECT_EQ(e[ship::kEnemyKind], kind);
          EXPECT_EQ(e[ship::kFaction], 3);
          EXPECT_EQ(e[ship::kBody], 2);
          EXPECT_EQ(e[ship::kSystem], 2);
          EXPECT_EQ(e[ship::kShields], state::GetShipClassBaseShields(cls));
          EXPECT_EQ(e[ship::kSetUpMark], 3);
          EXPECT_EQ(e[ship::kCargoSpace], state::GetShipClassStat(cls, state::kAttrCargoSpace));
          // Crew: minimum crew (at least 1) of crewmen, the rest marines and droids.
          std::int32_t minCrew = state::GetShipClassStat(cls, state::kAttrMinCrew);
          if (minCrew == 0) minCrew = 1;
          std::int32_t rest = state::GetShipClassStat(cls, state::kAttrMaxCrew) - minCrew;
          if (rest < 0) rest = 0;
          if (ShipKind{kind} != kMilitaryShip) rest /= 2;
          EXPECT_EQ(e[ship::kCrewmen], minCrew);
          EXPECT_EQ(e[ship::kMarines] + e[ship::kDroids], rest);
          EXPECT_EQ(e[ship::kOfficers], 0);
          EXPECT_EQ(e[ship::kPirates], 0);

          const int effectiveTier = (size >= 4 && tier < 2) ? 2 : tier;
          const int row = effectiveTier >= 3 ? 2 : effectiveTier - 1;
          EXPECT_EQ(EnemySlots(), lists[row][kind - 1]);
          EXPECT_EQ(state::EnemyAbilitySlots[12], 0) << "slot 12 stays free for the callers";
          EXPECT_EQ(e[ship::kReinforcements], kind == 1 ? 8 : -1);

          EXPECT_TRUE(allowedGuns(effectiveTier, size).count(e[ship::kGun]))
              << "gun " << e[ship::kGun];
          const std::set<std::int32_t> launchers =
              size == 1 ? std::set<std::int32_t>{0}
              : size == 2 ? std::set<std::int32_t>{4}
              : size == 5 ? std::set<std::int32_t>{5, 10}
              : (size == 4 && kind == 1) ? std::set<std::int32_t>{5, 7}
                                         : std::set<std::int32_t>{5};
          EXPECT_TRUE(launchers.count(e[ship::kMissileLauncher]))
              << "launcher " << e[ship::kMissileLauncher];
          EXPECT_EQ(e[ship::kEcm], state::Stored(kEcmDefenderMk2));
          EXPECT_EQ(e[ship::kTargeting], state::Stored(kComputerTakedownMk1));
        }
      }
    }
  }
}

TEST_F(SetupTest, EquipmentDrawsFollowTheTable) {
  // Tier 2 battleship: crew draw, gun draw, launcher draw, in that order.
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    state::PlayerData[player::kLevel] = 10;
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::Randomize(seed);
    const std::int32_t marines = 100 - 40;  // class 16, kind 2
    state::Random(marines);
    const std::int32_t r = state::Random(100);
    const std::int32_t second = state::Random(100);
    std::int32_t gun = r <= 40 ? 7 : r <= 70 ? 8 : 4;
    if (gun != 8) gun = 4;  // battleships carry the quantum gun unless they have a Gatling
    state::Randomize(seed);
    SetupShipCombat(state::kClassMarauder, kFactionOuterRim, kMilitaryShip, 0, ui);
    EXPECT_EQ(state::EnemyShip[ship::kGun], gun) << seed;
    EXPECT_EQ(state::EnemyShip[ship::kMissileLauncher], second <= 70 ? 5 : 10) << seed;
  }
}

TEST_F(SetupTest, OverridesAndReinforcements) {
  struct Case {
    const char* what;
    state::ShipClassId enemyClass;
    std::int32_t faction;
    ShipKind kind;
    std::int32_t tutorialStep, systemOwner;
    std::int32_t gun, enemyReinforcements;
  };
  const Case cases[] = {
      {"starbase carries no gun", state::kStarbaseClass, 2, kMilitaryShip, 0, 1, 0, -1},
      {"group class carries no gun", state::kClassOrionSquadron, 2, kMilitaryShip, 0, 1, 0, -1},
      {"tutorial gives gun 1", state::kClassStarwolf, 2, kMilitaryShip, 12, 1, 1, -1},
      {"tutorial battleship keeps the quantum gun", state::kClassMarauder, 2, kMilitaryShip, 13, 1,
       4, -1},
      {"tutorial starbase keeps no gun", state::kStarbaseClass, 2, kMilitaryShip, 13, 1, 0, -1},
      {"own space of the enemy brings its reinforcements", state::kClassStarwolf, 3, kMilitaryShip,
       0, 3, -2, 8},
      {"a trader always brings reinforcements", state::kClassStarwolf, 2, kTraderShip, 0, 1, -2, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::SystemData[1][star_system::kOwner] = c.systemOwner;
    state::TutorialActive = c.tutorialStep > 0;
    state::TutorialStep = c.tutorialStep;
    SetupShipCombat(c.enemyClass, Faction{c.faction}, c.kind, 0, ui);
    if (c.gun != -2) {
      EXPECT_EQ(state::EnemyShip[ship::kGun], c.gun);
    }
    EXPECT_EQ(state::EnemyShip[ship::kReinforcements], c.enemyReinforcements);
  }
}

TEST_F(SetupTest, LoadoutTier) {
  struct Case {
    const char* what;
    std::int32_t level;
    state::ShipClassId enemyClass;
    std::int32_t callerTier;
    bool sensorsPirate;
    std::int32_t tier;
  };
  constexpr state::ShipClassId kFighter = state::kClassStarwolf;
  const Case cases[] = {
      {"level 6 is tier 1", 6, kFighter, 0, false, 1},
      {"level 7 is tier 2", 7, kFighter, 0, false, 2},
      {"level 15 is tier 3", 15, kFighter, 0, false, 3},
      {"level 19 is tier 4", 19, kFighter, 0, false, 4},
      {"a battleship fights at tier 2 at least", 3, state::kClassMarauder, 0, false, 2},
      {"a cruiser fights at tier 2 at least", 3, state::kClassNeptun, 0, false, 2},
      {"the caller's tier 4 stays for a beginner", 1, kFighter, 4, false, 4},
      {"the caller's tier 1 is raised to the level's", 16, kFighter, 1, false, 3},
      {"a tier beyond 4 counts as 4", 1, kFighter, 9, false, 4},
      {"a wanted pirate on the sensors is one tier up", 3, kFighter, 0, true, 2},
      {"never beyond tier 4", 19, kFighter, 0, true, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state::PlayerData[player::kLevel] = c.level;
    screens.SetVisible(rules::Screen::Sensors, c.sensorsPirate);
    screens.sensorSelection = c.sensorsPirate ? 3 : 0;
    state::SpecialShips[3] =
        test_rows::SpecialShipRow().Active().Kind(kPirateShip).SubKind(kSubKindWantedPirate);
    EXPECT_EQ(combat::EnemyLoadoutTier(c.enemyClass, c.callerTier, ui), c.tier);
  }
}

TEST_F(SetupTest, PlayerSlotList) {
  struct Case {
    const char* what;
    state::ShipClassId playerClass;
    std::vector<std::int32_t> owned;
    std::int32_t engine;
    std::vector<std::int32_t> slots;
  };
  const Case cases[] = {
      {"the special takes the fourth button", state::kClassStarwolf, {1, 2, 3, 7}, 0,
       {1, 2, 3, 36, 7}},
      {"fewer than three abilities: no special button", state::kClassStarwolf, {1, 2}, 0, {1, 2}},
      {"battle droids have no button", state::kClassShark, {1, 2, 3, 7}, 0, {1, 2, 3, 7}},
      {"extended sensors have no button", state::kClassFerendar, {1, 2, 3}, 0, {1, 2, 3}},
      {"hidden cargo bay has no button", state::kClassCorsair, {1, 2, 3}, 0, {1, 2, 3}},
      {"the escape engine gives Flee", state::kClassStarwolf, {1, 2, 3, 12}, 2,
       {1, 2, 3, 36, 11, 12}},
      {"Flee through the engine as third button", state::kClassStarwolf, {1, 2, 12}, 2,
       {1, 2, 11, 36, 12}},
      {"at most twelve buttons", state::kClassStarwolf,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15}, 0, {1, 2, 3, 36, 4, 5, 6, 7, 8, 9, 10, 12}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(c.playerClass, state::kClassStarwolf);
    state::AbilityOwned = {};
    for (auto id : c.owned) state::AbilityOwned[id] = 1;
    state::PlayerShip[ship::kEngine] = c.engine;
    SetupShipCombat(state::kClassStarwolf, kFactionOuterRim, kMilitaryShip, 0, ui);
    EXPECT_EQ(PlayerSlots(), c.slots);
    EXPECT_EQ(state::AbilityOwned[36], 1);
  }
}

TEST_F(SetupTest, PlayerReinforcementsAndFightState) {
  struct Case {
    const char* what;
    std::int32_t owner, criminalDays, war, combatPatrol, deepPatrol, expected;
  };
  const Case cases[] = {
      {"own faction's space", 1, 0, 0, 0, 0, 8},
      {"a criminal gets no help", 1, 5, 0, 0, 0, -1},
      {"foreign space without skills", 2, 0, 0, 0, 0, -1},
      {"combat patrol in friendly foreign space", 2, 0, 0, 1, 0, 8},
      {"combat patrol not at war only", 2, 0, 1, 1, 0, -1},
      {"deep space patrol even at war", 2, 0, 1, 0, 1, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::SystemData[1][star_system::kOwner] = c.owner;
    state::PlayerData[player::kCriminalDays] = c.criminalDays;
    state::FactionData[1][faction::kAtWarWith + 2] = c.war;
    state::SkillOwned[state::Stored(kSkillCombatPatrol)] = c.combatPatrol;
    state::SkillOwned[state::Stored(kSkillDeepSpacePatrol)] = c.deepPatrol;
    SetupShipCombat(state::kClassStarwolf, kFactionCoalition, kMilitaryShip, 0, ui);
    EXPECT_EQ(state::PlayerShip[ship::kReinforcements], c.expected);
  }
  // Leftovers of an earlier fight are gone; the player's ship keeps its shields.
  state::PlayerShip[ship::kShields] = 17;
  state::PlayerShip[ship::kGunVolleys] = 4;
  state::PlayerShip[ship::kMissileReload] = 3;
  state::PlayerModifiers[2][modifier::kActive] = 1;
  state::EnemyModifiers[5][modifier::kActive] = 1;
  state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
  state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
  combat::BoardingOffered = 1;
  SetupShipCombat(state::kClassStarwolf, kFactionCoalition, kMilitaryShip, 0, ui);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 17);
  EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], 0);
  EXPECT_EQ(state::PlayerShip[ship::kMissileReload], 0);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(state::PlayerShip[ship::kLongActionPointBar], 0);
  EXPECT_EQ(state::PlayerModifiers[2][modifier::kActive], 0);
  EXPECT_EQ(state::EnemyModifiers[5][modifier::kActive], 0);
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_EQ(state::EnemyMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_EQ(combat::BoardingOffered, 0);
  Ships(state::kClassGettysburg, state::kClassStarwolf);
  SetupShipCombat(state::kClassStarwolf, kFactionCoalition, kMilitaryShip, 0, ui);
  EXPECT_EQ(state::PlayerShip[ship::kLongActionPointBar], 1)
      << "six action points show the eight-step bar";
}

TEST_F(SetupTest, PicturesAsData) {
  // A Stargun fighter with a Fusion gun against a pirate Patton destroyer carrying a mine layer.
  Ships(state::kClassStargun, state::kClassStarwolf);
  state::PlayerShip[ship::kFaction] = 1;
  state::PlayerShip[ship::kGun] = state::Stored(kGunFusion);
  state::PlayerShip[ship::kMissileLauncher] = state::Stored(kMissileMineMk1);
  state::PlayerData[player::kLevel] = 16;
  SetupShipCombat(state::kClassPatton, kFactionPirates, kTraderShip, 0, ui);
  const auto& p = combat::Pictures;
  EXPECT_EQ(p.playerNormal, "Federation_Stargun_l_n.jpg");
  EXPECT_EQ(p.playerShield, "Federation_Stargun_l_s.jpg");
  EXPECT_EQ(p.playerFiring, "Federation_Stargun_l_f4.jpg");
  EXPECT_EQ(p.enemyNormal, "Pirate_Patton_r_n.jpg");
  EXPECT_EQ(p.enemyShield, "Pirate_Patton_r_s.jpg");
  const std::string enemyGun = GunId{state::EnemyShip[ship::kGun]} == kGunTurboLaser ? "f2" : "f8";
  EXPECT_EQ(p.enemyFiring, "Pirate_Patton_r_" + enemyGun + ".jpg");
  EXPECT_EQ(p.missile.file, std::string(state::MissileItem(kMissileMineMk1).picture) + "_Side_l.jpg");
  EXPECT_EQ(p.missile.width, 60);
  EXPECT_EQ(p.enemyMissile.file, std::string(state::MissileItem(kMissileZeusMk1).picture) + "_Side_r.jpg");
  EXPECT_EQ(p.enemyMissile.width, 120);
  EXPECT_EQ(p.enemyMissile.height, 60);
  // The smaller player ship is drawn small and stretched; the destroyer fills its panel.
  EXPECT_EQ(p.playerPrimary.file, p.playerNormal);
  EXPECT_EQ(p.playerPrimary.left, 71);
  EXPECT_EQ(p.playerPrimary.width, 140);
  EXPECT_EQ(p.playerPrimary.height, 80);
  EXPECT_TRUE(p.playerPrimary.stretch);
  EXPECT_EQ(p.enemyPrimary.width, 280);
  EXPECT_EQ(p.enemyPrimary.height, 160);
  EXPECT_FALSE(p.enemyPrimary.stretch);
  EXPECT_EQ(p.playerShipPanel.left, 47);
  EXPECT_EQ(p.enemyShipPanel.left, 421);
  EXPECT_EQ(p.missilePanel.left, 240);
  EXPECT_EQ(p.enemyMissilePanel.left, 443);

  // The starbase always fires its first picture, fills a tall panel; the fighter is small.
  Ships(state::kClassSabre, state::kClassStarwolf);
  state::PlayerShip[ship::kGun] = state::Stored(kGunGatling);
  SetupShipCombat(state::kStarbaseClass, kFactionOuterRim, kMilitaryShip, 0, ui);
  EXPECT_EQ(combat::Pictures.enemyFiring, "Outerrim_Spacestation_r_f1.jpg");
  EXPECT_EQ(combat::Pictures.enemyPrimary.height, 220);
  EXPECT_EQ(combat::Pictures.playerFiring, "Federation_Killerbee_l_f2.jpg");
  EXPECT_EQ(combat::Pictures.playerPrimary.width, 160);
  EXPECT_EQ(combat::Pictures.playerPrimary.height, 126);
}

}  // namespace
}  // namespace combat_test
