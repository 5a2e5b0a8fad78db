#include "rules/campaigns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "rules/news.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "support/script_ui.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::NewsHeadline;
using state::NewsList;
using state::PlayerData;
using state::SystemData;

class Campaigns : public World {
 protected:
  support::ScriptUi ui;

  // System 3 of the Outer Rim besieged by the Federation, `days` days long, on its last day.
  void SiegeEndingToday(int attackerPoints, int defenderPoints) {
    AddSystem(1, 1);
    AddSystem(3, 2);
    AddBody(3, 1, kSun);
    AddBody(3, 2, 1);
    AddBody(3, 3, 2);
    state::BodyData[3][3][body::kVisible] = 0;  // hidden: keeps its owner
    SystemData[3][star_system::kCampaign] = 1;
    SystemData[3][star_system::kAttacker] = 1;
    SystemData[3][star_system::kCampaignDays] = 299;
    SystemData[3][star_system::kSiegeDays] = 300;
    SystemData[3][star_system::kAttackerPoints] = attackerPoints;
    SystemData[3][star_system::kDefenderPoints] = defenderPoints;
    ui.SetVisible(rules::Screen::Travel);
  }

  // Systems 1..count owned by faction f.
  static void Territory(int first, int count, int f) {
    for (int s = first; s < first + count; ++s) AddSystem(s, f);
  }
};

TEST_F(Campaigns, WarBondLevelFollowsTheSideSize) {
  struct Case {
    int systems;
    std::int32_t bonds;
    int level;
  };
  const Case cases[] = {
      {2, 120000, 3},     {1, 49999, 1},      {1, 50000, 2},     {2, 149999, 3},
      {2, 150000, 4},     {3, 100000, 2},     {3, 299999, 3},    {4, 999999, 1},
      {5, 3000000, 4},    {6, 500000, 2},     {10, 1499999, 3},  {11, 1000000, 2},
      {16, 2999999, 3},   {17, 2499999, 1},   {24, 7500000, 4},  {0, 500000, 2},
      {25, 1000000, 3},   {1, INT_MAX, 4},    {24, 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rules::WarBondLevel(c.systems, c.bonds), c.level) << c.systems << " " << c.bonds;
  }
}

TEST_F(Campaigns, TheSiegeEndsInConquestOrFailure) {
  struct Case {
    std::string name;
    int attackerPoints, defenderPoints;
    int playerFaction, playerMissions;
    bool conquered;
    int wonAsAttacker, wonAsDefender;
  };
  const Case cases[] = {
      {"attacker far ahead", 200, 10, 3, 0, true, 0, 0},
      {"player helped the attacker", 200, 10, 1, 2, true, 1, 0},
      {"player of the attacker without missions", 200, 10, 1, 0, true, 0, 0},
      {"defender far ahead", 10, 200, 3, 0, false, 0, 0},
      {"player helped the defender", 10, 200, 2, 4, false, 0, 1},
      {"player of the attacker loses", 10, 200, 1, 4, false, 0, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    ui.Clear();
    SiegeEndingToday(c.attackerPoints, c.defenderPoints);
    PlayerData[player::kFaction] = c.playerFaction;
    SystemData[3][star_system::kCampaignMissions] = c.playerMissions;
    rules::UpdateCampaigns(ui);

    EXPECT_EQ(SystemData[3][star_system::kCampaign], 0) << c.name;
    EXPECT_EQ(SystemData[3][star_system::kAttacker], 1) << c.name << ": the attacker is kept";
    EXPECT_EQ(SystemData[3][star_system::kCampaignDays], 300) << c.name;
    EXPECT_EQ(SystemData[3][star_system::kOwner], c.conquered ? 1 : 2) << c.name;
    EXPECT_EQ(state::BodyData[3][2][body::kOwner], c.conquered ? 1 : 2) << c.name;
    EXPECT_EQ(state::BodyData[3][3][body::kOwner], 2) << c.name;
    EXPECT_EQ(PlayerData[player::kAttacksWon], c.wonAsAttacker) << c.name;
    EXPECT_EQ(PlayerData[player::kDefencesWon], c.wonAsDefender) << c.name;
    EXPECT_EQ(rules::NewsKind{NewsList[1][news::kKind]},
              c.conquered ? rules::kNewsSystemCaptured : rules::kNewsInvasionFailed);
    EXPECT_EQ(NewsList[1][news::kSubject], 1);
    EXPECT_EQ(NewsList[1][news::kSecondFaction], 2);
    EXPECT_EQ(NewsList[1][news::kSystem], 3);
    const std::string headline = c.conquered ? "System 3 conquered!" : "System 3 - Invasion failed!";
    EXPECT_EQ(NewsHeadline[1], headline);
    ASSERT_EQ(ui.popups.size(), 1u) << c.name;
    EXPECT_EQ(ui.popups[0].topic, "War news!");
    EXPECT_EQ(ui.popups[0].headline, headline);
  }
}

TEST_F(Campaigns, EqualPointsAtTheEndLeaveTheSystemToTheDefender) {
  bool found = false;
  for (std::uint32_t seed = 0; seed < 1000 && !found; ++seed) {
    SetUp();
    SiegeEndingToday(50, 51);
    state::Randomize(seed);
    rules::UpdateCampaigns(ui);
    if (SystemData[3][star_system::kAttackerPoints] != SystemData[3][star_system::kDefenderPoints])
      continue;
    found = true;
    EXPECT_EQ(SystemData[3][star_system::kOwner], 2);
    EXPECT_EQ(SystemData[3][star_system::kCampaign], 0);
    EXPECT_EQ(rules::NewsKind{NewsList[1][news::kKind]}, rules::kNewsInvasionFailed);
  }
  EXPECT_TRUE(found);
}

TEST_F(Campaigns, ADayOfSiegeIsOneDuelOfFourDraws) {
  SiegeEndingToday(0, 0);
  SystemData[3][star_system::kCampaignDays] = 10;
  state::Randomize(8);
  rules::UpdateCampaigns(ui);
  EXPECT_EQ(SystemData[3][star_system::kCampaignDays], 11);
  EXPECT_EQ(
      SystemData[3][star_system::kAttackerPoints] + SystemData[3][star_system::kDefenderPoints], 1);
  EXPECT_EQ(SystemData[3][star_system::kCampaign], 1);
  EXPECT_EQ(state::RandSeed, SeedAfter(8, 4));
  EXPECT_TRUE(ui.popups.empty());
}

// The day's duel at its edge: seeds are picked so that the attacker's roll beats the defender's by
// exactly one point, or ties it. Any error in either side's strength (size of the side, the player's
// side, the clamp, the bonds) turns one of the two outcomes around.
TEST_F(Campaigns, TheDuelWeighsSideSizesThePlayersSideAndBonds) {
  struct Case {
    std::string name;
    int player;
    int attackerSystems, defenderSystems;
    std::int32_t bonds;
    int attackerBase, defenderBase;    // before the day's Random(10) and the clamp to 20..120
    int attackerBonus, defenderBonus;  // bonds, added after the clamp
    int bondLevel;
  };
  const Case cases[] = {
      {"two other factions, 1 against 3 systems", 3, 1, 3, 500000, 30 + 40 + 10, 40 + 20 + 10, 0, 0, 0},
      {"two other factions, 5 against 24 systems", 3, 5, 19, 0, 30 + 10 + 10, 40 - 40 + 10, 0, 0, 0},
      {"player attacks, 4 against 12 systems", 1, 4, 12, 0, 30 + 10 - 10, 40 - 20 + 10, 0, 0, 0},
      {"player defends, 18 against 6 systems", 2, 18, 6, 0, 30 - 40 + 10, 40 - 10, 0, 0, 0},
      {"player attacks from 2 systems with bonds", 1, 2, 17, 120000, 30 + 40 - 10, 40 - 40 + 10, 90,
       0, 3},
      {"player defends 3 systems with bonds", 2, 11, 3, 100000, 30 - 20 + 10, 40 + 20, 0, 60, 2},
  };
  for (const Case& c : cases) {
    for (const int margin : {1, 0}) {
      SetUp();
      ui.Clear();
      // Systems 1..n of the attacker; the besieged system and the rest of the defender's from 24
      // downward.
      for (int s = 1; s <= c.attackerSystems; ++s) AddSystem(s, 1);
      for (int s = 24; s > 24 - c.defenderSystems; --s) AddSystem(s, 2);
      const int besieged = 24;
      SystemData[besieged][star_system::kCampaign] = 1;
      SystemData[besieged][star_system::kAttacker] = 1;
      SystemData[besieged][star_system::kSiegeDays] = 100;
      PlayerData[player::kFaction] = c.player;
      PlayerData[player::kWarBonds] = c.bonds;
      state::Randomize(FindSeed([&] {
        const int a = std::clamp(c.attackerBase + state::Random(10), 20, 120) + c.attackerBonus;
        const int d = std::clamp(c.defenderBase + state::Random(10), 20, 120) + c.defenderBonus;
        const int x = state::Random(150) + a;
        const int y = state::Random(150) + d;
        return x - y == margin;
      }));
      rules::UpdateCampaigns(ui);
      const std::string label = c.name + (margin == 1 ? ", attacker one ahead" : ", a tie");
      EXPECT_EQ(SystemData[besieged][star_system::kAttackerPoints], margin == 1 ? 1 : 0) << label;
      EXPECT_EQ(SystemData[besieged][star_system::kDefenderPoints], margin == 1 ? 0 : 1) << label;
      EXPECT_EQ(PlayerData[player::kWarBondLevel], c.bondLevel) << label;
    }
  }
}

// With the strongest bonds a tiny side of the player's always beats a huge one, attacking or
// defending; the bond level is stored only for the player's side.
TEST_F(Campaigns, WarBondsStrengthenOnlyThePlayersSide) {
  struct Case {
    std::string name;
    int player;
    bool attackerAlwaysWins, defenderAlwaysWins;
    int level;
  };
  const Case cases[] = {
      {"player attacks from one system", 1, true, false, 4},
      {"player defends one system", 2, false, true, 4},
  };
  for (const Case& c : cases) {
    SetUp();
    AddSystem(1, c.player == 1 ? 1 : 3);
    AddSystem(3, 2);
    if (c.player == 1) {
      Territory(4, 20, 2);  // the defender is large
    } else {
      AddSystem(1, 1);
      Territory(4, 20, 1);  // the attacker is large
    }
    SystemData[3][star_system::kCampaign] = 1;
    SystemData[3][star_system::kAttacker] = 1;
    SystemData[3][star_system::kSiegeDays] = 1'000'000;
    PlayerData[player::kFaction] = c.player;
    PlayerData[player::kWarBonds] = 1'000'000;
    for (int day = 0; day < 500; ++day) rules::UpdateCampaigns(ui);
    EXPECT_EQ(PlayerData[player::kWarBondLevel], c.level) << c.name;
    if (c.attackerAlwaysWins) {
      EXPECT_EQ(SystemData[3][star_system::kDefenderPoints], 0) << c.name;
    }
    if (c.defenderAlwaysWins) {
      EXPECT_EQ(SystemData[3][star_system::kAttackerPoints], 0) << c.name;
    }
  }

  // A campaign between two other factions leaves the player's bond level alone.
  SetUp();
  AddSystem(1, 1);
  AddSystem(3, 2);
  SystemData[3][star_system::kCampaign] = 1;
  SystemData[3][star_system::kAttacker] = 1;
  SystemData[3][star_system::kSiegeDays] = 1000;
  PlayerData[player::kFaction] = 3;
  PlayerData[player::kWarBonds] = 1'000'000;
  rules::UpdateCampaigns(ui);
  EXPECT_EQ(PlayerData[player::kWarBondLevel], 0);
}

TEST_F(Campaigns, MissionPointsByTypeShipSizeAndCount) {
  state::ShipClassId small = state::kNoShipClass, large = state::kNoShipClass;
  for (const state::ShipClassId cls : state::kEveryShipClass) {
    const state::ShipSize size = state::GetShipClassSize(cls);
    if (size == state::kSizeBattleship && large == state::kNoShipClass) large = cls;
    if (size > state::kNoSize && size < state::kSizeBattleship && small == state::kNoShipClass)
      small = cls;
  }
  ASSERT_NE(small, state::kNoShipClass);
  ASSERT_NE(large, state::kNoShipClass);

  struct Case {
    int type;
    bool largeShip;
    int missionsBefore;
    bool commandHq;
    bool playerAttacks;
    int points;
  };
  const Case cases[] = {
      {1, false, 0, false, true, 60},    {10, false, 0, false, true, 28},
      {14, false, 0, false, true, 28},   {3, false, 0, false, true, 240},
      {6, false, 0, false, true, 240},   {11, false, 0, false, true, 240},
      {18, false, 0, false, true, 120},  {18, true, 0, false, true, 60},
      {12, false, 0, false, true, 120},  {23, false, 0, false, true, 120},
      {26, false, 0, false, true, 240},  {1, false, 2, false, true, 60},
      {1, false, 3, false, true, 45},    {1, false, 11, false, true, 45},
      {1, false, 12, false, true, 30},   {1, true, 4, false, true, 60},
      {1, true, 5, false, true, 45},     {1, true, 40, false, true, 45},
      {1, false, 0, true, true, 90},     {3, false, 12, true, false, 180},
      {15, false, 0, false, true, 28},   {22, false, 0, false, true, 120},
      {24, false, 0, false, true, 120},  {25, false, 0, false, true, 240},
  };
  for (const Case& c : cases) {
    SetUp();
    AddSystem(3, 2);
    SystemData[3][star_system::kAttacker] = 1;
    SystemData[3][star_system::kCampaignMissions] = c.missionsBefore;
    PlayerData[player::kFaction] = c.playerAttacks ? 1 : 2;
    state::PlayerShip[ship::kClass] = state::Stored(c.largeShip ? large : small);
    state::PlayerShip[ship::kTargeting] = c.commandHq ? 6 : 0;
    state::ActiveMission[mission::kType] = c.type;
    state::ActiveMission[mission::kCampaignSystem] = 3;
    rules::ApplyMissionToCampaign();
    const std::string label = "type " + std::to_string(c.type) + " after " +
                              std::to_string(c.missionsBefore);
    EXPECT_EQ(SystemData[3][star_system::kCampaignMissions], c.missionsBefore + 1) << label;
    EXPECT_EQ(SystemData[3][star_system::kLastCampaignMissionType], c.type)
        << label << ": the campaign's report tells of this mission";
    EXPECT_EQ(SystemData[3][star_system::kAttackerPoints], c.playerAttacks ? c.points : 0) << label;
    EXPECT_EQ(SystemData[3][star_system::kDefenderPoints], c.playerAttacks ? 0 : c.points) << label;
  }

  // A mission without a campaign system changes nothing.
  for (int system : {0, 25, -1}) {
    state::ActiveMission[mission::kCampaignSystem] = system;
    rules::ApplyMissionToCampaign();
  }
  SystemData[3][star_system::kAttackerPoints] = INT_MAX - 10;
  PlayerData[player::kFaction] = 1;
  state::ActiveMission[mission::kCampaignSystem] = 3;
  rules::ApplyMissionToCampaign();
  EXPECT_EQ(SystemData[3][star_system::kAttackerPoints], INT_MAX);
}

}  // namespace
