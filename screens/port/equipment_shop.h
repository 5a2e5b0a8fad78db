// The equipment shop: a side view of the player's ship with a hot spot for each of the six
// equipment categories, the fitted item of the selected category, and an options panel with the
// four offers of the category, each with its price after the trade-in of the fitted item, to buy
// one. Opened from the planet screen as a shop, and from the ship status sheet to look at only,
// with the Upgrade button disabled.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "state/equipment_offers.h"
#include "state/ship_classes.h"

namespace screens {

// The screen's picture buttons, numbered as they light.
enum EquipmentShopButton : int {
  kEquipmentUpgradeButton = 1,
  kEquipmentCloseButton,
  kEquipmentBuyButton,
  kEquipmentOptionsCloseButton,
};

// The hot spot positions (left, top within the ship view) of a ship class, in category order:
// guns, missiles, engine, cargo space, targeting, ECM. A class without a side view gets nothing.
struct HotspotPlace {
  int left;
  int top;
};
bool HotspotLayout(state::ShipClassId shipClass, std::array<HotspotPlace, 6>& places);

// The picture of category c's hot spot: "equipment_gun_normal.jpg" and likewise "_selected",
// "_mouseover".
enum class HotspotLook { Normal, Selected, MouseOver };
std::string HotspotPicture(state::EquipmentCategory category, HotspotLook look);

// The place (1..4) of `item` among the offers shown, 0 when it is none of them: the offer the
// selection mark frames.
int OfferPlace(const state::EquipmentOffers& offers, std::int32_t item);

class EquipmentShopScreen : public platform::Form {
 public:
  EquipmentShopScreen();

  // Hides the options panel, enables Upgrade for the shop (disables it to look only), shows the
  // ship and category 1, and shows the screen modally.
  void Open(bool shop);

  // The side view and hot spots for the player's ship class; a class without a side view keeps
  // what was shown before.
  void RefreshShipView();
  // Selects category c and shows its fitted item; the credits line in every case.
  void ShowCategory(state::EquipmentCategory category);
  // The four offers of category c in the options panel; Buy buys in c from then on.
  void FillOffers(state::EquipmentCategory category);
  // The details of item i of the offers' category in the options panel.
  void ShowOfferDetails(std::int32_t item);
  // Shows or hides the compatibility-mode texts and names the offers.
  void UpdateCompatibilityLabels();

  void OnHotspotDown(platform::Sender sender);
  void OnHotspotHover(platform::Sender sender);
  void OnFaceHover();
  void OnUpgradeClick();
  void OnOptionDown(platform::Sender sender);
  void OnBuyClick();
  void OnOptionsCloseClick();
  void OnCloseClick();

  state::EquipmentCategory Category() const { return category_; }
  state::EquipmentCategory OfferCategory() const { return offerCategory_; }
  std::int32_t ShownItem() const { return shownItem_; }
  const state::EquipmentOffers& Offers() const { return offers_; }
  int HoverButton() const { return buttons_.Lit(); }
  state::EquipmentCategory HoverCategory() const { return hoverCategory_; }

 private:
  platform::Image& Hotspot(state::EquipmentCategory category) const;

  // The category whose fitted item is shown.
  state::EquipmentCategory category_ = state::kNoEquipmentCategory;
  // The category of the offers in the options panel, which Buy buys in. A hot spot still in reach
  // beside the open panel changes the fitted item shown, never what the panel sells.
  state::EquipmentCategory offerCategory_ = state::kNoEquipmentCategory;
  state::EquipmentCategory selectedCategory_ =
      state::kNoEquipmentCategory;  // the hot spot shown selected
  // The hot spot shown under the mouse, kNoEquipmentCategory for none.
  state::EquipmentCategory hoverCategory_ = state::kNoEquipmentCategory;
  std::int32_t shownItem_ = 0;         // the item whose details are shown; Buy buys it
  state::EquipmentOffers offers_{0, 1, 2, 3};
  PictureButtons buttons_;
  ScreenUi rules_;

  platform::Label& credits_ = Get<platform::Label>("Credits");
  platform::Image& sideView_ = Get<platform::Image>("ShipSideView");
  std::vector<platform::Panel*> hotspotPanels_;
  std::vector<platform::Image*> hotspots_;
  std::vector<platform::Label*> hotspotTexts_;     // the compatibility mode's
  std::vector<platform::Label*> hotspotCaptions_;  // the names, when those are not shown
  platform::Image& fittedPicture_ = Get<platform::Image>("FittedPicture");
  platform::Label& fittedName_ = Get<platform::Label>("FittedName");
  platform::Label& fittedTypeCaption_ = Get<platform::Label>("FittedTypeCaption");
  platform::Label& fittedType_ = Get<platform::Label>("FittedType");
  std::vector<platform::Label*> fittedCaptions_ = GetNumbered<platform::Label>("FittedStatCaption", 3);
  std::vector<platform::Label*> fittedValues_ = GetNumbered<platform::Label>("FittedStatValue", 3);
  platform::Image& upgradeButton_ = Get<platform::Image>("UpgradeButton");
  platform::Label& upgradeLabel_ = Get<platform::Label>("UpgradeLabel");

  platform::Panel& optionsPanel_ = Get<platform::Panel>("OptionsPanel");
  platform::Label& optionsHeading_ = Get<platform::Label>("OptionsHeading");
  std::vector<platform::Image*> options_ = GetNumbered<platform::Image>("Option", 4);
  std::vector<platform::Label*> optionTexts_ = GetNumbered<platform::Label>("OptionText", 4);
  std::vector<platform::Label*> optionCaptions_ = GetNumbered<platform::Label>("OptionCaption", 4);
  platform::Shape& optionMark_ = Get<platform::Shape>("OptionMark");
  platform::Label& offerName_ = Get<platform::Label>("OfferName");
  platform::Label& offerDescription_ = Get<platform::Label>("OfferDescription");
  platform::Label& offerType_ = Get<platform::Label>("OfferType");
  std::vector<platform::Label*> offerCaptions_ = GetNumbered<platform::Label>("OfferStatCaption", 4);
  std::vector<platform::Label*> offerValues_ = GetNumbered<platform::Label>("OfferStatValue", 4);
  platform::Label& priceCaption_ = Get<platform::Label>("PriceCaption");
  platform::Label& offerPrice_ = Get<platform::Label>("OfferPrice");
};

// The picture of button k (1..4), lit or plain.
std::string EquipmentShopButtonPicture(int k, bool lit);

}  // namespace screens
