// Ability buttons and the end of a fight: medals, experience, loot, the player's loss and the
// tutorial's rescue.
#include <gtest/gtest.h>

#include "combat_fixture.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/skills.h"

namespace combat_test {
namespace {

class EndTest : public CombatTest {
 protected:
  void SetUp() override {
    CombatTest::SetUp();
    state::FactionText[1][faction_text::kLogo] = "FederationLogo";
    state::PlayerData[player::kLevel] = 5;  // far from the next level
  }
};

TEST_F(EndTest, WinPaysMedalsExperienceAndLoot) {
  struct Case {
    const char* what;
    state::ShipClassId playerClass, enemyClass;
    std::int32_t enemyFaction, goldStarOwned;
    int silver, gold;
  };
  const Case cases[] = {
      {"a larger foreign ship earns the Silver Star", state::kClassStarwolf, state::kClassShadowcat,
       2, 0, 1, 0},
      {"a larger ship of the own faction earns nothing", state::kClassStarwolf,
       state::kClassShadowcat, 1, 0, 0, 0},
      {"a ship of the same size earns nothing", state::kClassShadowcat, state::kClassShadowcat, 2,
       0, 0, 0},
      {"the starbase earns both stars", state::kClassStarwolf, state::kStarbaseClass, 2, 0, 1, 1},
      {"the Gold Star only once", state::kClassStarwolf, state::kStarbaseClass, 2, 1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ships(c.playerClass, c.enemyClass);
    ui.silverStars = ui.goldStars = 0;
    ui.closed = false;
    state::EnemyShip[ship::kFaction] = c.enemyFaction;
    state::PlayerData[player::kGoldStar] = c.goldStarOwned;
    state::PlayerData[player::kLevel] =
        18;  // far from the next level, so no promotion resets the count
    state::PlayerData[player::kExperience] = 0;
    state::SkillOwned[state::Stored(kSkillRumors)] = 1;  // "Rumors": a quarter more
    state::EnemyShip[ship::kShields] = 0;
    combat::CheckShipCombatEnd(ui);
    EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
    EXPECT_EQ(ui.silverStars, c.silver);
    EXPECT_EQ(ui.goldStars, c.gold);
    const std::int32_t xp = state::GetShipClassExperience(c.enemyClass);
    EXPECT_EQ(state::PlayerData[player::kExperience], xp + xp / 4);
    EXPECT_TRUE(ui.closed);
    EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
  }
  EXPECT_EQ(ui.Lines("experience popup").back(),
            "experience popup:  / You receive some experience points. The more you have the more "
            "likely you will be promoted. [FederationLogo.jpg]");
  EXPECT_EQ(ui.Lines("picture popup: Well done!").size(), 5u);
  EXPECT_EQ(ui.Lines("cue Explosion_Ship.wav").size(), 5u);
  // A second check after the end changes nothing.
  const auto lines = ui.transcript.size();
  combat::CheckShipCombatEnd(ui);
  EXPECT_EQ(ui.transcript.size(), lines);
}

TEST_F(EndTest, TheCheatDestroysTheEnemyOfAFightUnderWayOnly) {
  state::PlayerData[player::kExperience] = 0;
  combat::DestroyEnemyByCheat(ui);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_TRUE(ui.closed);
  EXPECT_GT(state::PlayerData[player::kExperience], 0) << "a win like any other";
  // After the end a second use changes nothing.
  const auto player = state::PlayerData;
  ui.transcript.clear();
  combat::DestroyEnemyByCheat(ui);
  EXPECT_EQ(state::PlayerData, player);
  EXPECT_TRUE(ui.transcript.empty());
}

TEST_F(EndTest, LootIsLimitedByTheFreeCargoSpace) {
  struct Case {
    const char* what;
    std::int32_t enemyCargo, freeSpace, specialKind, specialSubKind;
    std::int32_t multiplier;
  };
  const Case cases[] = {
      {"an empty enemy hold gives nothing", 0, 100, 0, 0, 1},
      {"ordinary loot is halved", 100, 1000, 0, 0, 1},
      {"a trader from the sensors is not halved", 100, 1000, 1, 0, 1},
      {"valuable cargo is worth three times", 100, 1000, 1, 3, 3},
      {"a treasure fleet ten times", 100, 1000, 1, 4, 10},
      {"a full hold leaves it all behind", 100, 0, 0, 0, 1},
      {"part of it left behind", 100, 10, 0, 0, 1},
      {"a large hold is not capped at 101 units", 2000, 5000, 1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
      Ships(state::kClassStarwolf, state::kClassShadowcat);
      ui.transcript.clear();
      state::Cargo = {};
      state::PlayerShip[ship::kCargoSpace] = c.freeSpace + 30;
      state::Cargo[4] = 30;
      state::EnemyShip[ship::kCargoSpace] = c.enemyCargo;
      state::SpecialShips[2] = {};
      state::SpecialShips[2][special_ship::kKind] = c.specialKind;
      state::SpecialShips[2][special_ship::kSubKind] = c.specialSubKind;
      screens.sensorSelection = 2;
      state::PlayerData[player::kCredits] = 1000;
      state::PlayerData[player::kLevel] = 5;
      state::PlayerData[player::kExperience] = 0;  // no level-up in between
      state::EnemyShip[ship::kShields] = -5;

      state::Randomize(seed);
      const std::int32_t h = c.enemyCargo / 2;
      std::int32_t units = state::Random(h) + h;
      if (c.specialKind != 1) units /= 2;
      const std::int32_t left = units > c.freeSpace ? units - c.freeSpace : 0;
      units -= left;
      const std::int64_t value =
          static_cast<std::int64_t>(state::Random(140) + 70) * units * c.multiplier;

      state::Randomize(seed);
      combat::CheckShipCombatEnd(ui);
      EXPECT_EQ(state::PlayerData[player::kCredits], 1000 + value);
      EXPECT_EQ(state::Cargo[4], 30) << "loot is paid, not stored";
      const auto loot = ui.Lines("loot popup");
      ASSERT_EQ(loot.size(), 1u);
      std::string text;
      if (units > 0 && left > 0) {
        text = "Congratulations! You loot " + std::to_string(units) + "E of cargo (" +
               std::to_string(left) + "E have to be left behind due to limited cargo space). "
               "You can sell it for $" + state::FormatThousands(static_cast<std::int32_t>(value)) +
               ".";
      } else if (units > 0) {
        text = "Congratulations! You loot " + std::to_string(units) +
               "E of cargo. You can sell it for $" +
               state::FormatThousands(static_cast<std::int32_t>(value)) + ".";
      } else {
        text = "Because of your full cargobay you - unfortunately - cannot loot any cargo from "
               "the remains of the enemy ship.";
      }
      EXPECT_EQ(loot[0], "loot popup:  / " + text + " [treasurer.jpg]");
    }
  }
}

TEST_F(EndTest, PlayerLossAndTheTutorialRescue) {
  // Both ships gone in one action: the enemy's destruction is handled, the player wins.
  state::PlayerShip[ship::kShields] = 0;
  state::EnemyShip[ship::kShields] = 0;
  combat::CheckShipCombatEnd(ui);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);

  Ships(state::kClassStarwolf, state::kClassStarwolf);
  ui.closed = false;
  state::PlayerShip[ship::kShields] = -3;
  state::TutorialActive = 1;
  state::TutorialStep = 15;
  state::GameDay = 10;
  combat::CheckShipCombatEnd(ui);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 100);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
  EXPECT_FALSE(ui.closed);
  EXPECT_EQ(ui.Lines("popup: Tutorial / Your shields have collapsed.").size(), 1u);

  state::GameDay = 50;  // too late for the rescue
  state::PlayerShip[ship::kShields] = 0;
  combat::CheckShipCombatEnd(ui);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 0);
  EXPECT_TRUE(ui.closed);
  EXPECT_EQ(ui.Lines("picture popup: Your ship explodes!").size(), 1u);
  EXPECT_EQ(state::CombatMayClose, 0) << "the close handler used the permission up";
}

TEST_F(EndTest, AbilityButtons) {
  // The enemy's turn: ignored.
  state::PlayerShip[ship::kActionPoints] = -100;
  combat::UseAbilitySlot(1, ui);
  EXPECT_TRUE(ui.transcript.empty());
  // Stunned by the enemy's EMP: refused.
  state::PlayerShip[ship::kActionPoints] = 5;
  combat::AddEnemyModifier(state::kEmp2);
  combat::UseAbilitySlot(1, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(ui.Lines("popup: EMP!").size(), 1u);
  state::EnemyModifiers = {};
  // An ability that is not owned does nothing; a slot number out of range neither.
  state::AbilityOwned[1] = 0;
  combat::UseAbilitySlot(1, ui);
  combat::UseAbilitySlot(0, ui);
  combat::UseAbilitySlot(13, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  state::AbilityOwned[1] = 1;
  combat::UseAbilitySlot(1, ui);
  EXPECT_LT(state::PlayerShip[ship::kActionPoints], 5);
}

TEST_F(EndTest, DestroyedShipsAreCounted) {
  struct Case {
    state::ShipClassId shipClass;
    player::Field field;
  };
  using namespace player;
  for (const Case& c : {Case{state::kClassStarwolf, kFightersDestroyed},
                        Case{state::kClassShadowcat, kCorvettesDestroyed},
                        Case{state::kClassPatton, kDestroyersDestroyed},
                        Case{state::kClassNeptun, kCruisersDestroyed},
                        Case{state::kClassMarauder, kBattleshipsDestroyed},
                        Case{state::kStarbaseClass, kBattleshipsDestroyed},
                        Case{state::kClassFerendar, kCiviliansDestroyed},
                        Case{state::kClassOrion, kFightersDestroyed}}) {
    state::PlayerData = {};
    combat::CountDestroyedShip(c.shipClass);
    for (auto f = kMissionsCompleted; f <= kGoodsSold; ++f)
      EXPECT_EQ(state::PlayerData[f], f == c.field ? 1 : 0) << state::Stored(c.shipClass);
  }
  state::PlayerData[player::kFightersDestroyed] = INT32_MAX;
  combat::CountDestroyedShip(state::kClassStarwolf);
  EXPECT_EQ(state::PlayerData[player::kFightersDestroyed], INT32_MAX);
}

}  // namespace
}  // namespace combat_test
