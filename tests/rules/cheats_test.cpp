// The player's cheats: credits, the next promotion, and the three fast starts with their ranks,
// ships, skills, fits, holds, boards and crews.
#include "rules/cheats.h"

#include <gtest/gtest.h>

#include <climits>

#include "state/equipment.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using state::PlayerData;
using state::PlayerShip;

class Cheats : public ::testing::Test {
 protected:
  void SetUp() override { NewWorld(1); }

  void NewWorld(int faction) {
    state::ClearGameState();
    PlayerData[player::kProfession] = 1;
    PlayerData[player::kFaction] = faction;
    state::BuildNewWorld(state::StartShipClass(kProfessionTrader, Faction{faction}));
    state::Randomize(5);
    ui = support::ScriptUi{};
  }

  support::ScriptUi ui;
};

TEST_F(Cheats, CreditsAddAHundredThousandWithoutBonusAndNeverWrap) {
  state::SkillOwned[state::Stored(kSkillAdvancedRewards)] = 1;  // a bonus on pay, not on cheats
  PlayerData[player::kCredits] = 2500;
  rules::CheatCredits(ui);
  EXPECT_EQ(PlayerData[player::kCredits], 102500);
  EXPECT_EQ(ui.statusBarUpdates, 1);

  PlayerData[player::kCredits] = INT_MAX - 10;
  rules::CheatCredits(ui);
  EXPECT_EQ(PlayerData[player::kCredits], INT_MAX);
}

TEST_F(Cheats, ThePromotionCheatBringsExactlyOnePromotionAndNoneAtTheTop) {
  struct Case {
    std::int32_t level, levelAfter;
  };
  for (const Case c : {Case{1, 2}, Case{3, 4}, Case{18, 19}, Case{19, 19}}) {
    SCOPED_TRACE(c.level);
    NewWorld(1);
    PlayerData[player::kLevel] = c.level;
    PlayerData[player::kExperience] = 0;
    rules::CheatNextPromotion(ui);
    EXPECT_EQ(PlayerData[player::kLevel], c.levelAfter);
    if (c.level != c.levelAfter) {
      EXPECT_EQ(PlayerData[player::kExperience], 0);
    }
  }
}

TEST_F(Cheats, FastStartsSetRankShipAndSkills) {
  struct Case {
    int start;
    std::int32_t faction, credits, level, rank;
    state::ShipClassId shipClass;
    std::vector<Skill> skills;
    std::vector<int> abilities;
  };
  // Each fast start adds skills to the one before.
  const std::vector<Skill> first = {kSkillTrader, kSkillConnections, kSkillCriminalistics,
                                    kSkillCombatPatrol};
  const std::vector<Skill> second = {kSkillTrader,       kSkillConnections,     kSkillCriminalistics,
                                     kSkillCombatPatrol, kSkillDeepSpacePatrol, kSkillRewards,
                                     kSkillFastRecharge, kSkillRumors};
  const std::vector<Skill> third = {kSkillTrader,       kSkillConnections,     kSkillCriminalistics,
                                    kSkillTracking,     kSkillCombatPatrol,    kSkillDeepSpacePatrol,
                                    kSkillRewards,      kSkillFastRecharge,    kSkillRumors};
  const Case cases[] = {
      {1, 1, 100000, 7, 3, state::kClassPaladin, first, {6, 11}},
      {1, 3, 100000, 7, 3, state::kClassShadowcat, first, {6, 11}},
      {2, 3, 500000, 13, 5, state::kClassNeptun, second, {6, 8, 11, 12}},
      {3, 4, 1000000, 15, 6, state::kClassMarauder, third,
       {6, 8, 11, 12, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "start " << c.start << " faction " << c.faction);
    NewWorld(c.faction);
    state::SkillOwned[state::Stored(kSkillAdvancedTrader)] = 1;  // owned before: kept
    PlayerData[player::kExperience] = 55;
    PlayerData[player::kCampaignRibbons] = 4;
    rules::ApplyFastStart(c.start, ui);

    EXPECT_EQ(PlayerData[player::kCredits], c.credits);
    EXPECT_EQ(PlayerData[player::kLevel], c.level);
    EXPECT_EQ(PlayerData[player::kRank], c.rank);
    EXPECT_EQ(PlayerData[player::kExperience], 0);
    EXPECT_EQ(PlayerData[player::kCampaignRibbons], 4);
    EXPECT_EQ(state::SkillOwned[state::Stored(kSkillAdvancedTrader)], 1);
    for (const Skill skill : c.skills)
      EXPECT_EQ(state::SkillOwned[state::Stored(skill)], 1) << "skill " << state::Stored(skill);
    for (int ability : c.abilities) EXPECT_EQ(state::AbilityOwned[ability], 1) << "ability " << ability;

    EXPECT_EQ(PlayerShip[ship::kClass], state::Stored(c.shipClass));
    EXPECT_EQ(PlayerShip[ship::kShields], state::GetShipClassBaseShields(c.shipClass));
    for (const state::EquipmentCategory category : state::kEquipmentCategories)
      EXPECT_EQ(PlayerShip[state::EquipmentShipField(category)],
                state::GetEquipmentOffers(category, c.shipClass)[0])
          << "category " << state::Stored(category);
    // The hold is the new hull's, not the old one's.
    EXPECT_EQ(PlayerShip[ship::kCargoSpace],
              state::GetShipCargoCapacity(c.shipClass, CargoModuleId{PlayerShip[ship::kCargoModule]},
                                          state::Side::Player));

    ASSERT_EQ(ui.WithTopic("Done").size(), 1u);
    EXPECT_EQ(ui.WithTopic("Done")[0].text,
              "You receive a new ship, a higher rank, some credits and new abilities.");
  }
}

TEST_F(Cheats, AFastStartRebuildsEveryMissionBoard) {
  rules::ApplyFastStart(2, ui);
  int offers = 0;
  for (int s = 1; s <= state::kLastSystem; ++s)
    for (int k = 1; k <= state::kLastOfferSlot; ++k)
      offers += state::MissionOffers[s][k][mission::kActive] == 1;
  EXPECT_GT(offers, 0);
}

TEST_F(Cheats, AFastStartRaisesOnlyTheCrewmenToTheMinimumCrew) {
  struct Case {
    std::int32_t crewmen, officers, pirates, marines, crewmenAfter;
  };
  const std::int32_t needed = state::GetShipClassStat(state::kClassNeptun, state::kAttrMinCrew);
  ASSERT_GT(needed, 6);
  for (const Case c : {Case{3, 1, 2, 5, needed - 3}, Case{needed, 0, 0, 0, needed},
                       Case{needed + 4, 1, 0, 0, needed + 4}}) {
    SCOPED_TRACE(c.crewmen);
    NewWorld(2);
    PlayerShip[ship::kCrewmen] = c.crewmen;
    PlayerShip[ship::kOfficers] = c.officers;
    PlayerShip[ship::kPirates] = c.pirates;
    PlayerShip[ship::kMarines] = c.marines;  // marines do not fly a ship
    rules::ApplyFastStart(2, ui);
    EXPECT_EQ(PlayerShip[ship::kCrewmen], c.crewmenAfter);
    EXPECT_EQ(PlayerShip[ship::kMarines], c.marines);
  }
}

TEST_F(Cheats, AnUnknownFastStartChangesNothing) {
  const state::TShipRow ship = PlayerShip;
  const auto player = PlayerData;
  for (int start : {0, 4, -1}) rules::ApplyFastStart(start, ui);
  EXPECT_EQ(PlayerShip, ship);
  EXPECT_EQ(PlayerData, player);
  EXPECT_TRUE(ui.popups.empty());
}

}  // namespace
