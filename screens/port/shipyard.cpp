// The shipyard.
#include "screens/port/shipyard.h"

#include <cstddef>

#include "audio/sound.h"
#include "rules/cheats.h"
#include "platform/types.h"
#include "screens/popups/popups.h"
#include "screens/port/equipment_shop.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/rows.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

namespace {

constexpr platform::Color kLinkColour = platform::colors::White;
constexpr platform::Color kLinkHoverColour = platform::colors::Red;

}  // namespace

std::string ShipyardButtonPicture(int k, bool lit) {
  const char* number = k == kShipyardBuyButton ? "31" : k == kShipyardCloseButton ? "35" : nullptr;
  if (number == nullptr) return {};
  return std::string("ShipPurchaseScreen_") + number + (lit ? "_Highlighted.jpg" : ".jpg");
}

ShipyardScreen::ShipyardScreen()
    : Form("Shipyard"),
      buttons_({{Get<Image>("BuyButton"), ShipyardButtonPicture(kShipyardBuyButton, false),
                 ShipyardButtonPicture(kShipyardBuyButton, true)},
                {Get<Image>("CloseButton"), ShipyardButtonPicture(kShipyardCloseButton, false),
                 ShipyardButtonPicture(kShipyardCloseButton, true)}}) {
  Bind("OnPlaceClick", &ShipyardScreen::OnPlaceClick);
  Bind("OnBuyClick", &ShipyardScreen::OnBuyClick);
  Bind("OnMoneyGiftClick", &ShipyardScreen::OnMoneyGiftClick);
  Bind("OnFreeBattleshipClick", &ShipyardScreen::OnFreeBattleshipClick);
  Bind("OnCloseClick", &ShipyardScreen::OnCloseClick);
  Bind("OnSpecialityClick", &ShipyardScreen::OnSpecialityClick);
  Bind("OnMoreClick", &ShipyardScreen::OnMoreClick);
  Bind("OnMoreHover", [this](Sender) { OnMoreHover(); });
  Bind("OnMoreLeave", [this](Sender) { OnMoreLeave(); });
  Bind("OnCompatibilitySwitchClick", &ShipyardScreen::OnCompatibilitySwitchClick);
  Bind("OnBuyHover", [this](Sender) { buttons_.Hover(kShipyardBuyButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kShipyardCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void ShipyardScreen::FillOffers() {
  credits_.SetCaption("$ " + state::FormatThousands(state::PlayerData[player::kCredits]));
  offers_ = rules::ShipyardOffers(Faction{state::PlayerData[player::kFaction]});
  for (std::size_t place = 0; place < offers_.size(); ++place)
    tiles_[place]->LoadPicture(rules::ShipyardTilePicture(offers_[place]));
  UpdateCompatibilityLabels();
}

void ShipyardScreen::ShowDetails(int place) {
  if (place < 1 || place > rules::kShipyardPlaces) return;
  selected_ = place;
  const state::ShipClassId c = PlaceClass(place);
  if (c <= state::kNoShipClass) return;
  shownClass_ = c;
  const Image& tile = *tiles_[static_cast<std::size_t>(place - 1)];
  selectionMark_.SetBounds(tile.Left() - 3, tile.Top() - 3, tile.Width() + 6, tile.Height() + 6);
  selectionMark_.Show();
  view_ = rules::BuildShipOfferView(c);
  picture_.LoadPicture(view_.picture);
  name_.SetCaption(view_.name);
  description_.SetCaption(view_.description);
  type_.SetCaption(view_.type);
  damage_.SetCaption(view_.damage);
  shields_.SetCaption(view_.shields);
  cargo_.SetCaption(view_.cargo);
  speciality_.SetCaption(view_.speciality);
  price_.SetCaption(view_.price);
  oldShip_.SetCaption(view_.oldShip);
  balance_.SetCaption(view_.balance);
}

void ShipyardScreen::UpdateCompatibilityLabels() {
  const bool on = state::CompatibilityMode == 1;
  compatibilitySwitch_.SetVisible(on);
  for (std::size_t place = 0; place < offers_.size(); ++place) {
    tileTexts_[place]->SetVisible(on);
    if (on) tileTexts_[place]->SetCaption(rules::ShipyardTileCaption(offers_[place]));
  }
}

void ShipyardScreen::OnPlaceClick(Sender sender) {
  audio::PlayButtonSound();
  ShowDetails(RowNumber(sender.sender));
}

void ShipyardScreen::OnBuyClick() {
  audio::PlayButtonSound();
  rules::BuyShip(PlaceClass(selected_), rules_, [this] {
    FillOffers();
    ShowDetails(selected_);
  });
}

void ShipyardScreen::OnMoneyGiftClick() {
  rules::CheatCredits(rules_);
  FillOffers();
  ShowDetails(1);
}

void ShipyardScreen::OnFreeBattleshipClick() {
  rules::GiveFreeBattleship(rules_, [this] {
    FillOffers();
    ShowDetails(selected_);
  });
}

void ShipyardScreen::OnCloseClick() {
  audio::PlayButtonSound();
  Close();
}

void ShipyardScreen::OnSpecialityClick() {
  audio::PlayButtonSound();
  if (view_.speciality.empty()) return;
  popups::ShowText(view_.speciality, "If active " + state::GetShipSpecialEffect(view_.special));
}

void ShipyardScreen::OnMoreClick() {
  if (shownClass_ <= state::kNoShipClass) return;
  const Faction faction{state::PlayerData[player::kFaction]};
  popups::ShowPicture(state::GetShipClassName(shownClass_),
                      state::GetShipClassDescription(shownClass_),
                      state::GetShipFactionImage(shownClass_, faction) + "_Scene.jpg");
}

void ShipyardScreen::OnMoreHover() { more_.SetFontColor(kLinkHoverColour); }

void ShipyardScreen::OnMoreLeave() { more_.SetFontColor(kLinkColour); }

void ShipyardScreen::OnCompatibilitySwitchClick() {
  audio::PlayButtonSound();
  // The switch shows only while the mode is on, so this turns it off for every screen.
  if (state::CompatibilityMode != 1) return;
  SwitchCompatibilityMode();
  UpdateCompatibilityLabels();
}

void OpenShipyard() {
  ShipyardScreen& shipyard = GameForm<ShipyardScreen>();
  shipyard.FillOffers();
  shipyard.ShowDetails(1);
  shipyard.ShowModal();
}

}  // namespace screens
