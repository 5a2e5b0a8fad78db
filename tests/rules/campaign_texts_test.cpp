#include "rules/campaign_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "state/fields.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::SystemData;

class CampaignTexts : public World {};

std::string Status(int defenderTrend, int attackerTrend) {
  return rules::BuildCampaignStatusText("Syndicate", "Federation", "Hope", defenderTrend,
                                        attackerTrend, 3);
}

TEST_F(CampaignTexts, SituationReportWithTheLaterTrendOverridingTheEarlier) {
  const std::string opening =
      "\"The Syndicate is invading the Hope system – currently under control of the Federation. "
      "Heavy fighting is taking place. ";
  struct Case {
    int defenderTrend, attackerTrend, variant;
    std::string second;
  };
  const Case cases[] = {
      {0, 0, 1, "Both forces are almost of equal strength. Several battlegroups are right now "
                "manouvering to get into a position to attack the enemy forces."},
      {5, 1, 1, "Both forces are almost of equal strength. Several battlegroups are right now "
                "manouvering to get into a position to attack the enemy forces."},
      {4, 0, 2, "The defenders have broken the siege and have been relieved by additional "
                "reinforcements. The Syndicate losses have been great and they might decide to "
                "withdraw from this system soon."},
      {3, 0, 1, "The rugged defense of the Federation has lead to success and the Syndicate is on "
                "the retreat. However the battle is not over yet and the tide could turn any "
                "moment."},
      {4, 3, 1, "During the recent fighting the Syndicate seem to have turned the tide and are on "
                "the advance."},
      {3, 3, 2, "The invaders have won several important skirmishes and have gained the upper-hand "
                "in the conflict."},
      {3, 4, 1, "The current campaign has almost left nothing of the former strength of the "
                "Federation defending battlegroups. A defeat seems almost sure."},
      {0, 4, 2, "Most of the Federation fleet has broken and is withdrawing from the system. With "
                "the star base almost defenceless it seems just a matter of time until the "
                "Syndicate will control the system completetly."},
  };
  for (const Case& c : cases) {
    SystemData[3][star_system::kSituationVariant] = 1;
    SystemData[3][star_system::kSituationEndVariant] = c.variant;
    EXPECT_EQ(Status(c.defenderTrend, c.attackerTrend), opening + c.second + "\"")
        << c.defenderTrend << "/" << c.attackerTrend;
  }
  SystemData[3][star_system::kSituationEndVariant] = 1;
  EXPECT_NE(Status(4, 0).find(" The Syndicate will need either serious reinforcements "
                              "themselves or a miracle to win this campaign.\""),
            std::string::npos);
}

TEST_F(CampaignTexts, VariantsAreDrawnOnceAndSurviveANewCampaignInTheSystem) {
  state::Randomize(21);
  const std::string status = Status(0, 0);
  const std::string word = rules::BuildCampaignNotEngagedText(3);
  EXPECT_EQ(state::RandSeed, SeedAfter(21, 3));
  EXPECT_GE(SystemData[3][star_system::kSituationVariant], 1);
  EXPECT_LE(SystemData[3][star_system::kSituationVariant], 10);
  for (const star_system::Field field :
       {star_system::kSituationEndVariant, star_system::kFirstReportVariant}) {
    EXPECT_GE(SystemData[3][field], 1);
    EXPECT_LE(SystemData[3][field], 2);
  }
  // A new campaign clears the campaign fields, not the text variants.
  for (int field = 22; field <= 26; ++field) SystemData[3].At(field) = 0;
  EXPECT_EQ(Status(0, 0), status);
  EXPECT_EQ(rules::BuildCampaignNotEngagedText(3), word);
  EXPECT_EQ(state::RandSeed, SeedAfter(21, 3));

  // Every first sentence names the three parties.
  for (int v = 1; v <= 10; ++v) {
    SystemData[3][star_system::kSituationVariant] = v;
    const std::string text = Status(0, 0);
    EXPECT_NE(text.find("Syndicate"), std::string::npos) << v;
    EXPECT_NE(text.find("Federation"), std::string::npos) << v;
    EXPECT_NE(text.find("Hope"), std::string::npos) << v;
    EXPECT_EQ(text.find('{'), std::string::npos) << v;
  }
  EXPECT_EQ(rules::BuildCampaignNotEngagedText(0), "");
}

// The variants are drawn in field order, each over its whole range: the first sentence of the
// report from 1..10, then the second from 1..2; High Command's three sentences one after another.
TEST_F(CampaignTexts, VariantsAreDrawnInFieldOrderOverTheirWholeRange) {
  state::Randomize(FindSeed([] { return state::Random(10) == 9 && state::Random(2) == 0; }));
  Status(0, 0);
  EXPECT_EQ(SystemData[3][star_system::kSituationVariant], 10);
  EXPECT_EQ(SystemData[3][star_system::kSituationEndVariant], 1);

  state::Randomize(FindSeed([] {
    return state::Random(2) == 1 && state::Random(2) == 0 && state::Random(2) == 0;
  }));
  rules::BuildCampaignInfluenceText(3, kMissionTransport, 1);
  EXPECT_EQ(SystemData[3][star_system::kFirstReportVariant], 2);
  EXPECT_EQ(SystemData[3][star_system::kSecondReportVariant], 1);
  EXPECT_EQ(SystemData[3][star_system::kThirdReportVariant], 1);
}

TEST_F(CampaignTexts, HighCommandSpeaksOfTheLastMissionAndTheirNumber) {
  SystemData[3][star_system::kFirstReportVariant] = 1;
  SystemData[3][star_system::kSecondReportVariant] = 1;
  SystemData[3][star_system::kThirdReportVariant] = 1;
  EXPECT_EQ(rules::BuildCampaignInfluenceText(3, kMissionTransport, 11),
            "\"You have already influenced the campaign. With your last attempts you have supplied "
            "our fleet with the important goods and equipment it needed to stay in the field. High "
            "Command is all excited about your success. You are the hero of this campaign, cited in "
            "almost every newspaper from New France up to Hyraxan VII.\"");
  EXPECT_EQ(rules::BuildCampaignNotEngagedText(3),
            "\"You have not yet engaged in this campaign. You can influence the battle by either "
            "successfully fulfilling missions in this system or by intercepting certain important "
            "enemy ships detected by your ship sensors.\"");

  struct Case {
    MissionType type;
    int missions;
    std::string deed, praise;
  };
  const std::string supplies = "The supplies you brought in just recently";
  const std::string recon = "The intelligence you provided";
  const std::string strike = "Your last accomplishment";
  const std::string few = "It is imperative that you continue";
  const std::string some = "You already had a good impact";
  const std::string many = "It can be truly said that you are the reason we´ll propably win";
  const Case cases[] = {
      {kMissionSupply,           1,  supplies, few},
      {kMissionSpecialForces,    4,  supplies, few},
      {kMissionMarineLanding,    5,  supplies, some},
      {kMissionEvacuation,       10, supplies, some},
      {kMissionAbduction,        11, supplies, many},
      {kMissionCombatTransport,  99, supplies, many},
      {kMissionPatrol,           1,  recon,    few},
      {kMissionReportForDuty,    1,  recon,    few},
      {kMissionCombatPatrol,     1,  recon,    few},
      {kMissionRecon,            1,  recon,    few},
      {kMissionAnalysis,         1,  recon,    few},
      {kMissionSearchAndDestroy, 1,  strike,   few},
      {kMissionAmbush,           1,  strike,   few},
      {kMissionAssault,          1,  strike,   few},
      {kNoMissionType,           1,  strike,   few},
      {MissionType{99},          1,  strike,   few},
  };
  for (auto f = star_system::kFirstReportVariant; f <= star_system::kThirdReportVariant; ++f)
    SystemData[3][f] = 2;
  for (const Case& c : cases) {
    const std::string text = rules::BuildCampaignInfluenceText(3, c.type, c.missions);
    EXPECT_EQ(text.rfind("\"You´ve already fought in this campaign. " + c.deed, 0), 0u)
        << state::Stored(c.type) << ": " << text;
    EXPECT_NE(text.find(c.praise), std::string::npos) << c.missions << ": " << text;
  }
}

}  // namespace
