// The governor's greeting by rank and wars, the criminal flag line, and the amnesty.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "rules/governor.h"
#include "support/script_ui.h"
#include "state/fields.h"
#include "state/skills.h"
#include "state/variables.h"

namespace {

using state::PlayerData;

class Governor : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    PlayerData[player::kFaction] = 1;
    PlayerData[player::kRank] = 1;
    state::PlayerName = "Jane Doe";
    const char* shortNames[] = {"", "Alpha", "Beta", "Gamma", "Delta"};
    for (int g = 1; g <= 4; ++g) {
      state::FactionText[g][faction_text::kShortName] = shortNames[g];
      state::FactionText[g][faction_text::kLogo] = std::string(shortNames[g]) + "Logo";
    }
  }
  static void AtWar(int f, std::initializer_list<int> enemies) {
    for (const int g : enemies) state::FactionData[f][faction::kAtWarWith + g] = 1;
  }
};

TEST_F(Governor, WarsAreListedByShortNameInFactionOrder) {
  struct Case {
    int own;
    std::initializer_list<int> enemies;
    const char* list;
  };
  const Case cases[] = {
      {1, {}, ""},
      {1, {3}, "Gamma"},
      {1, {2, 4}, "Beta and the Delta"},
      {1, {4, 3, 2}, "Beta, Gamma and the Delta"},
      {3, {1, 2, 4}, "Alpha, Beta and the Delta"},
      {2, {2}, ""},  // a faction at war with itself names nobody
  };
  for (const Case& c : cases) {
    SetUp();
    AtWar(c.own, c.enemies);
    EXPECT_EQ(rules::WarList(Faction{c.own}), c.list) << c.own;
  }
  EXPECT_EQ(rules::WarList(kFactionPirates), "");
  EXPECT_EQ(rules::WarList(Faction{5}), "");
}

TEST_F(Governor, TheGreetingFollowsTheRankAndTheWars) {
  const std::string kPeace = " Right now we are not at war. But I am sure not for long.";
  const std::string kWar = " We are at war with the Beta and the Delta.";
  const std::string kAcademy =
      " You’ll soon find out that true combat is different than the simulator games you were doing "
      "at the academy!”";
  const std::string kCadets =
      " I heard some of the former cadets of your class have died in service for us and for the "
      "other side. It’s really a shame that in this war brothers fight against brothers.”";
  const std::string kBack =
      "\"Welcome back Lieutenant Commander Jane Doe! It’s always a pleasure to meet you. I heard "
      "about you from fellow captains. You seem to be doing very good out there!";
  const std::string kHonoured =
      "\"Captain Jane Doe! I am honoured, Sir! We are all very glad to have you on our side.";
  const std::string kLegend = "\"It’s the legendary Jane Doe! Everyone is speaking about you and your deeds.";
  struct Case {
    std::int32_t rank;
    bool war;
    std::string greeting;
  };
  const Case cases[] = {
      {0, false, "\"Welcome to our fleet Jane Doe!" + kPeace + kAcademy},
      {1, true, "\"Welcome to our fleet Ensign Jane Doe!" + kWar + kAcademy},
      {2, false, "\"Good morning 2nd Lieutenant Jane Doe! You did well so far." + kPeace + kCadets},
      {3, true, "\"Good morning 1st Lieutenant Jane Doe! You did well so far." + kWar + kCadets},
      {4, false, kBack + kPeace + "\""},
      {5, true, "\"Welcome back Commander Jane Doe! It’s always a pleasure to meet you. I heard "
                "about you from fellow captains. You seem to be doing very good out there!" + kWar + "\""},
      {6, false, kHonoured + kPeace + "\""},
      {7, true, "\"Admiral Jane Doe! I am honoured, Sir! We are all very glad to have you on our side." +
                    kWar + "\""},
      {8, false, kLegend + kPeace + "\""},
      {8, true, kLegend + kWar + " I am at your service, Sir!”\""},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerData[player::kRank] = c.rank;
    PlayerData[player::kLevel] = 12;  // the level plays no part
    if (c.war) AtWar(1, {2, 4});
    EXPECT_EQ(rules::BuildGovernorView().greeting, c.greeting) << c.rank << (c.war ? " at war" : "");
  }
}

TEST_F(Governor, TheViewShowsTheFlagTheAmnestyAndTheLogo) {
  struct Case {
    std::int32_t flag;
    std::int32_t skill;
    const char* caption;
    bool amnesty;
  };
  for (const Case c : {Case{0, 0, "No", false}, Case{0, 1, "No", false}, Case{12, 0, "Yes (12 turns)", false},
                       Case{1, 1, "Yes (1 turns)", true}}) {
    PlayerData[player::kCriminalDays] = c.flag;
    state::SkillOwned[state::Stored(kSkillAmnesty)] = c.skill;
    const rules::GovernorView view = rules::BuildGovernorView();
    EXPECT_EQ(view.criminalFlag, c.caption);
    EXPECT_EQ(view.amnestyOffered, c.amnesty) << c.flag << " " << c.skill;
    EXPECT_EQ(view.logo, "AlphaLogo.jpg");
  }
}

TEST_F(Governor, TheAmnestyLiftsTheFlagForOneHundredThousandCredits) {
  struct Case {
    std::int32_t skill;
    std::int32_t flag;
    std::int32_t credits;
    bool answer;
    bool asked;
    const char* topic;  // the popup after the answer; empty for none
    bool bought;
  };
  const Case cases[] = {
      {0, 20, 500000, true, false, "", false},  // without the skill the button does nothing
      {1, 0, 500000, true, false, "", false},   // nor without a flag
      {1, 20, 500000, false, true, "", false},
      {1, 20, 99999, true, true, "Not enough money", false},
      {1, 20, 100000, true, true, "Success", true},
  };
  for (const Case& c : cases) {
    SetUp();
    state::SkillOwned[state::Stored(kSkillAmnesty)] = c.skill;
    PlayerData[player::kCriminalDays] = c.flag;
    PlayerData[player::kCredits] = c.credits;
    support::ScriptUi ui;
    ui.answers = {c.answer};
    EXPECT_EQ(rules::AskForAmnesty(ui), c.bought);
    ASSERT_EQ(ui.questions.size(), c.asked ? 1u : 0u) << c.credits;
    if (c.asked) {
      EXPECT_EQ(ui.questions[0].topic, "Amnesty");
      EXPECT_EQ(ui.questions[0].text,
                "The governor offers you an amnesty for your criminal deeds. For $ 100.000 you are "
                "reinstated as a fleet officer.");
    }
    ASSERT_EQ(ui.popups.size(), *c.topic ? 1u : 0u);
    if (*c.topic) {
      EXPECT_EQ(ui.popups[0].topic, c.topic);
    }
    EXPECT_EQ(PlayerData[player::kCredits], c.bought ? c.credits - 100000 : c.credits);
    EXPECT_EQ(PlayerData[player::kCriminalDays], c.bought ? 0 : c.flag);
    EXPECT_EQ(ui.statusBarUpdates, c.bought ? 1 : 0);
  }
}

TEST_F(Governor, TheAmnestyPopupsSayWhatHappened) {
  state::SkillOwned[state::Stored(kSkillAmnesty)] = 1;
  PlayerData[player::kCriminalDays] = 3;
  support::ScriptUi ui;
  ui.defaultAnswer = true;
  PlayerData[player::kCredits] = 5;
  rules::AskForAmnesty(ui);
  PlayerData[player::kCredits] = 100000;
  rules::AskForAmnesty(ui);
  ASSERT_EQ(ui.popups.size(), 2u);
  EXPECT_EQ(ui.popups[0].text, "Unfortunately you do not have enough money to buy the amnesty!");
  EXPECT_EQ(ui.popups[1].text,
            "You buy the amnesty. The criminal flag is lifted. You are a fleet officer once again!");
}

}  // namespace
