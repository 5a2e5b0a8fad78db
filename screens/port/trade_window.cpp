#include "screens/port/trade_window.h"

#include <cstddef>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "platform/types.h"
#include "rules/trade.h"
#include "rules/tutorial.h"
#include "screens/shared/doors.h"
#include "state/goods.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

namespace {

constexpr int kGoods = state::kLastGood;
constexpr int kQuantityButtons = static_cast<int>(rules::kTradeQuantities.size());
constexpr int kButtonCount = kTradeQuantityButton1 + kQuantityButtons - 1;

// Picture numbers of the hover buttons 1..9: Buy all, Sell all, Buy, Sell, Close, x 1 .. x 100.
constexpr const char* kPictureNumbers[] = {"09", "10", "11", "12", "13", "05", "06", "07", "08"};

// The selected good's row stands out.
constexpr platform::Color kRowColour = platform::colors::White;
constexpr platform::Color kSelectedRowColour = platform::colors::Yellow;

bool IsQuantityButton(int k) { return k >= kTradeQuantityButton1 && k <= kButtonCount; }

std::int32_t QuantityOf(int k) {
  return rules::kTradeQuantities[static_cast<std::size_t>(k - kTradeQuantityButton1)];
}

std::string QuantityName(const char* prefix, int k) {
  return prefix + std::to_string(QuantityOf(k));
}

std::string ButtonName(int k) {
  switch (k) {
    case kTradeBuyAllButton: return "BuyAllButton";
    case kTradeSellAllButton: return "SellAllButton";
    case kTradeBuyButton: return "BuyButton";
    case kTradeSellButton: return "SellButton";
    case kTradeCloseButton: return "CloseButton";
    default: return QuantityName("QuantityButton", k);
  }
}

// The active quantity keeps its own picture under the mouse and when the mouse moves on.
std::vector<PictureButton> Buttons(const platform::Form& form) {
  std::vector<PictureButton> buttons;
  for (int k = 1; k <= kButtonCount; ++k) {
    if (IsQuantityButton(k)) {
      buttons.emplace_back(form.Get<Image>(ButtonName(k)), [k](bool lit) {
        return TradeButtonPicture(k, lit, QuantityOf(k) == state::TradeQuantity);
      });
    } else {
      buttons.emplace_back(form.Get<Image>(ButtonName(k)), TradeButtonPicture(k, false, false),
                           TradeButtonPicture(k, true, false));
    }
  }
  return buttons;
}

std::vector<Label*> QuantityLabels(const platform::Form& form) {
  std::vector<Label*> labels;
  for (int k = kTradeQuantityButton1; k <= kButtonCount; ++k)
    labels.push_back(&form.Get<Label>(QuantityName("QuantityLabel", k)));
  return labels;
}

}  // namespace

std::string TradeButtonPicture(int k, bool lit, bool active) {
  if (k < 1 || k > kButtonCount) return {};
  const char* family = "TradeScreen_";
  if (IsQuantityButton(k) && active) family = "TradeScreenON_";
  else if (lit) family = "TradeScreenHighlight_";
  return std::string(family) + kPictureNumbers[k - 1] + ".jpg";
}

TradeWindowScreen::TradeWindowScreen()
    : Form("TradeWindow"),
      names_(GetNumbered<Label>("GoodName", kGoods)),
      prices_(GetNumbered<Label>("GoodPrice", kGoods)),
      stocks_(GetNumbered<Label>("GoodStock", kGoods)),
      cargo_(GetNumbered<Label>("GoodCargo", kGoods)),
      quantityLabels_(QuantityLabels(*this)),
      buttons_(Buttons(*this)) {
  Bind("OnGoodClick", &TradeWindowScreen::OnGoodClick);
  Bind("OnQuantityClick", &TradeWindowScreen::OnQuantityClick);
  Bind("OnBuyClick", &TradeWindowScreen::OnBuyClick);
  Bind("OnBuyAllClick", &TradeWindowScreen::OnBuyAllClick);
  Bind("OnSellClick", &TradeWindowScreen::OnSellClick);
  Bind("OnSellAllClick", &TradeWindowScreen::OnSellAllClick);
  Bind("OnCloseClick", &TradeWindowScreen::OnCloseClick);
  Bind("OnBuyAllHover", [this](Sender) { buttons_.Hover(kTradeBuyAllButton); });
  Bind("OnSellAllHover", [this](Sender) { buttons_.Hover(kTradeSellAllButton); });
  Bind("OnBuyHover", [this](Sender) { buttons_.Hover(kTradeBuyButton); });
  Bind("OnSellHover", [this](Sender) { buttons_.Hover(kTradeSellButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kTradeCloseButton); });
  Bind("OnQuantityHover", [this](Sender s) {
    for (int k = kTradeQuantityButton1; k <= kButtonCount; ++k)
      if (QuantityOf(k) == s.sender.Tag()) buttons_.Hover(k);
  });
}

void TradeWindowScreen::Refresh() {
  const rules::TradeView view = rules::BuildTradeView();
  for (std::size_t i = 0; i < view.rows.size(); ++i) {
    const rules::TradeRowView& row = view.rows[i];
    const platform::Color colour = row.selected ? kSelectedRowColour : kRowColour;
    names_[i]->SetCaption(row.name);
    prices_[i]->SetCaption(row.price);
    stocks_[i]->SetCaption(row.stock);
    cargo_[i]->SetCaption(row.cargo);
    for (Label* label : {names_[i], prices_[i], stocks_[i], cargo_[i]}) label->SetFontColor(colour);
  }
  hold_.SetCaption(view.hold);
  for (std::size_t k = 0; k < quantityLabels_.size(); ++k)
    quantityLabels_[k]->SetCaption(view.quantityCaptions[k]);
  // Another quantity than the four (set elsewhere) leaves the buttons as they are; an unchanged
  // one leaves them too, so a trade redraws no more than the rows it changed.
  if (view.activeQuantity >= 0 && view.activeQuantity != shownQuantity_) {
    buttons_.Reload();
    shownQuantity_ = view.activeQuantity;
  }
  // The selected good's prices under the planets follow the window: shown while it is open.
  UpdateTravelPriceLabels();
}

void TradeWindowScreen::Toggle() {
  if (state::TradeQuantity == 0) state::TradeQuantity = 10;
  if (Visible()) {
    Hide();
    Refresh();
    audio::PlayMinimizeSound();
  } else {
    Show();
    Refresh();
    audio::PlayMaximizeSound();
  }
}

void TradeWindowScreen::HideWindow() {
  Hide();
  StopTutorialArrow();
  UpdateTravelPriceLabels();
}

void TradeWindowScreen::StopTutorialArrow() { tutorialArrow_.Stop(); }

void TradeWindowScreen::OnGoodClick(Sender sender) {
  audio::PlayButtonSound();
  const Good good{sender.sender.Tag()};
  rules::SelectGood(good);
  // While the tutorial asks for Supplies, the next click after them is Buy.
  if (good == kGoodSupplies &&
      !rules::TutorialAllows(rules::TutorialAction::BuyOtherGoodThanSupplies)) {
    tutorialArrow_.MoveTo("BuyButton", ArrowSide::Above);
  }
  Refresh();
}

void TradeWindowScreen::OnQuantityClick(Sender sender) {
  audio::PlayButtonSound();
  state::TradeQuantity = sender.sender.Tag();
  Refresh();
}

void TradeWindowScreen::OnBuyClick() {
  audio::PlayButtonSound();
  rules::Buy(rules_);
  AfterTrade();
}

void TradeWindowScreen::OnBuyAllClick() {
  audio::PlayButtonSound();
  rules::BuyAll(rules_);
  AfterTrade();
}

void TradeWindowScreen::OnSellClick() {
  audio::PlayButtonSound();
  rules::Sell(rules_);
  AfterTrade();
}

void TradeWindowScreen::OnSellAllClick() {
  audio::PlayButtonSound();
  rules::SellAll(rules_);
  AfterTrade();
}

void TradeWindowScreen::OnCloseClick() {
  audio::PlayButtonSound();
  if (!rules::TradeWindowMayClose(rules_)) return;
  audio::PlayMinimizeSound();
  Hide();
  Refresh();
  rules::TradeWindowClosed(rules_);
}

void TradeWindowScreen::AfterTrade() {
  Refresh();
  UpdateTravelStatusBars();
}

}  // namespace screens
