// The trade window: the one screen that is not modal. It stays on top beside the travel screen or
// the pirate hideout, the player drags it by its title bar, and it trades the selected good at the
// market where the ship is (rules/trade.h) in units of the chosen quantity.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"

namespace screens {

// The window's picture buttons as the hover group numbers them.
enum TradeButton : int {
  kTradeBuyAllButton = 1,
  kTradeSellAllButton,
  kTradeBuyButton,
  kTradeSellButton,
  kTradeCloseButton,
  kTradeQuantityButton1,  // x 1; x 10, x 25 and x 100 follow
};

class TradeWindowScreen : public platform::Form {
 public:
  TradeWindowScreen();

  // Redraws the rows, the hold and the quantity buttons from the game state.
  void Refresh();
  // Shown when hidden and hidden when shown (the travel screen's trade icon, the hideout).
  void Toggle();
  // Hidden, as at a new game or a load.
  void HideWindow();

  // The tutorial's blinking arrow: placed and started, or stopped and hidden.
  void StopTutorialArrow();

  void OnGoodClick(platform::Sender sender);
  void OnQuantityClick(platform::Sender sender);
  void OnBuyClick();
  void OnBuyAllClick();
  void OnSellClick();
  void OnSellAllClick();
  void OnCloseClick();

  int HoverIndex() const { return buttons_.Lit(); }

 private:
  // After a purchase or a sale: this window and the travel screen's status.
  void AfterTrade();

  std::vector<platform::Label*> names_, prices_, stocks_, cargo_;  // good g is element g - 1
  std::vector<platform::Label*> quantityLabels_;                   // in button order
  platform::Label& hold_ = Get<platform::Label>("Hold");
  TutorialPanel tutorialPanel_{*this};
  TutorialArrow tutorialArrow_{*this};
  PictureButtons buttons_;
  int shownQuantity_ = -1;  // the quantity button shown lit, as an index of kTradeQuantities
  ScreenUi rules_;
};

// The picture of hover button k (1..9): normal, lit under the mouse, or (quantities) the active
// quantity's.
std::string TradeButtonPicture(int k, bool lit, bool active);

}  // namespace screens
