// The bank of a planet, opened modally from the planet screen: the two loan offers of the player's
// rank (or the debt owed and its payback), the war bond offer and the bonds held. "Leave bank"
// closes it; the screen has no other guard.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The bank's picture buttons, numbered as they light.
enum BankButton : int {
  kBankLargeLoanButton = 1,
  kBankSmallLoanButton,
  kBankLeaveButton,
  kBankBuyBondsButton,
  kBankSellBondsButton,
};

class BankScreen : public platform::Form {
 public:
  BankScreen();

  // Fills every label from the player's row.
  void Refresh();

  void OnSmallLoanClick();
  void OnLargeLoanClick();
  void OnBuyBondsClick();
  void OnSellBondsClick();
  void OnLeaveClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  // The rules' screens, with the bank redrawn wherever they redraw the status bars: a popup after
  // an action stands over the new figures.
  class BankUi : public ScreenUi {
   public:
    explicit BankUi(BankScreen& bank) : bank_(bank) {}
    void UpdateStatusBars() override;

   private:
    BankScreen& bank_;
  };

  PictureButtons buttons_;
  BankUi rules_{*this};
  platform::Label& credits_ = Get<platform::Label>("Credits");
  platform::Label& loanHeading_ = Get<platform::Label>("LoanHeading");
  platform::Label& smallLoanOffer_ = Get<platform::Label>("SmallLoanOffer");
  platform::Label& largeLoanOffer_ = Get<platform::Label>("LargeLoanOffer");
  platform::Label& largeLoanLabel_ = Get<platform::Label>("LargeLoanLabel");
  platform::Panel& currentLoan_ = Get<platform::Panel>("CurrentLoanPanel");
  platform::Label& owed_ = Get<platform::Label>("Owed");
  platform::Label& payback_ = Get<platform::Label>("Payback");
  platform::Label& paybackNote_ = Get<platform::Label>("PaybackNote");
  platform::Label& bondOffer_ = Get<platform::Label>("BondOffer");
  platform::Label& bondValue_ = Get<platform::Label>("BondValue");
  platform::Label& bondEffect_ = Get<platform::Label>("BondEffect");
  platform::Label& bondSale_ = Get<platform::Label>("BondSale");
};

// The picture of bank button k (1..5), lit or plain.
std::string BankButtonPicture(int k, bool lit);

}  // namespace screens
