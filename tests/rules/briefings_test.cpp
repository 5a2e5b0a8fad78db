// Mission briefings and the names of hunted captains: drawn once, kept in the record, never empty
// once drawn, and the same wherever the mission is shown.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/briefings.h"
#include "rules/missions.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/variables.h"
#include "support/rows.h"

namespace {

using state::ActiveMission;
using state::MissionOffers;

class Briefings : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::Randomize(3);
  }
  static std::string Text(MissionType type, int variant) {
    MissionOffers[5][2][mission::kBriefingVariant] = variant;
    return rules::GetMissionBriefing(type, 0, 5, 2);
  }
};

TEST_F(Briefings, EveryTypeHasATextForEveryVariantItsDrawCanGive) {
  struct Family {
    MissionType type;
    int variants;  // what the builder's draw can give: 1..variants
    int distinct;  // different wordings among them
  };
  const Family families[] = {
      {kMissionSearchAndDestroy, 10, 10}, {kMissionPatrol, 10, 10}, {kMissionTransport, 10, 10}, {kMissionAmbush, 10, 10}, {kMissionBounty, 10, 10}, {kMissionSupply, 10, 10}, {kMissionSpecialForces, 10, 10},
      {kMissionReportForDuty, 10, 1},  {kMissionStrike, 10, 1},  {kMissionCombatPatrol, 10, 2}, {kMissionCombatTransport, 10, 1}, {kMissionAssault, 10, 2}, {kMissionInfiltrate, 10, 1}, {kMissionEscort, 10, 1},
      {kMissionRecon, 10, 1}, {kMissionMarineLanding, 10, 1}, {kMissionEvacuation, 10, 1}, {kMissionAbduction, 10, 1}, {kMissionAnalysis, 10, 1}, {kMissionBlitzkrieg, 4, 4},  {kMissionFlanking, 10, 10},
      {kMissionSuppression, 10, 10}, {kMissionBombingRun, 10, 10}, {kMissionBattle, 10, 10}, {kMissionSiege, 10, 10}, {kMissionRaiding, 10, 10}, {kMissionFlagship, 3, 3},
  };
  MissionOffers[5][2][mission::kTargetBody] = 2;
  MissionOffers[5][2][mission::kTargetSystem] = 5;
  state::BodyText[5][2][body_text::kName] = "Arcadia";
  state::SystemText[5][system_text::kName] = "Northmarch";
  std::set<std::string> everyText;
  for (const Family& f : families) {
    std::set<std::string> texts;
    for (int v = 1; v <= f.variants; ++v) {
      const std::string text = Text(f.type, v);
      EXPECT_FALSE(text.empty()) << "type " << state::Stored(f.type) << " variant " << v;
      texts.insert(text);
      everyText.insert(text);
    }
    EXPECT_EQ(static_cast<int>(texts.size()), f.distinct) << "type " << state::Stored(f.type);
    // A stored variant the builder has no wording for gives the empty text (a damaged save).
    EXPECT_EQ(Text(f.type, f.variants + 1), "") << "type " << state::Stored(f.type);
    EXPECT_EQ(Text(f.type, -1), "") << "type " << state::Stored(f.type);
  }
  EXPECT_EQ(everyText.size(), 13u * 10 + 10 + 2 * 2 + 4 + 3) << "no two types share a wording";
  EXPECT_EQ(rules::GetMissionBriefing(kNoMissionType, 0, 5, 2), "");
  EXPECT_EQ(rules::GetMissionBriefing(MissionType{28}, 0, 5, 2), "");
}

TEST_F(Briefings, QuotedWordingsStandAsTheGameWritesThem) {
  EXPECT_EQ(Text(kMissionStrike, 3),
            "We have located an enemy patrol investigating our positions. It is your mission to attack "
            "the enemy ship and make sure he can’t make a call home.");
  EXPECT_EQ(Text(kMissionRecon, 1),
            "The enemy is jamming our sensors and we urgently need information about the enemies "
            "position in this system. Your mission is to fly a three-point recon patrol and scan every "
            "NavPoint on your route. ´Spy equipment´ is required.");
  EXPECT_EQ(Text(kMissionCombatPatrol, 4).rfind("One of the most important rules of warfare", 0), 0u);
  EXPECT_EQ(Text(kMissionCombatPatrol, 5).rfind("The enemy has placed several unarmed spy beacons", 0), 0u);
  EXPECT_EQ(Text(kMissionAssault, 4).rfind("Code red:", 0), 0u);
  EXPECT_EQ(Text(kMissionAssault, 5).rfind("Our intelligence was able", 0), 0u);
  EXPECT_NE(Text(kMissionBlitzkrieg, 3).find("Our diversion worked – this is a chance"), std::string::npos);
}

TEST_F(Briefings, TheVariantIsDrawnOnceAndKept) {
  MissionOffers[5][2][mission::kType] = state::Stored(kMissionSearchAndDestroy);
  const std::string first = rules::GetMissionTextSearchAndDestroy(0, 5, 2);
  const int variant = MissionOffers[5][2][mission::kBriefingVariant];
  EXPECT_GE(variant, 1);
  EXPECT_LE(variant, 10);
  const std::uint32_t seed = state::RandSeed;
  EXPECT_EQ(rules::GetMissionTextSearchAndDestroy(0, 5, 2), first);
  EXPECT_EQ(state::RandSeed, seed) << "a stored variant draws nothing";
  // Accepted, the mission reads the same on the travel screen.
  ActiveMission = MissionOffers[5][2];
  EXPECT_EQ(rules::GetMissionTextSearchAndDestroy(1, 17, 4), first);
  // Draws spread over all ten wordings, never the empty 0.
  std::set<int> seen;
  for (int i = 0; i < 400; ++i) {
    MissionOffers[5][2][mission::kBriefingVariant] = 0;
    rules::GetMissionTextPatrol(0, 5, 2);
    seen.insert(MissionOffers[5][2][mission::kBriefingVariant]);
    MissionOffers[5][3][mission::kBriefingVariant] = 0;
    rules::GetMissionTextBlitzkrieg(0, 5, 3);
    EXPECT_GE(MissionOffers[5][3][mission::kBriefingVariant], 1);
    EXPECT_LE(MissionOffers[5][3][mission::kBriefingVariant], 4);
    MissionOffers[5][4][mission::kBriefingVariant] = 0;
    rules::GetMissionTextFlagship(0, 5, 4);
    EXPECT_GE(MissionOffers[5][4][mission::kBriefingVariant], 1);
    EXPECT_LE(MissionOffers[5][4][mission::kBriefingVariant], 3);
  }
  EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(Briefings, SuppressionAndBombingRunNameTheRecordsOwnTarget) {
  state::BodyText[7][3][body_text::kName] = "Greyhaven";
  state::SystemText[7][system_text::kName] = "Moor";
  ActiveMission = test_rows::MissionRow().Target(7, 3).Set(mission::kBriefingVariant, 2);
  EXPECT_EQ(rules::GetMissionTextSuppression(1, 0, 0),
            "The citizens of Greyhaven in the Moor system have been causing some trouble lately. If "
            "this continues, they might turn their world over to the enemy. Your task is to head to "
            "Moor immediately and restore order. Be prepared for combat if necessary.");
  ActiveMission[mission::kBriefingVariant] = 7;
  EXPECT_EQ(rules::GetMissionTextBombingRun(1, 0, 0),
            "The order came in from High Command a few hours ago. Planet Greyhaven in the Moor system "
            "is to be assaulted from orbit. Take your battlegroup, defeat the remaining waves at "
            "Greyhaven, and initiate your bombing run.");
}

TEST_F(Briefings, TheFlagshipOrdersFollowTheCurrentRank) {
  state::PlayerName = "Ada Quill";
  state::PlayerData[player::kFaction] = 2;
  ActiveMission[mission::kBriefingVariant] = 2;
  for (int rank : {1, 5}) {
    state::PlayerData[player::kRank] = rank;
    EXPECT_EQ(rules::GetMissionTextFlagship(1, 0, 0).rfind(
                  state::GetRankTitleShort(kFactionOuterRim, Rank{rank}) + " Ada Quill, we have a special mission for you.", 0),
              0u);
  }
}

TEST_F(Briefings, NamesOfHuntedCaptains) {
  struct Case {
    int index;
    const char* criminal;
    const char* ace;
  };
  const Case cases[] = {{1, "\"Blackbeard\"", "\"Starkiller\""},
                        {6, "\"Ray The Killer\"", "\"Torpedo\""},
                        {10, "\"Hellkid\"", "\"Lady\""},
                        {11, "\"Troublemaker\"", "\"Troublemaker\""},
                        {-3, "\"Troublemaker\"", "\"Troublemaker\""}};
  for (const Case& c : cases) {
    MissionOffers[9][1][mission::kNameVariant] = c.index;
    EXPECT_EQ(rules::GetBountyTargetName(0, 9, 1), c.criminal);
    EXPECT_EQ(rules::GetAbductionTargetName(0, 9, 1), c.ace);
  }
  MissionOffers[9][1][mission::kNameVariant] = 0;
  const std::string name = rules::GetBountyTargetName(0, 9, 1);
  EXPECT_GE(MissionOffers[9][1][mission::kNameVariant], 1);
  EXPECT_LE(MissionOffers[9][1][mission::kNameVariant], 10);
  EXPECT_EQ(rules::GetBountyTargetName(0, 9, 1), name);
  // A record outside the boards has no text and changes no table.
  EXPECT_EQ(rules::GetMissionTextPatrol(0, 99, 1), "");
  EXPECT_EQ(rules::GetMissionTextPatrol(0, 3, -1), "");
  EXPECT_EQ(rules::GetBountyTargetName(0, 99, 1), "\"Troublemaker\"");
}

}  // namespace
