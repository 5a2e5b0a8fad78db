// The bank: the offers by military rank, taking a loan, paying the debt (halved within the early
// window), war bonds bought and sold, the refusals that change nothing, and what the bank shows.
#include "rules/bank.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "state/fields.h"
#include "support/script_ui.h"
#include "support/rows.h"
#include "world_fixture.h"

namespace {

using state::PlayerData;

// Records, with each popup, how often the status bars had been redrawn before it: the bank screen
// redraws there, so a popup must come after the redraw of the state it reports.
class BankUi : public support::ScriptUi {
 public:
  std::vector<int> redrawsBeforePopup;
  void Reset() {
    Clear();
    redrawsBeforePopup.clear();
  }
  void Message(rules::Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override {
    redrawsBeforePopup.push_back(statusBarUpdates);
    ScriptUi::Message(kind, topic, text, picture);
  }
};

class Bank : public fixture::World {
 protected:
  void SetUp() override {
    World::SetUp();
    for (int f = 0; f <= state::kLastFaction; ++f)
      state::FactionText[f][faction_text::kLogo] = "Logo" + std::to_string(f);
    PlayerData = test_rows::PlayerRow()
                     .Faction(kFactionOuterRim)
                     .Level(19)  // no promotion gets in the way of the experience counts
                     .Rank(kRankEnsign)
                     .Credits(0);
  }
  void Owe(std::int32_t debt, std::int32_t daysLeft, std::int32_t window) {
    PlayerData[player::kLoan] = debt;
    PlayerData[player::kLoanDaysLeft] = daysLeft;
    PlayerData[player::kEarlyPaybackDays] = window;
  }
  BankUi ui;
};

TEST_F(Bank, OffersFollowTheRankWithTheRowsAtBothEnds) {
  struct Case {
    std::int32_t rank;
    rules::LoanOffer small, large;
    rules::WarBondOffer bonds;
  };
  const Case cases[] = {
      {-3, {5000, 25000, 100}, {25000, 100000, 500}, {25000, 500}},
      {1, {5000, 25000, 100}, {25000, 100000, 500}, {25000, 500}},
      {2, {25000, 100000, 500}, {100000, 500000, 500}, {100000, 500}},
      {3, {100000, 500000, 500}, {500000, 1500000, 1000}, {500000, 1000}},
      // Rank 4's small loan is larger than those of the ranks above it.
      {4, {500000, 1500000, 1000}, {1000000, 3000000, 1000}, {1000000, 1000}},
      {5, {500000, 1000000, 500}, {1000000, 3000000, 1000}, {1000000, 1000}},
      {6, {500000, 1000000, 500}, {2500000, 5000000, 1000}, {2500000, 1000}},
      {8, {500000, 1000000, 500}, {2500000, 5000000, 1000}, {2500000, 1000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rank);
    const Rank rank{c.rank};
    const rules::LoanOffer small = rules::SmallLoanOffer(rank);
    const rules::LoanOffer large = rules::LargeLoanOffer(rank);
    const rules::WarBondOffer bonds = rules::WarBondOfferFor(rank);
    EXPECT_EQ(small.lent, c.small.lent);
    EXPECT_EQ(small.repay, c.small.repay);
    EXPECT_EQ(small.term, c.small.term);
    EXPECT_EQ(large.lent, c.large.lent);
    EXPECT_EQ(large.repay, c.large.repay);
    EXPECT_EQ(large.term, c.large.term);
    EXPECT_EQ(bonds.amount, c.bonds.amount);
    EXPECT_EQ(bonds.lock, c.bonds.lock);
  }
}

TEST_F(Bank, TakingALoanLendsAndStartsTheTermAndItsEarlyWindow) {
  struct Case {
    std::string name;
    std::int32_t rank;
    bool large;
    std::int32_t credits;
    std::int32_t creditsAfter, owed, days, window;
    std::string text;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const Case cases[] = {
      {"rank 1, small", 1, false, 0, 5000, 25000, 100, 12,
       "You loan $ 5,000 from the local bank. Remember to pay it back in time!"},
      {"rank 1, large", 1, true, 700, 25700, 100000, 500, 62,
       "You loan $ 25,000 from the local bank. Remember to pay it back in time!"},
      {"rank 4, small", 4, false, 0, 500000, 1500000, 1000, 125,
       "You loan $ 500,000 from the local bank. Remember to pay it back in time!"},
      {"rank 7, large", 7, true, 0, 2500000, 5000000, 1000, 125,
       "You loan $ 2,500,000 from the local bank. Remember to pay it back in time!"},
      {"the credits stop at the int32 limit", 1, false, kMax - 10, kMax, 25000, 100, 12,
       "You loan $ 5,000 from the local bank. Remember to pay it back in time!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Reset();
    PlayerData[player::kRank] = c.rank;
    PlayerData[player::kCredits] = c.credits;
    if (c.large)
      rules::TakeLargeLoanOrPayDebt(ui);
    else
      rules::TakeSmallLoan(ui);
    EXPECT_EQ(PlayerData[player::kCredits], c.creditsAfter);
    EXPECT_EQ(PlayerData[player::kLoan], c.owed);
    EXPECT_EQ(PlayerData[player::kLoanDaysLeft], c.days);
    EXPECT_EQ(PlayerData[player::kEarlyPaybackDays], c.window);
    ASSERT_EQ(ui.popups.size(), 1u);
    EXPECT_EQ(ui.popups[0].topic, "Loan");
    EXPECT_EQ(ui.popups[0].text, c.text);
    EXPECT_EQ(ui.redrawsBeforePopup, std::vector<int>{1});
  }
}

TEST_F(Bank, PayingTheDebtHalvesItWithinTheWindowAndRefusesWithoutTheMoney) {
  struct Case {
    std::string name;
    std::int32_t debt, window, credits;
    std::int32_t debtAfter, creditsAfter;
    std::string text;
  };
  const Case cases[] = {
      {"half within the window settles it", 25000, 5, 12500, 0, 0, "You pay all your debts."},
      {"an odd debt halves toward zero", 25001, 1, 12500, 0, 0, "You pay all your debts."},
      {"in full after the window", 25000, 0, 30000, 0, 5000, "You pay all your debts."},
      {"in full within the window when half is not there", 25000, 5, 12499, 25000, 12499,
       "You do not have enough money to repay your debts."},
      {"too little after the window", 25000, 0, 20000, 25000, 20000,
       "You do not have enough money to repay your debts."},
      {"a doubled debt", 50000, -3, 50000, 0, 0, "You pay all your debts."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Reset();
    Owe(c.debt, 40, c.window);
    PlayerData[player::kCredits] = c.credits;
    rules::TakeLargeLoanOrPayDebt(ui);
    EXPECT_EQ(PlayerData[player::kLoan], c.debtAfter);
    EXPECT_EQ(PlayerData[player::kCredits], c.creditsAfter);
    EXPECT_EQ(PlayerData[player::kLoanDaysLeft], 40) << "the days are left as they were";
    EXPECT_EQ(PlayerData[player::kEarlyPaybackDays], c.window);
    ASSERT_EQ(ui.popups.size(), 1u);
    EXPECT_EQ(ui.popups[0].topic, "Loan");
    EXPECT_EQ(ui.popups[0].text, c.text);
    EXPECT_EQ(ui.statusBarUpdates, c.debtAfter == 0 ? 1 : 0);
  }
}

TEST_F(Bank, WithADebtTheSmallLoanIsRefusedAndNoSecondLoanIsTaken) {
  Owe(25000, 80, 4);
  PlayerData[player::kCredits] = 100;
  rules::TakeSmallLoan(ui);
  EXPECT_EQ(PlayerData[player::kLoan], 25000);
  EXPECT_EQ(PlayerData[player::kCredits], 100);
  EXPECT_EQ(PlayerData[player::kLoanDaysLeft], 80);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0].topic, "Sorry");
  EXPECT_EQ(ui.popups[0].text,
            "You first have to repay your debts before you can get a bigger loan.");
  EXPECT_EQ(ui.statusBarUpdates, 0);

  // Once paid (at half, within the window), a new loan is lent again.
  PlayerData[player::kCredits] = 25000;
  rules::TakeLargeLoanOrPayDebt(ui);
  EXPECT_EQ(PlayerData[player::kCredits], 12500);
  rules::TakeSmallLoan(ui);
  EXPECT_EQ(PlayerData[player::kLoan], 25000);
  EXPECT_EQ(PlayerData[player::kCredits], 17500);
}

TEST_F(Bank, BuyingBondsTwiceAddsValueLockAndExperience) {
  PlayerData[player::kRank] = 3;
  PlayerData[player::kCredits] = 1200000;
  PlayerData[player::kWarBondLevel] = 2;
  const std::int32_t experience = PlayerData[player::kExperience];
  rules::BuyWarBonds(ui);
  rules::BuyWarBonds(ui);
  EXPECT_EQ(PlayerData[player::kCredits], 200000);
  EXPECT_EQ(PlayerData[player::kWarBonds], 1000000);
  EXPECT_EQ(PlayerData[player::kWarBondLockDays], 500);
  EXPECT_EQ(PlayerData[player::kWarBondLevel], -1) << "rated again by the next campaign day";
  EXPECT_EQ(PlayerData[player::kExperience] - experience, 100000);
  ASSERT_EQ(ui.popups.size(), 4u);
  for (int i : {0, 2}) {
    EXPECT_EQ(ui.popups[i].kind, rules::Popup::Text);
    EXPECT_EQ(ui.popups[i].topic, "War bonds");
    EXPECT_EQ(ui.popups[i].text, "Thank you for supporting your nation!");
    EXPECT_EQ(ui.popups[i + 1].kind, rules::Popup::Fame);
    EXPECT_EQ(ui.popups[i + 1].picture, "Logo2.jpg");
    EXPECT_EQ(ui.popups[i + 1].text,
              "You receive some experience points. The more you have the more likely you will be "
              "promoted.");
  }
  EXPECT_GE(ui.redrawsBeforePopup[0], 1);

  // A third lot is more than the credits: refused, nothing changes.
  ui.Reset();
  rules::BuyWarBonds(ui);
  EXPECT_EQ(PlayerData[player::kCredits], 200000);
  EXPECT_EQ(PlayerData[player::kWarBonds], 1000000);
  EXPECT_EQ(PlayerData[player::kWarBondLockDays], 500);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0].text, "You do not have enough money to buy war bonds.");
  EXPECT_EQ(ui.statusBarUpdates, 0);
}

TEST_F(Bank, SellingBondsNeedsBondsAndAnEndedLock) {
  struct Case {
    std::string name;
    std::int32_t bonds, lock, level;
    std::int32_t creditsAfter, bondsAfter, levelAfter;
    std::string text;
  };
  const Case cases[] = {
      {"no bonds", 0, 0, 0, 1000, 0, 0, "You do not have any war bonds to sell!"},
      {"still locked", 30000, 1, 3, 1000, 30000, 3, "You cannot yet sell your war bonds."},
      {"sold", 30000, 0, 3, 31000, 0, 0, "You sell your war bonds."},
      {"sold, the lock below zero", 30000, -2, -1, 31000, 0, 0, "You sell your war bonds."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Reset();
    PlayerData[player::kCredits] = 1000;
    PlayerData[player::kWarBonds] = c.bonds;
    PlayerData[player::kWarBondLockDays] = c.lock;
    PlayerData[player::kWarBondLevel] = c.level;
    rules::SellWarBonds(ui);
    EXPECT_EQ(PlayerData[player::kCredits], c.creditsAfter);
    EXPECT_EQ(PlayerData[player::kWarBonds], c.bondsAfter);
    EXPECT_EQ(PlayerData[player::kWarBondLevel], c.levelAfter);
    EXPECT_EQ(PlayerData[player::kWarBondLockDays], c.lock);
    ASSERT_EQ(ui.popups.size(), 1u);
    EXPECT_EQ(ui.popups[0].topic, "War bonds");
    EXPECT_EQ(ui.popups[0].text, c.text);
  }
}

TEST_F(Bank, ViewShowsTheOffersOrTheDebtAndTheBonds) {
  PlayerData[player::kCredits] = 1234567;
  rules::BankView v = rules::BuildBankView();
  EXPECT_EQ(v.credits, "Your credits: $ 1,234,567");
  EXPECT_FALSE(v.debtOwed);
  EXPECT_EQ(v.loanHeading, "Small loan:");
  EXPECT_EQ(v.largeLoanCaption, "Take this loan");
  EXPECT_EQ(v.smallLoanOffer, "\"We lend you $ 5,000 if you pay us $ 25,000 in 100 turns.\"");
  EXPECT_EQ(v.largeLoanOffer, "\"We lend you $C 25,000 if you pay us $C 100,000 in 500 turns.\"");
  EXPECT_EQ(v.bondOffer,
            "\"Be a patriot! Invest $ 25,000 and support your country. -6% to 2% a turn, no "
            "guarantees made!\"");
  EXPECT_EQ(v.bondValue, "War bonds: None");
  EXPECT_EQ(v.bondEffect, "Effect on war efforts: None");
  EXPECT_EQ(v.bondSale, "Selling possible in: -");

  struct Case {
    std::string name;
    std::int32_t days, window;
    std::string payback;
    std::optional<std::string> note;
  };
  const Case cases[] = {
      {"within the window", 1000, 125, "Payback: 1000 days.",
       "Pay back $C 750,000 in 125 turns and the rest of your loan is waived."},
      {"after the window", 30, 0, "Payback: 30 days.",
       "If you do not pay back your loan in time the loan is doubled."},
      {"overdue: the note is left as it was", 0, 0, "Payback: Delayed", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Owe(1500000, c.days, c.window);
    v = rules::BuildBankView();
    EXPECT_TRUE(v.debtOwed);
    EXPECT_EQ(v.loanHeading, "Your loan:");
    EXPECT_EQ(v.largeLoanCaption, "Pay your debt");
    EXPECT_EQ(v.owed, "You owe: $ 1,500,000");
    EXPECT_EQ(v.payback, c.payback);
    EXPECT_EQ(v.paybackNote, c.note);
  }

  PlayerData[player::kWarBonds] = 2500000;
  PlayerData[player::kWarBondLockDays] = 125;
  PlayerData[player::kRank] = 6;
  v = rules::BuildBankView();
  EXPECT_EQ(v.bondValue, "War bonds: $ 2,500,000");
  EXPECT_EQ(v.bondSale, "Selling possible in: 125 days");
  EXPECT_EQ(v.bondOffer,
            "\"Be a patriot! Invest $ 2,500,000 and support your country. -6% to 2% a turn, no "
            "guarantees made!\"");
  const std::pair<std::int32_t, const char*> levels[] = {
      {-1, "Unknown yet"}, {0, "None"}, {1, "Low"}, {2, "Good"},
      {3, "Great"},        {4, "Decisive"}, {5, "None"}, {-2, "None"}};
  for (const auto& [level, word] : levels) {
    PlayerData[player::kWarBondLevel] = level;
    EXPECT_EQ(rules::BuildBankView().bondEffect, std::string("Effect on war efforts: ") + word);
  }
}

}  // namespace
