#include "rules/trade.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "rules/campaigns.h"
#include "rules/credits.h"
#include "rules/displayed_system.h"
#include "rules/markets.h"
#include "rules/missions.h"
#include "rules/tutorial.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::ActiveMission;
using state::Cargo;
using state::PlayerData;
using state::PlayerShip;

constexpr std::string_view kSelectFirstText = "Please first select a good to buy.";
constexpr std::string_view kNoCreditsTopic = "Not enough credits";
constexpr std::string_view kNoCreditsText = "You do not have enough credits for this purchase.";
constexpr std::string_view kHideoutText = "You cannot sell goods at a pirate hideout.";
constexpr std::string_view kFameOnceText =
    "When you sell illegal goods in the future you will still receive experience points, but you "
    "only receive this information once per game.";
constexpr std::string_view kDeliveredText =
    "You have delivered the required amount of goods and completed the transport mission. You "
    "receive a reward of $ ";

constexpr std::int32_t kContrabandExperiencePerUnit = 20;
// Cargo ids the hold is summed and emptied over.
constexpr std::int32_t kLastCargoId = state::kLastStoredField;

bool IsGood(std::int32_t g) { return g >= 1 && g <= state::kLastGood; }
using state::IsContraband;

std::int32_t HereSystem() { return PlayerShip[ship::kSystem]; }
std::int32_t HereBody() { return PlayerShip[ship::kBody]; }
bool MarketHere() { return HasMarket(HereSystem(), HereBody()); }
bool AtPirateHideout() {
  return MarketHere() &&
         state::BodyData[HereSystem()][HereBody()][body::kKind] == state::kKindPirateHideout;
}
// The market row of the ship's body; only where MarketHere().
std::int32_t& StockHere(std::int32_t g) { return state::MarketStock[HereSystem()][HereBody()][g]; }
std::int32_t PriceHere(std::int32_t g) { return state::MarketPrice[HereSystem()][HereBody()][g]; }

void Refresh(Ui& ui) { ShowSystem(ui, false, HereSystem()); }

void AdvanceTutorialAfterPurchase(Ui& ui) {
  FollowTutorial(ui, TutorialEvent::GoodsBought);
}

// While the tutorial waits for Supplies, any other good is refused with its notice.
bool TutorialRefusesGood(Ui& ui) {
  constexpr TutorialAction kBuy = TutorialAction::BuyOtherGoodThanSupplies;
  if (TutorialAllows(kBuy) || Good{state::SelectedGood} == kGoodSupplies) return false;
  ui.Message(Popup::Text, "Tutorial", TutorialRefusal(kBuy));
  return true;
}

// Buys up to `wanted` units of the selected good: the stock and the hold cut the quantity, the
// credits must cover all of it.
void Purchase(std::int32_t wanted, Ui& ui) {
  const std::int32_t g = state::SelectedGood;
  const std::int32_t price = PriceHere(g);
  if (price < 1) return;  // a market that gives goods away, or pays for taking them, is broken
  const std::int32_t q = PurchasableUnits(Good{g}, wanted);
  const std::int64_t cost = static_cast<std::int64_t>(price) * q;
  if (cost > PlayerData[player::kCredits]) {
    ui.Message(Popup::Text, kNoCreditsTopic, kNoCreditsText);
    return;
  }
  if (q < 1) return;
  PlayerData[player::kCredits] -= static_cast<std::int32_t>(cost);
  StockHere(g) -= q;
  AddSaturated(Cargo[g], q);
}

void CompleteDelivery(Ui& ui) {
  ActiveMission[mission::kActive] = 0;
  if (ActiveMission[mission::kCampaignSystem] > 0) ApplyMissionToCampaign();
  AddSaturated(PlayerData[player::kMissionsCompleted], 1);
  const std::int32_t reward = ActiveMission[mission::kReward];
  PayReward(reward, ui);
  ui.HideMissionPanel();
  ui.Message(Popup::Picture, "Mission completed!",
             std::string(kDeliveredText) + std::to_string(reward), "GeneralMissionPic.jpg");
  switch (MissionType{ActiveMission[mission::kType]}) {
    case kMissionTransport: AddExperience(3000, ui); break;
    case kMissionSupply: AddExperience(9000, ui); break;
    default: AddExperience(6000, ui); break;  // combat transport
  }
  ui.UpdateStatusBars();
  ShowExperienceNotice(ui);
}

bool IsDeliveryHere(std::int32_t g) {
  if (ActiveMission[mission::kActive] <= 0) return false;
  const MissionType type{ActiveMission[mission::kType]};
  if (type != kMissionTransport && type != kMissionSupply && type != kMissionCombatTransport)
    return false;
  return ActiveMission[mission::kTargetBody] == HereBody() &&
         ActiveMission[mission::kTargetSystem] == HereSystem() &&
         ActiveMission[mission::kGood] == g;
}

// Sells q units of good g from the hold at the market here (q >= 1, MarketHere()).
void SellUnits(std::int32_t g, std::int32_t q, Ui& ui) {
  AddSaturated(PlayerData[player::kCredits], static_cast<std::int64_t>(PriceHere(g)) * q);
  AddSaturated(StockHere(g), q);
  Cargo[g] -= q;
  std::int32_t& sold = PlayerData[player::kGoodsSold];
  AddSaturated(sold, q);
  if (sold > kGoodsSoldCap - 1) sold = kGoodsSoldCap;

  if (IsContraband(g)) {
    AddExperience(std::int64_t{kContrabandExperiencePerUnit} * q, ui);
    if (PlayerData[player::kIllegalGoodsWarning] == 0) {
      ShowExperienceNotice(ui);
      PlayerData[player::kIllegalGoodsWarning] = 1;
      ui.Message(Popup::Text, "Information", kFameOnceText);
    }
  }

  if (IsDeliveryHere(g)) {
    // The delivered units leave the market with the mission's goods.
    StockHere(g) = 0;
    AddSaturated(ActiveMission[mission::kQuantity], -static_cast<std::int64_t>(q));
    if (ui.IsVisible(Screen::MissionPanel)) ui.UpdateMissionPanel();
    if (ActiveMission[mission::kQuantity] <= 0) CompleteDelivery(ui);
  }
}

}  // namespace

std::int32_t CargoInUse() {
  std::int64_t used = 0;
  for (std::int32_t g = 1; g <= kLastCargoId; ++g) used += Cargo[g];
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(used, INT32_MIN, INT32_MAX));
}

std::int32_t FreeCargoSpace() {
  const std::int64_t free = static_cast<std::int64_t>(PlayerShip[ship::kCargoSpace]) - CargoInUse();
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(free, 0, INT32_MAX));
}

std::int32_t PurchasableUnits(Good good, std::int32_t wanted) {
  const std::int32_t g = state::Stored(good);
  if (!IsGood(g) || !MarketHere()) return 0;
  const std::int32_t units = std::min({wanted, StockHere(g), FreeCargoSpace()});
  return std::max(units, 0);
}

void Buy(Ui& ui) {
  if (TutorialRefusesGood(ui)) {
    AdvanceTutorialAfterPurchase(ui);
    return;
  }
  if (!IsGood(state::SelectedGood)) {
    ui.Message(Popup::Text, "N/A", kSelectFirstText);
  } else if (MarketHere()) {
    Purchase(state::TradeQuantity, ui);
  }
  Refresh(ui);
  AdvanceTutorialAfterPurchase(ui);
}

void BuyAll(Ui& ui) {
  if (TutorialRefusesGood(ui)) return;
  const std::int32_t g = state::SelectedGood;
  if (!IsGood(g) || (MarketHere() && PriceHere(g) == 0)) {
    ui.Message(Popup::Text, "N/A", kSelectFirstText);
  } else if (MarketHere() && PriceHere(g) > 0) {
    Purchase(std::max(PlayerData[player::kCredits], 0) / PriceHere(g), ui);
  }
  AdvanceTutorialAfterPurchase(ui);
  Refresh(ui);
}

void Sell(Ui& ui) {
  const std::int32_t g = state::SelectedGood;
  if (AtPirateHideout()) {
    ui.Message(Popup::Text, "N/A", kHideoutText);
  } else if (IsGood(g) && MarketHere()) {
    const std::int32_t q = std::min(state::TradeQuantity, Cargo[g]);
    if (q > 0) SellUnits(g, q, ui);
  }
  Refresh(ui);
}

void SellAll(Ui& ui) {
  FollowTutorial(ui, TutorialEvent::SoldAll);
  if (AtPirateHideout()) {
    ui.Message(Popup::Text, "N/A", kHideoutText);
  } else if (MarketHere()) {
    const std::int32_t selected = state::SelectedGood;
    for (std::int32_t g = 1; g <= kLastCargoId; ++g) {
      state::SelectedGood = g;
      if (Cargo[g] > 0) SellUnits(g, Cargo[g], ui);
    }
    state::SelectedGood = selected;
  }
  Refresh(ui);
}

bool TradeWindowMayClose(Ui& ui) {
  if (TutorialAllows(TutorialAction::CloseTradeWindow)) return true;
  ui.Message(Popup::Text, "Tutorial", TutorialRefusal(TutorialAction::CloseTradeWindow));
  return false;
}

void TradeWindowClosed(Ui& ui) {
  FollowTutorial(ui, TutorialEvent::TradeWindowClosed);
}

void SelectGood(Good good) {
  const std::int32_t g = state::Stored(good);
  state::SelectedGood = IsGood(g) ? g : 0;
}

TradeView BuildTradeView() {
  TradeView view;
  const std::int32_t s = PlayerShip[ship::kSystem];
  const std::int32_t b = state::SelectedBody;
  const bool market = HasMarket(s, b);
  const bool pricesKnown = market && state::BodyPricesKnown[b] >= 1;
  for (std::int32_t g = 1; g <= state::kLastGood; ++g) {
    TradeRowView& row = view.rows[static_cast<std::size_t>(g - 1)];
    row.name = state::GoodName[g];
    row.price = pricesKnown ? "$ " + std::to_string(state::MarketPrice[s][b][g]) : "$ ?";
    row.stock = market ? std::to_string(state::MarketStock[s][b][g]) : "";
    row.cargo = std::to_string(Cargo[g]);
    row.selected = g == state::SelectedGood;
  }
  view.hold = std::to_string(CargoInUse()) + "/" + std::to_string(PlayerShip[ship::kCargoSpace]);
  for (std::size_t k = 0; k < kTradeQuantities.size(); ++k) {
    view.quantityCaptions[k] = "x " + std::to_string(kTradeQuantities[k]);
    if (kTradeQuantities[k] == state::TradeQuantity) {
      view.activeQuantity = static_cast<int>(k);
      if (state::CompatibilityMode != 0) view.quantityCaptions[k] += "*";
    }
  }
  return view;
}

}  // namespace rules
