// The player's share of the daily turn: age, loan, war bonds, shields, known prices, investment
// income, the criminal flag and the space finds of flight days; and the complete new game.
#include <gtest/gtest.h>

#include <climits>

#include "rules/daily_turn.h"
#include "rules/new_game.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using state::PlayerData;
using state::PlayerShip;
using state::SkillOwned;

class DailyTurn : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    PlayerData[player::kProfession] = 2;
    PlayerData[player::kFaction] = 1;
    state::BuildNewWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation));
    state::Randomize(17);
    ui = support::ScriptUi{};
  }
  support::ScriptUi ui;
};

TEST_F(DailyTurn, OldAgeIsAnnouncedOnceAtEachThreshold) {
  struct Case {
    int age;
    bool senile;  // the 150 text
  };
  for (const Case c : {Case{70, false}, Case{80, false}, Case{150, true}}) {
    SetUp();
    state::GameDay = (c.age - 22) * 360 - 1;  // the last day before the birthday
    rules::AdvanceDay(ui);
    const auto shown = ui.WithTopic("Old age...");
    ASSERT_EQ(shown.size(), 1u) << c.age;
    EXPECT_EQ(shown[0].text.find("It´s REALLY time for you to retire!") != std::string::npos, c.senile);
    rules::AdvanceDay(ui);
    EXPECT_EQ(ui.CountTopic("Old age..."), 1u) << "the day after shows none";
  }
  SetUp();
  state::NoAgingFlag = 1;
  state::GameDay = (70 - 22) * 360 - 1;
  rules::AdvanceDay(ui);
  EXPECT_EQ(ui.CountTopic("Old age..."), 0u);
}

TEST_F(DailyTurn, AnUnpaidLoanWarnsThenDoubles) {
  PlayerData[player::kLoan] = 1000;
  PlayerData[player::kLoanDaysLeft] = 31;
  rules::AdvanceDay(ui);
  ASSERT_EQ(ui.CountTopic("Loan"), 1u);
  EXPECT_EQ(ui.WithTopic("Loan")[0].text.rfind("You have less than 30 days left", 0), 0u);
  for (int day = 0; day < 30; ++day) rules::AdvanceDay(ui);
  EXPECT_EQ(PlayerData[player::kLoan], 2000);
  EXPECT_EQ(PlayerData[player::kLoanDaysLeft], 500);
  ASSERT_EQ(ui.CountTopic("Loan"), 2u);
  EXPECT_EQ(ui.WithTopic("Loan")[1].text.rfind("You have not paid back your debt in time.", 0), 0u);
  // A huge debt stops at the int32 limit; without a debt the counters rest.
  PlayerData[player::kLoan] = INT_MAX / 2 + 10;
  PlayerData[player::kLoanDaysLeft] = 1;
  rules::AdvanceDay(ui);
  EXPECT_EQ(PlayerData[player::kLoan], INT_MAX);
  PlayerData[player::kLoan] = 0;
  PlayerData[player::kLoanDaysLeft] = 31;
  PlayerData[player::kEarlyPaybackDays] = 5;
  ui.Clear();
  rules::AdvanceDay(ui);
  EXPECT_EQ(PlayerData[player::kLoanDaysLeft], 31);
  EXPECT_EQ(PlayerData[player::kEarlyPaybackDays], 5);
  EXPECT_EQ(ui.CountTopic("Loan"), 0u);
}

TEST_F(DailyTurn, WarBondsLoseByLevelOnLosingDaysAndTheLockRunsOut) {
  int losses = 0;
  for (int day = 0; day < 300; ++day) {
    PlayerData[player::kWarBonds] = 100000;
    PlayerData[player::kWarBondLevel] = 0;
    PlayerData[player::kWarBondLockDays] = 1;
    rules::AdvanceDay(ui);
    // A campaign of the player's faction may set the level earlier in the same day.
    const int level = PlayerData[player::kWarBondLevel];
    const int percent = level <= 0 ? 1 : level >= 4 ? 5 : level + 1;
    EXPECT_TRUE(PlayerData[player::kWarBonds] == 100000 ||
                PlayerData[player::kWarBonds] == 100000 - 1000 * percent)
        << PlayerData[player::kWarBonds];
    losses += PlayerData[player::kWarBonds] != 100000;
    EXPECT_EQ(PlayerData[player::kWarBondLockDays], 0);
  }
  EXPECT_GT(losses, 30);
  EXPECT_LT(losses, 90);
  int highLevelLosses = 0;
  for (int day = 0; day < 50; ++day) {
    // No campaign may set the level during the day.
    for (int s = 1; s <= 24; ++s) state::SystemData[s][star_system::kCampaign] = 0;
    PlayerData[player::kWarBonds] = 100000;
    PlayerData[player::kWarBondLevel] = 9;
    rules::AdvanceDay(ui);
    if (PlayerData[player::kWarBondLevel] != 9) continue;
    EXPECT_TRUE(PlayerData[player::kWarBonds] == 100000 || PlayerData[player::kWarBonds] == 95000)
        << "level 4 and above lose 5 percent";
    highLevelLosses += PlayerData[player::kWarBonds] == 95000;
  }
  EXPECT_GT(highLevelLosses, 0);
  PlayerData[player::kWarBonds] = 0;
  PlayerData[player::kWarBondLevel] = 3;
  rules::AdvanceDay(ui);
  EXPECT_EQ(PlayerData[player::kWarBondLevel], 0);
}

TEST_F(DailyTurn, ShieldsRechargeWithinHalfAndFullClassShields) {
  const int full = state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip));
  struct Case {
    int before;
    bool fastRecharge;
    int after;
  };
  const Case cases[] = {{5, false, full / 2},   {full - 5, false, full}, {full - 15, true, full},
                        {full - 25, true, full - 5}, {full * 3, false, full}, {full / 2 + 1, false, full / 2 + 11}};
  for (const Case& c : cases) {
    SetUp();
    SkillOwned[state::Stored(kSkillFastRecharge)] = c.fastRecharge ? 1 : 0;
    PlayerShip[ship::kShields] = c.before;
    rules::AdvanceDay(ui);
    EXPECT_EQ(PlayerShip[ship::kShields], std::min(c.after, full)) << c.before;
  }
}

TEST_F(DailyTurn, KnownPricesFollowTheTradeSkills) {
  struct Case {
    int skill;     // 0 none, 1 Trader, 2 Advanced Trader
    int computer;  // targeting computer
    int lowSystems, highSystems;  // systems known per day, summed over 100 days
    bool allBodies;
  };
  const Case cases[] = {{0, 0, 2400 * 30 / 100, 2400 * 40 / 100, false},
                        {1, 0, 2400 * 55 / 100, 2400 * 66 / 100, true},
                        {0, 3, 2400 * 60 / 100, 2400 * 75 / 100, true},
                        {2, 0, 2400, 2400, true}};
  for (const Case& c : cases) {
    SetUp();
    SkillOwned[state::Stored(kSkillTrader)] = c.skill == 1;
    SkillOwned[state::Stored(kSkillAdvancedTrader)] = c.skill == 2;
    PlayerShip[ship::kTargeting] = c.computer;
    int known = 0;
    bool everyBody = true;
    for (int day = 0; day < 100; ++day) {
      rules::AdvanceDay(ui);
      EXPECT_EQ(state::SystemVisited[PlayerShip[ship::kSystem]], 1);
      EXPECT_EQ(state::BodyPricesKnown[PlayerShip[ship::kBody]], 1);
      for (int s = 1; s <= 24; ++s) known += state::SystemVisited[s];
      for (int b = 1; b <= 15; ++b) everyBody = everyBody && state::BodyPricesKnown[b] == 1;
    }
    EXPECT_GE(known, c.lowSystems) << c.skill << "/" << c.computer;
    EXPECT_LE(known, c.highSystems) << c.skill << "/" << c.computer;
    EXPECT_EQ(everyBody, c.allBodies) << c.skill << "/" << c.computer;
  }
}

TEST_F(DailyTurn, InvestmentsPayEvery201DaysAndTheAdvancedSkillWins) {
  struct Case {
    bool tycoon, advanced;
    int gain;
    const char* text;
  };
  const Case cases[] = {
      {true, false, 2000, "Your different investments (\"Tycoon ability\") increase your wealth by 5%. You receive $ 2,000."},
      {true, true, 4000, "Your different investments (\"Advanced Tycoon ability\") increase your wealth by 10%. You receive $ 4,000."},
      {false, false, 0, nullptr}};
  for (const Case& c : cases) {
    SetUp();
    SkillOwned[state::Stored(kSkillTycoon)] = c.tycoon;
    SkillOwned[state::Stored(kSkillAdvancedTycoon)] = c.advanced;
    PlayerData[player::kCredits] = 40000;
    PlayerData[player::kTycoonEventDay] = 200;
    rules::AdvanceDay(ui);
    EXPECT_EQ(PlayerData[player::kCredits], 40000 + c.gain);
    const auto rewards = [&] {
      std::vector<support::ShownPopup> found;
      for (const auto& p : ui.popups) if (p.kind == rules::Popup::Reward) found.push_back(p);
      return found;
    }();
    if (c.text == nullptr) {
      EXPECT_TRUE(rewards.empty());
      EXPECT_EQ(PlayerData[player::kTycoonEventDay], 200) << "the counter rests without the skills";
      continue;
    }
    ASSERT_EQ(rewards.size(), 1u);
    EXPECT_EQ(rewards[0].text, c.text);
    EXPECT_EQ(rewards[0].picture, "treasurer.jpg");
    EXPECT_EQ(PlayerData[player::kTycoonEventDay], 0);
  }
}

TEST_F(DailyTurn, TheCriminalFlagWearsOff) {
  PlayerData[player::kCriminalDays] = 2;
  rules::AdvanceDay(ui);
  EXPECT_EQ(PlayerData[player::kCriminalDays], 1);
  EXPECT_EQ(ui.CountTopic("Escaped!"), 0u);
  rules::AdvanceDay(ui);
  EXPECT_EQ(PlayerData[player::kCriminalDays], 0);
  ASSERT_EQ(ui.CountTopic("Escaped!"), 1u);
  EXPECT_EQ(ui.WithTopic("Escaped!")[0].text,
            "You have escaped the police and your criminal flag has weared off.");
}

TEST_F(DailyTurn, SpaceFindsAgeOnlyOnFlightsTowardABody) {
  state::SpaceFinds[5][2][space_find::kPresent] = 1;
  state::SpaceFinds[5][2][space_find::kDaysLeft] = 9;
  struct Case {
    bool flying;
    int selected;
    int daysLeft;
  };
  for (const Case c : {Case{false, 3, 9}, Case{true, -2, 9}, Case{true, 3, 8}}) {
    state::SpaceFinds[5][2][space_find::kDaysLeft] = 9;
    ui.SetVisible(rules::Screen::Flight, c.flying);
    state::SelectedBody = c.selected;
    rules::AdvanceDay(ui);
    EXPECT_EQ(state::SpaceFinds[5][2][space_find::kDaysLeft], c.daysLeft)
        << c.flying << " " << c.selected;
  }
}

TEST_F(DailyTurn, ANewGameRunsItsDaysAndStartsAtDayOne) {
  struct Case {
    int faction, profession;
    int system, body;
    bool hideoutsKnown;
  };
  const Case cases[] = {{2, 1, 12, 5, false}, {1, 5, 1, 2, true}, {4, 6, 13, 2, true}, {3, 3, 16, 4, false}};
  for (const Case& c : cases) {
    state::Randomize(c.faction * 10 + c.profession);
    state::ClearGameState();
    PlayerData[player::kProfession] = c.profession;
    PlayerData[player::kFaction] = c.faction;
    support::ScriptUi quiet;
    rules::CreateNewGameWorld(state::StartShipClass(Profession{c.profession}, Faction{c.faction}),
                              quiet);
    EXPECT_EQ(state::GameDay, 1);
    EXPECT_EQ(state::DisplayedSystem, c.system);
    EXPECT_EQ(state::SelectedBody, c.body);
    int hideouts = 0, finds = 0, offers = 0, news = 0;
    for (int s = 1; s <= 24; ++s) {
      for (int b = 1; b <= 15; ++b) {
        if (state::BodyData[s][b][body::kKind] == state::kKindPirateHideout)
          hideouts += state::BodyData[s][b][body::kVisible];
      }
      for (int k = 1; k <= 4; ++k) {
        finds += state::SpaceFinds[s][k][space_find::kPresent];
        if (state::SpaceFinds[s][k][space_find::kPresent]) {
          EXPECT_EQ(s, c.system) << "the first find lies in the start system";
        }
      }
      for (int k = 1; k <= 6; ++k) offers += state::MissionOffers[s][k][mission::kActive];
      EXPECT_EQ(state::FactionData[1 + (s % 4)][faction::kAlive], 1) << "every faction is alive";
    }
    for (int n = 1; n <= 20; ++n) news += state::NewsList[n][news::kValid];
    EXPECT_EQ(hideouts, c.hideoutsKnown ? 24 : 0);
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(offers, 24 * 6) << "123 days fill every board";
    EXPECT_GT(news, 0);
    EXPECT_EQ(state::BodyData[7][5][body::kVisible], 0) << "Moor has no fifth body";
    EXPECT_EQ(state::BodyData[9][7][body::kVisible], 0) << "Warfield has no seventh body";
    for (int g = 1; g <= 18; ++g) EXPECT_EQ(state::Cargo[g], 0);
    for (auto crew = ship::kCrewmen; crew <= ship::kDroids; ++crew) EXPECT_EQ(PlayerShip[crew], 0);
    EXPECT_GE(PlayerShip[ship::kShields],
              state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip)) / 2);
  }
}

}  // namespace
