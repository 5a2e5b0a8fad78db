#include "rules/bank.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "rules/credits.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::FormatThousands;
using state::PlayerData;

// A loan as the bank sets it: the credits lent, how many times that sum is owed back, and the
// days to pay. What the player owes follows from the first two.
struct LoanTerms {
  std::int32_t lent;
  std::int32_t timesOwed;
  std::int32_t term;
  constexpr LoanOffer Offer() const { return {lent, lent * timesOwed, term}; }
};

// One row per military rank 1..6 (lower ranks take the first row, higher the last).
struct RankOffers {
  LoanTerms small;
  LoanTerms large;
  WarBondOffer bonds;
};
constexpr std::array<RankOffers, 6> kOffers = {{
    // small loan: lent, times owed, days   large loan                 war bonds: amount, lock
    {{5000, 5, 100},                        {25000, 4, 500},           {25000, 500}},
    {{25000, 4, 500},                       {100000, 5, 500},          {100000, 500}},
    {{100000, 5, 500},                      {500000, 3, 1000},         {500000, 1000}},
    {{500000, 3, 1000},                     {1000000, 3, 1000},        {1000000, 1000}},
    {{500000, 2, 500},                      {1000000, 3, 1000},        {1000000, 1000}},
    {{500000, 2, 500},                      {2500000, 2, 1000},        {2500000, 1000}},
}};

const RankOffers& OffersFor(Rank rank) {
  const auto rows = static_cast<std::int32_t>(kOffers.size());
  const std::int32_t row = std::clamp<std::int32_t>(state::Stored(rank), 1, rows);
  return kOffers[static_cast<std::size_t>(row - 1)];
}

const RankOffers& PlayerOffers() { return OffersFor(Rank{PlayerData[player::kRank]}); }

constexpr std::string_view kLoanTopic = "Loan";
constexpr std::string_view kBondsTopic = "War bonds";

void TakeLoan(const LoanOffer& offer, Ui& ui) {
  PlayerData[player::kLoan] = offer.repay;
  PlayerData[player::kLoanDaysLeft] = offer.term;
  PlayerData[player::kEarlyPaybackDays] = offer.term / 8;
  AddSaturated(PlayerData[player::kCredits], offer.lent);
  ui.UpdateStatusBars();
  ui.Message(Popup::Text, kLoanTopic,
             "You loan $ " + FormatThousands(offer.lent) +
                 " from the local bank. Remember to pay it back in time!");
}

void PayDebt(Ui& ui) {
  std::int32_t& debt = PlayerData[player::kLoan];
  std::int32_t& credits = PlayerData[player::kCredits];
  // Within the window half the debt settles all of it, when the player has that half.
  if (PlayerData[player::kEarlyPaybackDays] > 0 && credits >= debt / 2) debt /= 2;
  if (debt > credits) {
    ui.Message(Popup::Text, kLoanTopic, "You do not have enough money to repay your debts.");
    return;
  }
  credits -= debt;
  debt = 0;
  ui.UpdateStatusBars();
  ui.Message(Popup::Text, kLoanTopic, "You pay all your debts.");
}

// "We lend you $ 5,000 if you pay us $ 25,000 in 100 turns." in double quotes; `money` is the
// currency mark before each amount.
std::string LoanOfferText(const LoanOffer& offer, std::string_view money) {
  const std::string mark(money);
  return "\"We lend you " + mark + FormatThousands(offer.lent) + " if you pay us " + mark +
         FormatThousands(offer.repay) + " in " + std::to_string(offer.term) + " turns.\"";
}

}  // namespace

LoanOffer SmallLoanOffer(Rank rank) { return OffersFor(rank).small.Offer(); }
LoanOffer LargeLoanOffer(Rank rank) { return OffersFor(rank).large.Offer(); }
WarBondOffer WarBondOfferFor(Rank rank) { return OffersFor(rank).bonds; }

bool DebtOwed() { return PlayerData[player::kLoan] > 0; }

void TakeSmallLoan(Ui& ui) {
  if (DebtOwed()) {
    ui.Message(Popup::Text, "Sorry",
               "You first have to repay your debts before you can get a bigger loan.");
    return;
  }
  TakeLoan(PlayerOffers().small.Offer(), ui);
}

void TakeLargeLoanOrPayDebt(Ui& ui) {
  if (DebtOwed())
    PayDebt(ui);
  else
    TakeLoan(PlayerOffers().large.Offer(), ui);
}

void BuyWarBonds(Ui& ui) {
  const WarBondOffer offer = PlayerOffers().bonds;
  if (offer.amount > PlayerData[player::kCredits]) {
    ui.Message(Popup::Text, kBondsTopic, "You do not have enough money to buy war bonds.");
    return;
  }
  PlayerData[player::kCredits] -= offer.amount;
  AddSaturated(PlayerData[player::kWarBonds], offer.amount);
  AddSaturated(PlayerData[player::kWarBondLockDays], offer.lock / 4);
  PlayerData[player::kWarBondLevel] = -1;  // rated by the next campaign day
  ui.UpdateStatusBars();
  ui.Message(Popup::Text, kBondsTopic, "Thank you for supporting your nation!");
  AddExperience(offer.amount / 10, ui);
  ShowExperienceNotice(ui);
}

void SellWarBonds(Ui& ui) {
  if (PlayerData[player::kWarBonds] == 0) {
    ui.Message(Popup::Text, kBondsTopic, "You do not have any war bonds to sell!");
    return;
  }
  if (PlayerData[player::kWarBondLockDays] > 0) {
    ui.Message(Popup::Text, kBondsTopic, "You cannot yet sell your war bonds.");
    return;
  }
  AddSaturated(PlayerData[player::kCredits], PlayerData[player::kWarBonds]);
  PlayerData[player::kWarBonds] = 0;
  PlayerData[player::kWarBondLevel] = 0;
  ui.UpdateStatusBars();
  ui.Message(Popup::Text, kBondsTopic, "You sell your war bonds.");
}

std::string WarBondLevelName(std::int32_t level) {
  switch (level) {
    case -1: return "Unknown yet";
    case 1: return "Low";
    case 2: return "Good";
    case 3: return "Great";
    case 4: return "Decisive";
    default: return "None";
  }
}

BankView BuildBankView() {
  BankView v;
  const RankOffers& offers = PlayerOffers();
  v.credits = "Your credits: $ " + FormatThousands(PlayerData[player::kCredits]);
  v.debtOwed = DebtOwed();
  if (!v.debtOwed) {
    v.loanHeading = "Small loan:";
    v.largeLoanCaption = "Take this loan";
  } else {
    v.loanHeading = "Your loan:";
    v.largeLoanCaption = "Pay your debt";
    const std::int32_t debt = PlayerData[player::kLoan];
    const std::int32_t daysLeft = PlayerData[player::kLoanDaysLeft];
    const std::int32_t window = PlayerData[player::kEarlyPaybackDays];
    v.owed = "You owe: $ " + FormatThousands(debt);
    if (daysLeft < 1) {
      v.payback = "Payback: Delayed";
    } else {
      v.payback = "Payback: " + std::to_string(daysLeft) + " days.";
      if (window <= 0)
        v.paybackNote = "If you do not pay back your loan in time the loan is doubled.";
      else
        v.paybackNote = "Pay back $C " + FormatThousands(debt / 2) + " in " +
                        std::to_string(window) + " turns and the rest of your loan is waived.";
    }
  }
  // The offers stay filled under the debt panel, as they were last shown.
  v.smallLoanOffer = LoanOfferText(offers.small.Offer(), "$ ");
  v.largeLoanOffer = LoanOfferText(offers.large.Offer(), "$C ");

  const std::int32_t bonds = PlayerData[player::kWarBonds];
  if (bonds < 1) {
    v.bondValue = "War bonds: None";
    v.bondEffect = "Effect on war efforts: None";
    v.bondSale = "Selling possible in: -";
  } else {
    v.bondValue = "War bonds: $ " + FormatThousands(bonds);
    v.bondEffect = "Effect on war efforts: " + WarBondLevelName(PlayerData[player::kWarBondLevel]);
    v.bondSale =
        "Selling possible in: " + std::to_string(PlayerData[player::kWarBondLockDays]) + " days";
  }
  v.bondOffer = "\"Be a patriot! Invest $ " + FormatThousands(offers.bonds.amount) +
                " and support your country. -6% to 2% a turn, no guarantees made!\"";
  return v;
}

}  // namespace rules
