// The galaxy map.
#include "screens/travel/galaxy_map.h"

#include <cstdlib>

#include "audio/sound.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/rows.h"
#include "screens/shared/doors.h"
#include "screens/tutorial/tutorial.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

// Picture numbers and file stems of the buttons 1..5: Prices, Info, Close on the bottom bar, then
// the Close of the prices panel and of the description panel.
struct ButtonPictures {
  const char* component;
  const char* normal;
  const char* lit;
};
constexpr ButtonPictures kButtons[] = {
    {"PricesButton",      "GalaxyScreen_03.jpg",       "GalaxyScreenON_03.jpg"},
    {"InfoButton",        "GalaxyScreen_04.jpg",       "GalaxyScreenON_04.jpg"},
    {"CloseButton",       "GalaxyScreen_05.jpg",       "GalaxyScreenON_05.jpg"},
    {"PricesCloseButton", "PricesScreen_04.jpg",       "PricesScreenON_04.jpg"},
    {"InfoCloseButton",   "Target-Description_06.jpg", "Target-DescriptionON_06.jpg"},
};

std::vector<PictureButton> Buttons(const platform::Form& form) {
  std::vector<PictureButton> buttons;
  for (const ButtonPictures& b : kButtons)
    buttons.emplace_back(form.Get<Image>(b.component), b.normal, b.lit);
  return buttons;
}

bool IsSystem(int s) { return s >= 1 && s <= kGalaxySystems; }

// A press that travels this far (in pixels, either way) is a drag, not a click.
constexpr int kDragDistance = 4;

// The cursors frame a system's blip this far outside it, clear of the name below the blip.
constexpr int kCursorMargin = 4;

}  // namespace


GalaxyMapScreen::GalaxyMapScreen() : Form("GalaxyMap"), buttons_(Buttons(*this)) {
  Bind("OnSystemClick", &GalaxyMapScreen::OnSystemClick);
  Bind("OnCurrentSystemClick", &GalaxyMapScreen::OnCurrentSystemClick);
  Bind("OnGoodClick", &GalaxyMapScreen::OnGoodClick);
  Bind("OnPricesClick", &GalaxyMapScreen::OnPricesClick);
  Bind("OnInfoClick", &GalaxyMapScreen::OnInfoClick);
  Bind("OnCloseClick", &GalaxyMapScreen::OnCloseClick);
  Bind("OnPricesCloseClick", &GalaxyMapScreen::OnPricesCloseClick);
  Bind("OnInfoCloseClick", &GalaxyMapScreen::OnInfoCloseClick);
  Bind("OnPricesPress", &GalaxyMapScreen::OnPricesPress);
  Bind("OnPricesDrag", &GalaxyMapScreen::OnPricesDrag);
  Bind("OnPricesRelease", [this](Sender) { pressed_ = false; });
  Bind("OnPricesFrameClick", [this](Sender) {
    if (!dragged_) OnPricesCloseClick();
    dragged_ = false;
  });
  Bind("OnPricesCloseMove", [this](Sender s) {
    buttons_.Hover(kGalaxyPricesCloseButton);
    OnPricesDrag(s);
  });
  Bind("OnPricesHover", [this](Sender) { buttons_.Hover(kGalaxyPricesButton); });
  Bind("OnInfoHover", [this](Sender) { buttons_.Hover(kGalaxyInfoButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kGalaxyCloseButton); });
  Bind("OnPricesCloseHover", [this](Sender) { buttons_.Hover(kGalaxyPricesCloseButton); });
  Bind("OnInfoCloseHover", [this](Sender) { buttons_.Hover(kGalaxyInfoCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void GalaxyMapScreen::Refresh() {
  const GalaxyMapView view = BuildGalaxyMapView(picked_, pricesPanel_.Visible());
  for (int s = 1; s <= kGalaxySystems; ++s) {
    const GalaxySystemView& system = view.systems[s - 1];
    if (!system.blip.empty()) blips_[s - 1]->LoadPicture(system.blip);
    names_[s - 1]->SetFontColor(system.nameColour);
    prices_[s - 1]->SetFontColor(system.priceColour);
    prices_[s - 1]->SetVisible(system.priceShown);
    if (system.priceShown) prices_[s - 1]->SetCaption(system.price);
  }
  const int current = state::PlayerShip[ship::kSystem];
  currentCursor_.SetVisible(IsSystem(current));
  if (IsSystem(current)) {
    const Image& blip = *blips_[current - 1];
    currentCursor_.SetLeft(blip.Left() - kCursorMargin);
    currentCursor_.SetTop(blip.Top() - kCursorMargin);
  }
  const int shown = state::DisplayedSystem;
  if (picked_ && IsSystem(shown)) {
    const Image& blip = *blips_[shown - 1];
    displayedCursor_.SetLeft(blip.Left() - kCursorMargin);
    displayedCursor_.SetTop(blip.Top() - kCursorMargin);
    displayedCursor_.Show();
  }

  if (IsSystem(shown)) {
    systemName_.SetCaption(view.systemName);
    description_.SetCaption(view.description);
    if (!view.systemClass.empty()) systemClass_.SetCaption(view.systemClass);
    if (!view.faction.empty()) {
      faction_.SetCaption(view.faction);
      logo_.LoadPicture(view.logo);
    }
  }
  for (int g = 1; g <= kGalaxyGoods; ++g) {
    const GalaxyGoodRow& row = view.goods[g - 1];
    platform::Label* labels[] = {goodNames_[g - 1], goodPrices_[g - 1], goodStocks_[g - 1]};
    const std::string* captions[] = {&row.name, &row.price, &row.stock};
    for (int c = 0; c < 3; ++c) {
      labels[c]->SetCaption(*captions[c]);
      labels[c]->SetFontColor(row.colour);
      labels[c]->Show();
    }
  }
  freeCargo_.SetCaption(view.freeCargo);
}

void GalaxyMapScreen::DrawMap() {
  picked_ = false;
  Refresh();
}

void GalaxyMapScreen::PickSystem(int s) {
  if (!IsSystem(s)) return;
  state::DisplayedSystem = s;
  picked_ = true;
  Refresh();
}

void GalaxyMapScreen::Prepare() {
  state::DisplayedSystem = state::PlayerShip[ship::kSystem];
  DrawMap();
  PickSystem(state::PlayerShip[ship::kSystem]);
  pricesPanel_.SetLeft(kPricesPanelRight);
  pricesPanel_.SetTop(kPricesPanelTop);
}

void GalaxyMapScreen::OnSystemClick(Sender s) { PickSystem(RowNumber(s.sender)); }

void GalaxyMapScreen::OnCurrentSystemClick() { PickSystem(state::PlayerShip[ship::kSystem]); }

void GalaxyMapScreen::OnGoodClick(Sender s) {
  state::SelectedGood = RowNumber(s.sender);
  Refresh();
}

void GalaxyMapScreen::OnPricesClick() {
  audio::PlayButtonSound();
  if (pricesPanel_.Visible()) {
    pricesPanel_.Hide();
    DrawMap();
    audio::PlayMinimizeSound();
  } else {
    pricesPanel_.Show();
    infoPanel_.Hide();
    DrawMap();
    audio::PlayMaximizeSound();
  }
}

void GalaxyMapScreen::OnInfoClick() {
  audio::PlayButtonSound();
  if (infoPanel_.Visible()) {
    audio::PlayMinimizeSound();
    infoPanel_.Hide();
    return;
  }
  audio::PlayMaximizeSound();
  infoPanel_.SetLeft(7);
  infoPanel_.SetTop(8);
  infoPanel_.Show();
  pricesPanel_.Hide();
  DrawMap();
}

void GalaxyMapScreen::OnCloseClick() {
  audio::PlayButtonSound();
  AdvanceTutorial(tutorial::Step::CloseGalaxyMap, tutorial::Step::OpenOptions);
  state::DisplayedSystem = state::PlayerShip[ship::kSystem];
  audio::PlayMinimizeSound();
  Close();
}

void GalaxyMapScreen::ClosePricesPanel() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  pricesPanel_.Hide();
  DrawMap();
}

void GalaxyMapScreen::OnPricesCloseClick() {
  if (dragged_) {  // the release of a drag that began on the button
    dragged_ = false;
    return;
  }
  ClosePricesPanel();
}

void GalaxyMapScreen::OnInfoCloseClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  infoPanel_.Hide();
}

void GalaxyMapScreen::OnPricesPress(Sender s) {
  pressed_ = true;
  dragged_ = false;
  pressX_ = s.x;
  pressY_ = s.y;
}

// A drag moves the panel to the other side of the map, once per press.
void GalaxyMapScreen::OnPricesDrag(Sender s) {
  if (!pressed_ || dragged_) return;
  if (std::abs(s.x - pressX_) < kDragDistance && std::abs(s.y - pressY_) < kDragDistance) return;
  dragged_ = true;
  pricesPanel_.SetLeft(pricesPanel_.Left() != kPricesPanelRight ? kPricesPanelRight
                                                                 : kPricesPanelLeft);
  pricesPanel_.SetTop(kPricesPanelTop);
}

void OpenGalaxyMap() {
  GameForm<GalaxyMapScreen>().Prepare();
  audio::PlayMaximizeSound();
  GameForm<GalaxyMapScreen>().ShowModal();
}

bool GalaxyMapShowing() { return GameForm<GalaxyMapScreen>().Visible(); }

}  // namespace screens
