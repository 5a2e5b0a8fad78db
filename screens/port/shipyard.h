// The shipyard: twelve places in four rows (fighters, corvettes, destroyers, cruisers) with the
// classes the player's faction sells, the details of the selected one with its price, the trade-in
// of the present ship and the balance, and "Buy". Opened from the planet screen, which fills the
// offers and selects the first place each time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "rules/shipyard.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The shipyard's picture buttons, numbered as they light.
enum ShipyardButton : int {
  kShipyardBuyButton = 1,
  kShipyardCloseButton,
};

class ShipyardScreen : public platform::Form {
 public:
  ShipyardScreen();

  // The credits line and the twelve places for the player's faction.
  void FillOffers();
  // Selects place 1..12 and shows its class; an empty place changes only the selection.
  void ShowDetails(int place);
  void UpdateCompatibilityLabels();

  void OnPlaceClick(platform::Sender sender);
  void OnBuyClick();
  // The hidden developer controls.
  void OnMoneyGiftClick();
  void OnFreeBattleshipClick();
  void OnCloseClick();
  void OnSpecialityClick();
  void OnMoreClick();
  void OnCompatibilitySwitchClick();
  void OnMoreHover();
  void OnMoreLeave();

  int SelectedPlace() const { return selected_; }
  state::ShipClassId PlaceClass(int place) const {
    return offers_[static_cast<std::size_t>(place - 1)];
  }
  int HoverButton() const { return buttons_.Lit(); }

 private:
  std::array<state::ShipClassId, rules::kShipyardPlaces> offers_{};
  int selected_ = 1;
  rules::ShipOfferView view_;
  state::ShipClassId shownClass_ =
      state::kNoShipClass;  // the class whose details stand in the labels
  PictureButtons buttons_;
  ScreenUi rules_;

  platform::Label& credits_ = Get<platform::Label>("Credits");
  std::vector<platform::Image*> tiles_ = GetNumbered<platform::Image>("ShipTile", rules::kShipyardPlaces);
  platform::Shape& selectionMark_ = Get<platform::Shape>("SelectionMark");
  std::vector<platform::Label*> tileTexts_ =
      GetNumbered<platform::Label>("ShipTileText", rules::kShipyardPlaces);
  platform::Label& compatibilitySwitch_ = Get<platform::Label>("CompatibilitySwitch");
  platform::Image& picture_ = Get<platform::Image>("ShipPicture");
  platform::Label& name_ = Get<platform::Label>("ShipName");
  platform::Label& description_ = Get<platform::Label>("ShipDescription");
  platform::Label& type_ = Get<platform::Label>("ShipType");
  platform::Label& damage_ = Get<platform::Label>("Damage");
  platform::Label& shields_ = Get<platform::Label>("Shields");
  platform::Label& cargo_ = Get<platform::Label>("CargoSpace");
  platform::Label& speciality_ = Get<platform::Label>("Speciality");
  platform::Label& price_ = Get<platform::Label>("Price");
  platform::Label& oldShip_ = Get<platform::Label>("OldShip");
  platform::Label& balance_ = Get<platform::Label>("Balance");
  platform::Label& more_ = Get<platform::Label>("MoreLink");
};

// The picture of shipyard button k (1..2), lit or plain.
std::string ShipyardButtonPicture(int k, bool lit);

}  // namespace screens
