// The equipment shop.
#include "screens/port/equipment_shop.h"

#include <algorithm>
#include <cstddef>

#include "audio/sound.h"
#include "platform/types.h"
#include "rules/equipment_shop.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/rows.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Panel;
using platform::Sender;

namespace {

using state::EquipmentCategory;

// Per category: the stem of its components' names and of its hot spot pictures.
struct HotspotNames {
  const char* component;
  const char* picture;
};
constexpr HotspotNames kHotspots[state::kEquipmentCategories.size()] = {
    {"Guns", "gun"},    {"Missiles", "missile"},    {"Engine", "engine"},
    {"Cargo", "cargo"}, {"Targeting", "targeting"}, {"Ecm", "ECM"},
};

// Where the options panel stands when the screen is set up, and when Upgrade opens it.
constexpr int kPanelLeft = 165, kPanelTop = 47;
constexpr int kOpenedPanelLeft = 111, kOpenedPanelTop = 33;

bool IsCategory(EquipmentCategory c) {
  return c >= state::kFirstEquipmentCategory && c <= state::kLastEquipmentCategory;
}

template <class T>
std::vector<T*> HotspotParts(const platform::Form& form, const char* suffix) {
  std::vector<T*> parts;
  for (const HotspotNames& h : kHotspots)
    parts.push_back(&form.Get<T>(std::string(h.component) + "Hotspot" + suffix));
  return parts;
}

constexpr const char* kButtonNames[] = {"UpgradeButton", "CloseButton", "BuyButton",
                                        "OptionsCloseButton"};

}  // namespace

bool HotspotLayout(state::ShipClassId shipClass, std::array<HotspotPlace, 6>& places) {
  // The group classes (the Orion Squadron, the Battlegroup) have no side view.
  if (shipClass < state::kClassStarwolf || shipClass > state::kLastShipClass ||
      state::GetShipClassStat(shipClass, state::kAttrGroup) != 0)
    return false;
  // The side views draw the hull across the middle of the picture, tail left and nose right, the
  // longer the bigger the ship. The hot spots stand in two rows above and below it, each over the
  // stretch of hull its part sits in: the engine at the tail, the guns at the nose.
  constexpr int kViewWidth = 530, kViewMiddle = 150, kWidth = 80, kHeight = 62;
  const int size =
      std::clamp(state::Stored(state::GetShipClassSize(shipClass)),
                 state::Stored(state::kSizeFighter), state::Stored(state::kSizeBattleship));
  const double length = kViewWidth * (0.5 + 0.08 * size);
  const double tail = (kViewWidth - length) / 2;
  const int above = kViewMiddle - kHeight - 12 - 10 * size;
  const int below = kViewMiddle + 12 + 10 * size;
  auto at = [&](double along, int top) {
    const int left = static_cast<int>(tail + along * length) - kWidth / 2;
    return HotspotPlace{std::clamp(left, 4, kViewWidth - kWidth - 4), top};
  };
  // Guns, missiles, engine, cargo space, targeting, ECM.
  places = {at(0.92, below), at(0.62, below), at(0.05, above),
            at(0.30, below), at(0.88, above), at(0.50, above)};
  return true;
}

std::string HotspotPicture(EquipmentCategory category, HotspotLook look) {
  if (!IsCategory(category)) return {};
  const char* suffix = look == HotspotLook::Selected    ? "_selected.jpg"
                       : look == HotspotLook::MouseOver ? "_mouseover.jpg"
                                                        : "_normal.jpg";
  return std::string("equipment_") + kHotspots[state::Stored(category) - 1].picture + suffix;
}

std::string EquipmentShopButtonPicture(int k, bool lit) {
  switch (k) {
    case kEquipmentUpgradeButton: return lit ? "EquipmentScreenON_09.jpg" : "EquipmentScreen_09.jpg";
    case kEquipmentCloseButton: return lit ? "EquipmentScreenON_10.jpg" : "EquipmentScreen_10.jpg";
    case kEquipmentBuyButton:
      return lit ? "EquipmentScreenPopupON_19.jpg" : "EquipmentScreenPopup_19.jpg";
    case kEquipmentOptionsCloseButton:
      return lit ? "EquipmentScreenPopupON_20.jpg" : "EquipmentScreenPopup_20.jpg";
    default: return {};
  }
}

int OfferPlace(const state::EquipmentOffers& offers, std::int32_t item) {
  const auto it = std::find(offers.begin(), offers.end(), item);
  return it == offers.end() ? 0 : static_cast<int>(it - offers.begin()) + 1;
}

EquipmentShopScreen::EquipmentShopScreen()
    : Form("EquipmentShop"),
      buttons_(NumberedPictureButtons(*this, kButtonNames, EquipmentShopButtonPicture)),
      hotspotPanels_(HotspotParts<Panel>(*this, "Panel")),
      hotspots_(HotspotParts<Image>(*this, "")),
      hotspotTexts_(HotspotParts<Label>(*this, "Text")),
      hotspotCaptions_(HotspotParts<Label>(*this, "Caption")) {
  Bind("OnHotspotDown", &EquipmentShopScreen::OnHotspotDown);
  Bind("OnHotspotHover", &EquipmentShopScreen::OnHotspotHover);
  Bind("OnFaceHover", [this](Sender) { OnFaceHover(); });
  Bind("OnUpgradeClick", &EquipmentShopScreen::OnUpgradeClick);
  Bind("OnOptionDown", &EquipmentShopScreen::OnOptionDown);
  Bind("OnBuyClick", &EquipmentShopScreen::OnBuyClick);
  Bind("OnOptionsCloseClick", &EquipmentShopScreen::OnOptionsCloseClick);
  Bind("OnCloseClick", &EquipmentShopScreen::OnCloseClick);
  Bind("OnUpgradeHover", [this](Sender) { buttons_.Hover(kEquipmentUpgradeButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kEquipmentCloseButton); });
  Bind("OnBuyHover", [this](Sender) { buttons_.Hover(kEquipmentBuyButton); });
  Bind("OnOptionsCloseHover", [this](Sender) { buttons_.Hover(kEquipmentOptionsCloseButton); });
}

Image& EquipmentShopScreen::Hotspot(EquipmentCategory category) const {
  return *hotspots_[static_cast<std::size_t>(state::Stored(category) - 1)];
}

void EquipmentShopScreen::Open(bool shop) {
  optionsPanel_.Hide();
  upgradeButton_.SetEnabled(shop);
  upgradeLabel_.SetEnabled(shop);
  RefreshShipView();
  ShowCategory(state::kCategoryGuns);
  ShowModal();
}

void EquipmentShopScreen::RefreshShipView() {
  const state::ShipClassId k = state::ShipClassOf(state::PlayerShip);
  std::array<HotspotPlace, 6> places{};
  if (HotspotLayout(k, places)) {
    sideView_.LoadPicture(state::GetShipClassImage(k) + "_sidewire.jpg");
    for (std::size_t c = 0; c < places.size(); ++c) {
      Panel& panel = *hotspotPanels_[c];
      panel.SetBounds(places[c].left, places[c].top, panel.Width(), panel.Height());
    }
  }
  optionsPanel_.SetBounds(kPanelLeft, kPanelTop, optionsPanel_.Width(), optionsPanel_.Height());
  UpdateCompatibilityLabels();
}

void EquipmentShopScreen::ShowCategory(EquipmentCategory c) {
  category_ = c;
  selectedCategory_ = c;
  if (IsCategory(c)) {
    const rules::FittedEquipmentView view = rules::BuildFittedEquipmentView(c);
    fittedTypeCaption_.SetCaption("Type:");
    fittedType_.SetCaption(view.type);
    for (const EquipmentCategory h : state::kEquipmentCategories)
      Hotspot(h).LoadPicture(HotspotPicture(h, h == c ? HotspotLook::Selected : HotspotLook::Normal));
    fittedPicture_.LoadPicture(view.picture);
    fittedName_.SetCaption(view.name);
    for (std::size_t r = 0; r < view.rows.size(); ++r) {
      fittedCaptions_[r]->SetCaption(view.rows[r].caption);
      fittedValues_[r]->SetCaption(view.rows[r].value);
    }
  }
  credits_.SetCaption(rules::ShopCredits());
}

void EquipmentShopScreen::FillOffers(EquipmentCategory c) {
  category_ = c;
  offerCategory_ = c;
  offers_ = {0, 1, 2, 3};
  if (IsCategory(c)) {
    optionsHeading_.SetCaption(std::string(state::EquipmentCategoryHeading(c)));
    const state::ShipClassId k = state::ShipClassOf(state::PlayerShip);
    const state::ShipSize size = state::GetShipClassSize(k);
    if (state::IsShipSize(size)) {
      offers_ = state::GetEquipmentOffers(c, k);
      for (std::size_t slot = 0; slot < offers_.size(); ++slot) {
        options_[slot]->LoadPicture(rules::EquipmentPicture(c, offers_[slot]) + ".jpg");
        optionCaptions_[slot]->SetCaption(rules::EquipmentName(c, k, offers_[slot]));
      }
      for (Image* option : options_) option->Show();
    }
  }
  UpdateCompatibilityLabels();
}

void EquipmentShopScreen::ShowOfferDetails(std::int32_t item) {
  shownItem_ = item;
  const int place = OfferPlace(offers_, item);
  optionMark_.SetVisible(place > 0);
  if (place > 0) {
    const Image& option = *options_[static_cast<std::size_t>(place - 1)];
    optionMark_.SetBounds(option.Left() - 3, option.Top() - 3, option.Width() + 6, option.Height() + 6);
  }
  if (!IsCategory(offerCategory_)) return;
  const rules::EquipmentOfferView view = rules::BuildEquipmentOfferView(offerCategory_, item);
  offerName_.SetCaption(view.name);
  offerDescription_.SetCaption(view.description);
  offerType_.SetCaption(view.type);
  for (std::size_t r = 0; r < view.rows.size(); ++r) {
    offerCaptions_[r]->SetCaption(view.rows[r].caption);
    offerValues_[r]->SetCaption(view.rows[r].value);
  }
  priceCaption_.SetCaption("Price:");
  offerPrice_.SetCaption(view.price);
}

void EquipmentShopScreen::UpdateCompatibilityLabels() {
  const bool on = state::CompatibilityMode == 1;
  for (Label* text : hotspotTexts_) text->SetVisible(on);
  for (Label* caption : hotspotCaptions_) caption->SetVisible(!on);
  for (Label* caption : optionCaptions_) caption->SetVisible(!on);
  for (std::size_t slot = 0; slot < optionTexts_.size(); ++slot) {
    Label& text = *optionTexts_[slot];
    text.SetVisible(on);
    if (on && IsCategory(offerCategory_))
      text.SetCaption(rules::EquipmentName(offerCategory_, state::ShipClassOf(state::PlayerShip),
                                           offers_[slot]));
  }
}

void EquipmentShopScreen::OnHotspotDown(Sender sender) {
  audio::PlayButtonSound();
  const EquipmentCategory c{sender.sender.Tag()};
  selectedCategory_ = c;
  ShowCategory(c);
  if (hoverCategory_ != selectedCategory_ && IsCategory(hoverCategory_))
    Hotspot(hoverCategory_).LoadPicture(HotspotPicture(hoverCategory_, HotspotLook::Normal));
}

void EquipmentShopScreen::OnHotspotHover(Sender sender) {
  const EquipmentCategory c{sender.sender.Tag()};
  if (hoverCategory_ == c) return;
  if (IsCategory(hoverCategory_) && hoverCategory_ != selectedCategory_)
    Hotspot(hoverCategory_).LoadPicture(HotspotPicture(hoverCategory_, HotspotLook::Normal));
  if (c != selectedCategory_) {
    Hotspot(c).LoadPicture(HotspotPicture(c, HotspotLook::MouseOver));
    hoverCategory_ = c;
  }
}

void EquipmentShopScreen::OnFaceHover() {
  if (IsCategory(hoverCategory_) && hoverCategory_ != selectedCategory_)
    Hotspot(hoverCategory_).LoadPicture(HotspotPicture(hoverCategory_, HotspotLook::Normal));
  hoverCategory_ = state::kNoEquipmentCategory;
}

void EquipmentShopScreen::OnUpgradeClick() {
  audio::PlayButtonSound();
  FillOffers(category_);
  ShowOfferDetails(offers_[0]);
  optionsPanel_.SetBounds(kOpenedPanelLeft, kOpenedPanelTop, optionsPanel_.Width(),
                          optionsPanel_.Height());
  optionsPanel_.Show();
  optionsPanel_.BringToFront();
}

void EquipmentShopScreen::OnOptionDown(Sender sender) {
  audio::PlayButtonSound();
  // A place past the offers (the empty fifth one) shows the last offer.
  const int slot = std::min(RowNumber(sender.sender), static_cast<int>(offers_.size()));
  if (slot < 1) return;
  ShowOfferDetails(offers_[static_cast<std::size_t>(slot - 1)]);
}

void EquipmentShopScreen::OnBuyClick() {
  audio::PlayButtonSound();
  const EquipmentCategory c = offerCategory_;
  if (rules::BuyEquipment(c, shownItem_, rules_) != rules::UpgradeResult::Upgraded) return;
  RefreshShipView();
  ShowCategory(c);
  FillOffers(c);
  ShowOfferDetails(shownItem_);
}

void EquipmentShopScreen::OnOptionsCloseClick() {
  audio::PlayButtonSound();
  optionsPanel_.Hide();
}

void EquipmentShopScreen::OnCloseClick() {
  audio::PlayButtonSound();
  Close();
}

void OpenEquipmentShop() {
  GameForm<EquipmentShopScreen>().Open(true);
}

void OpenEquipmentView() {
  GameForm<EquipmentShopScreen>().Open(false);
}

}  // namespace screens
