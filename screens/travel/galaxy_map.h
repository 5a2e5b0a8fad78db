// The galaxy map: the 24 star systems with their owners, battles and enemies, the player's
// current system, the description of a system the player picks, and the prices of one good across
// every system the player has visited. Opened from the travel screen's control panel and from the
// mission board (OpenGalaxyMap in navigation.h).
#pragma once

#include <vector>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/travel/galaxy_map_view.h"

namespace screens {

// The map's buttons, numbered as they light.
enum GalaxyMapButton : int {
  kGalaxyPricesButton = 1,
  kGalaxyInfoButton,
  kGalaxyCloseButton,
  kGalaxyPricesCloseButton,
  kGalaxyInfoCloseButton,
};

// Where the prices panel sits: on the right when opened, on the left after a drag.
inline constexpr int kPricesPanelRight = 437;
inline constexpr int kPricesPanelLeft = 8;
inline constexpr int kPricesPanelTop = 10;

class GalaxyMapScreen : public platform::Form {
 public:
  GalaxyMapScreen();

  // Fills the map for a fresh opening: the displayed system is the ship's, picked.
  void Prepare();

  // Redraws everything; the displayed system is no longer shown as picked.
  void DrawMap();
  // Shows system `s` as the displayed one, picked.
  void PickSystem(int s);

  void OnSystemClick(platform::Sender s);
  void OnCurrentSystemClick();
  void OnGoodClick(platform::Sender s);
  void OnPricesClick();
  void OnInfoClick();
  void OnCloseClick();
  void OnPricesCloseClick();
  void OnInfoCloseClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  void Refresh();
  void ClosePricesPanel();
  void OnPricesPress(platform::Sender s);
  void OnPricesDrag(platform::Sender s);

  PictureButtons buttons_;
  bool picked_ = false;  // the displayed system was picked since the last full redraw
  // A press on the prices panel's frame: a move drags the panel, a click without one closes it.
  bool pressed_ = false, dragged_ = false;
  int pressX_ = 0, pressY_ = 0;
  ScreenUi rules_;

  std::vector<platform::Image*> blips_ = GetNumbered<platform::Image>("SystemBlip", kGalaxySystems);
  std::vector<platform::Label*> names_ = GetNumbered<platform::Label>("SystemName", kGalaxySystems);
  std::vector<platform::Label*> prices_ = GetNumbered<platform::Label>("SystemPrice", kGalaxySystems);
  platform::Control& currentCursor_ = Get<platform::Control>("CurrentCursor");
  platform::Control& displayedCursor_ = Get<platform::Control>("DisplayedCursor");
  platform::Control& pricesPanel_ = Get<platform::Control>("PricesPanel");
  platform::Control& infoPanel_ = Get<platform::Control>("InfoPanel");
  std::vector<platform::Label*> goodNames_ = GetNumbered<platform::Label>("GoodName", kGalaxyGoods);
  std::vector<platform::Label*> goodPrices_ = GetNumbered<platform::Label>("GoodPrice", kGalaxyGoods);
  std::vector<platform::Label*> goodStocks_ = GetNumbered<platform::Label>("GoodStock", kGalaxyGoods);
  platform::Label& freeCargo_ = Get<platform::Label>("FreeCargo");
  platform::Label& systemName_ = Get<platform::Label>("InfoSystemName");
  platform::Label& faction_ = Get<platform::Label>("InfoFaction");
  platform::Label& systemClass_ = Get<platform::Label>("InfoClass");
  platform::Label& description_ = Get<platform::Label>("InfoDescription");
  platform::Image& logo_ = Get<platform::Image>("InfoLogo");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};



}  // namespace screens
