// The bank: loans, investments and war bonds.
#include "screens/port/bank.h"

#include <vector>

#include "audio/sound.h"
#include "rules/bank.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

// Picture numbers of the buttons 1..5: large loan, small loan, leave, buy bonds, sell bonds.
constexpr const char* kPictureNumbers[] = {"12", "06", "10", "05", "13"};
constexpr const char* kButtonNames[] = {"LargeLoanButton", "SmallLoanButton", "LeaveButton",
                                        "BuyBondsButton", "SellBondsButton"};

}  // namespace

std::string BankButtonPicture(int k, bool lit) {
  if (k < kBankLargeLoanButton || k > kBankSellBondsButton) return {};
  return std::string(lit ? "BankScreenON_" : "BankScreen_") + kPictureNumbers[k - 1] + ".jpg";
}

void BankScreen::BankUi::UpdateStatusBars() {
  ScreenUi::UpdateStatusBars();
  bank_.Refresh();
}

BankScreen::BankScreen()
    : Form("Bank"), buttons_(NumberedPictureButtons(*this, kButtonNames, BankButtonPicture)) {
  Bind("OnSmallLoanClick", &BankScreen::OnSmallLoanClick);
  Bind("OnLargeLoanClick", &BankScreen::OnLargeLoanClick);
  Bind("OnBuyBondsClick", &BankScreen::OnBuyBondsClick);
  Bind("OnSellBondsClick", &BankScreen::OnSellBondsClick);
  Bind("OnLeaveClick", &BankScreen::OnLeaveClick);
  Bind("OnLargeLoanHover", [this](Sender) { buttons_.Hover(kBankLargeLoanButton); });
  Bind("OnSmallLoanHover", [this](Sender) { buttons_.Hover(kBankSmallLoanButton); });
  Bind("OnLeaveHover", [this](Sender) { buttons_.Hover(kBankLeaveButton); });
  Bind("OnBuyBondsHover", [this](Sender) { buttons_.Hover(kBankBuyBondsButton); });
  Bind("OnSellBondsHover", [this](Sender) { buttons_.Hover(kBankSellBondsButton); });
}

void BankScreen::Refresh() {
  const rules::BankView v = rules::BuildBankView();
  credits_.SetCaption(v.credits);
  loanHeading_.SetCaption(v.loanHeading);
  largeLoanLabel_.SetCaption(v.largeLoanCaption);
  currentLoan_.SetVisible(v.debtOwed);
  if (!v.debtOwed) {
    smallLoanOffer_.SetCaption(v.smallLoanOffer);
    largeLoanOffer_.SetCaption(v.largeLoanOffer);
  } else {
    owed_.SetCaption(v.owed);
    payback_.SetCaption(v.payback);
    if (v.paybackNote) paybackNote_.SetCaption(*v.paybackNote);
  }
  bondValue_.SetCaption(v.bondValue);
  bondEffect_.SetCaption(v.bondEffect);
  bondSale_.SetCaption(v.bondSale);
  bondOffer_.SetCaption(v.bondOffer);
}

void BankScreen::OnSmallLoanClick() {
  audio::PlayButtonSound();
  rules::TakeSmallLoan(rules_);
}

void BankScreen::OnLargeLoanClick() {
  audio::PlayButtonSound();
  rules::TakeLargeLoanOrPayDebt(rules_);
}

void BankScreen::OnBuyBondsClick() {
  audio::PlayButtonSound();
  rules::BuyWarBonds(rules_);
}

void BankScreen::OnSellBondsClick() {
  audio::PlayButtonSound();
  rules::SellWarBonds(rules_);
}

void BankScreen::OnLeaveClick() {
  audio::PlayButtonSound();
  Close();
}

void OpenBank() {
  BankScreen& bank = GameForm<BankScreen>();
  bank.Refresh();
  bank.ShowModal();
}

}  // namespace screens
