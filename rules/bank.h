// The bank of a planet: two sizes of loan whose amounts grow with the player's military rank, the
// repayment of the debt (halved when it is paid within the early-payback window), and war bonds,
// whose value the daily turn moves and whose level strengthens the player's faction in campaigns.
//
// One loan at a time. Each action changes the player's row, calls ui.UpdateStatusBars() once the
// state has changed and before any popup (the bank screen redraws itself there too), and tells the
// player the outcome in a text popup. Every refusal is a text popup that changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "rules/ui.h"
#include "state/ranks.h"

namespace rules {

struct LoanOffer {
  std::int32_t lent = 0;    // credits the player gets
  std::int32_t repay = 0;   // credits owed for them
  std::int32_t term = 0;    // days until the debt falls due
};

struct WarBondOffer {
  std::int32_t amount = 0;  // credits invested per purchase
  std::int32_t lock = 0;    // a purchase locks the bonds for a quarter of this, in days
};

// The offers for military rank `rank`: ranks below 1 are offered rank 1's, ranks above 6 rank 6's.
LoanOffer SmallLoanOffer(Rank rank);
LoanOffer LargeLoanOffer(Rank rank);
WarBondOffer WarBondOfferFor(Rank rank);

// True while the player owes the bank anything.
bool DebtOwed();

// The small-loan button: takes the small loan, or refuses while a debt is owed.
void TakeSmallLoan(Ui& ui);
// The large-loan button: takes the large loan, or pays the debt while one is owed.
void TakeLargeLoanOrPayDebt(Ui& ui);
// Buys one lot of war bonds and earns a tenth of its price as experience.
void BuyWarBonds(Ui& ui);
// Sells every war bond once the lock has run out.
void SellWarBonds(Ui& ui);

// The war bond level as the bank names it: -1 "Unknown yet" (bought since the last campaign day),
// 0 "None", 1 "Low" .. 4 "Decisive"; any other value "None".
std::string WarBondLevelName(std::int32_t level);

// What the bank shows for the player's row.
struct BankView {
  std::string credits;           // "Your credits: $ 12,000"
  bool debtOwed = false;
  std::string loanHeading;       // "Small loan:" or "Your loan:"
  std::string largeLoanCaption;  // "Take this loan" or "Pay your debt"
  std::string smallLoanOffer;    // quoted offers, shown without a debt
  std::string largeLoanOffer;
  std::string owed;              // with a debt: "You owe: $ 25,000"
  std::string payback;           // "Payback: 88 days." or "Payback: Delayed"
  std::optional<std::string> paybackNote;  // the early payback or the warning; none: leave it
  std::string bondValue;         // "War bonds: None" or "War bonds: $ 25,000"
  std::string bondEffect;        // "Effect on war efforts: Low"
  std::string bondSale;          // "Selling possible in: 125 days" or "... -"
  std::string bondOffer;         // the quoted invitation to invest
};
BankView BuildBankView();

}  // namespace rules
