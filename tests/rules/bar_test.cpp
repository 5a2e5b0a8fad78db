// The bar's drink and bribe, hiding at the pirate hideout and leaving it, on a new world whose
// ship's system is given its hidden hideouts by each test.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <vector>

#include "rules/bar.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using state::PlayerData;

class Bar : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    PlayerData[player::kProfession] = 1;
    PlayerData[player::kFaction] = 1;
    state::BuildNewWorld(state::StartShipClass(kProfessionTrader, kFactionFederation));
    state::Randomize(23);
    system = state::PlayerShip[ship::kSystem];
    // Every hideout of the system known, then the test's own hidden ones.
    for (int b = 1; b <= state::kLastBody; ++b)
      if (Body(b)[body::kKind] == state::kKindPirateHideout) {
        Body(b)[body::kVisible] = 1;
        Body(b)[body::kHideoutRevealed] = 1;
      }
  }
  state::TBodyRow& Body(int b) { return state::BodyData[system][b]; }
  void HideHideouts(std::initializer_list<int> bodies) {
    for (const int b : bodies) {
      Body(b)[body::kKind] = state::kKindPirateHideout;
      Body(b)[body::kVisible] = 0;
      Body(b)[body::kHideoutRevealed] = 0;
    }
  }
  bool Revealed(int b) { return Body(b)[body::kVisible] == 1 && Body(b)[body::kHideoutRevealed] == 1; }

  support::ScriptUi ui;
  int system = 0;
};

TEST_F(Bar, TheBribeCostsFiveThousandTimesTheSquareOfTheCounter) {
  struct Case {
    std::int32_t counter;
    std::int32_t price;
  };
  for (const Case c : {Case{1, 5000}, Case{2, 20000}, Case{3, 45000}, Case{10, 500000},
                       Case{655, 2145125000}, Case{656, INT_MAX}, Case{INT_MAX, INT_MAX}}) {
    PlayerData[player::kBarBribes] = c.counter;
    EXPECT_EQ(rules::BribePrice(), c.price) << c.counter;
  }
}

TEST_F(Bar, OnlyHiddenHideoutsOfTheSystemAreFound) {
  EXPECT_TRUE(rules::HiddenHideouts(system).empty());
  HideHideouts({14, 15});
  Body(14)[body::kHideoutRevealed] = 1;  // revealed but not yet drawn: not hidden
  EXPECT_EQ(rules::HiddenHideouts(system), std::vector<std::int32_t>{15});
  for (const std::int32_t outside : {0, -1, state::kLastSystem + 1})
    EXPECT_TRUE(rules::HiddenHideouts(outside).empty()) << outside;
}

TEST_F(Bar, WithoutAHiddenHideoutADrinkIsADayOfSmallTalk) {
  const std::int32_t day = state::GameDay, credits = PlayerData[player::kCredits];
  rules::OrderDrink(ui);
  EXPECT_EQ(state::GameDay, day + 1);
  EXPECT_EQ(PlayerData[player::kCredits], credits);
  EXPECT_TRUE(ui.choices.empty());
  const auto talk = ui.WithTopic("Smalltalk");
  ASSERT_EQ(talk.size(), 1u);
  EXPECT_EQ(talk[0].kind, rules::Popup::Picture);
  EXPECT_EQ(talk[0].text, "You spend a whole day in the local spaceport bar enjoying your life.");
  EXPECT_EQ(talk[0].picture, "Barman.jpg");
  EXPECT_GE(ui.redraws, 1) << "the travel screen shows the new day";
}

TEST_F(Bar, APaidBribeRevealsEveryHiddenHideoutAndRaisesThePrice) {
  HideHideouts({14, 15});
  PlayerData[player::kCredits] = 100000;
  const std::int32_t day = state::GameDay;
  ui.choiceAnswers = {true};
  rules::OrderDrink(ui);
  EXPECT_EQ(state::GameDay, day + 1);
  ASSERT_EQ(ui.choices.size(), 1u);
  EXPECT_EQ(ui.choices[0].topic, "Bribe?");
  EXPECT_EQ(ui.choices[0].picture, "Barman.jpg");
  EXPECT_EQ(ui.choices[0].text,
            "You order some drinks at the bar. After some time the barkeeper comes over to you. He "
            "whispers to you that for 5,000 $ he might have some valuable information for you. "
            "Would you like to pay?");
  EXPECT_EQ(PlayerData[player::kCredits], 95000);
  EXPECT_EQ(PlayerData[player::kBarBribes], 2);
  EXPECT_TRUE(Revealed(14));
  EXPECT_TRUE(Revealed(15));
  const auto told = ui.WithTopic("Pirate hideout");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].text, "You get to know the location of a hidden pirate hideout in this sector...");

  // Nothing is left to sell here: the next drink is small talk.
  rules::OrderDrink(ui);
  EXPECT_EQ(ui.choices.size(), 1u);
  EXPECT_EQ(ui.CountTopic("Smalltalk"), 1u);

  // The counter is the player's: the next bar, wherever, asks 20,000, then 45,000.
  for (const std::int32_t price : {20000, 45000}) {
    HideHideouts({13});
    ui.choiceAnswers = {true};
    rules::OrderDrink(ui);
    EXPECT_NE(ui.choices.back().text.find(state::FormatThousands(price) + " $"), std::string::npos);
  }
  EXPECT_EQ(PlayerData[player::kCredits], 95000 - 20000 - 45000);
  EXPECT_EQ(PlayerData[player::kBarBribes], 4);
}

TEST_F(Bar, ADeclinedOrUnaffordableBribeStillCostsTheDayAndNothingElse) {
  struct Case {
    bool pay;
    std::int32_t credits;
    std::size_t sorry;  // "Sorry" popups
  };
  for (const Case c : {Case{false, 100000, 0}, Case{true, 4999, 1}}) {
    SetUp();
    ui = support::ScriptUi{};
    HideHideouts({15});
    PlayerData[player::kCredits] = c.credits;
    const std::int32_t day = state::GameDay;
    ui.choiceAnswers = {c.pay};
    rules::OrderDrink(ui);
    EXPECT_EQ(state::GameDay, day + 1);
    EXPECT_EQ(PlayerData[player::kCredits], c.credits);
    EXPECT_EQ(PlayerData[player::kBarBribes], 1);
    EXPECT_EQ(rules::HiddenHideouts(system), std::vector<std::int32_t>{15});
    EXPECT_EQ(ui.CountTopic("Sorry"), c.sorry);
    if (c.sorry > 0) {
      EXPECT_EQ(ui.WithTopic("Sorry")[0].text, "You do not have enough money!");
    }
    EXPECT_EQ(ui.CountTopic("Pirate hideout"), 0u);
  }
}

TEST_F(Bar, HidingRunsOneDayPerFlagDayAndClearsTheFlag) {
  PlayerData[player::kCriminalDays] = 12;
  const std::int32_t day = state::GameDay;
  ui.answers = {true};
  rules::HideUntilFlagWearsOff(ui);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].topic, "Hide");
  EXPECT_EQ(ui.questions[0].text, "Do you really wish to hide 12 days until the criminal flag wears off?");
  EXPECT_EQ(state::GameDay, day + 12);
  EXPECT_EQ(PlayerData[player::kCriminalDays], 0);
  EXPECT_EQ(ui.CountTopic("Escaped!"), 1u) << "the flag wore off on the last day";
}

TEST_F(Bar, NotHidingChangesNothing) {
  struct Case {
    std::int32_t flag;
    bool answer;
    std::size_t questions;
    std::size_t notFlagged;  // "N/A" popups
  };
  for (const Case c : {Case{5, false, 1, 0}, Case{0, true, 0, 1}}) {
    ui = support::ScriptUi{};
    PlayerData[player::kCriminalDays] = c.flag;
    const std::int32_t day = state::GameDay;
    ui.answers = {c.answer};
    rules::HideUntilFlagWearsOff(ui);
    EXPECT_EQ(state::GameDay, day);
    EXPECT_EQ(PlayerData[player::kCriminalDays], c.flag);
    EXPECT_EQ(ui.questions.size(), c.questions);
    EXPECT_EQ(ui.CountTopic("N/A"), c.notFlagged);
  }
  EXPECT_EQ(ui.WithTopic("N/A")[0].text,
            "You are not criminal flagged at this time. If you have been caught comitting a crime "
            "you can use this option to wait until your criminal flag has been lifted.");
}

TEST_F(Bar, LeavingTheHideoutCostsADay) {
  const std::int32_t day = state::GameDay;
  rules::LeaveHideout(ui);
  EXPECT_EQ(state::GameDay, day + 1);
  EXPECT_GE(ui.redraws, 1);
}

}  // namespace
