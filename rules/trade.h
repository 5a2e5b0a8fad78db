// Buying and selling goods at the market where the ship is, as the trade window's buttons do it.
//
// A purchase is limited by the stock, the free cargo space and the credits; a sale pays the
// market price and puts the units back into the stock. Selling contraband earns experience, and
// selling the good a transport mission wants at its target body delivers it. Trading changes
// stocks, never prices. Every refusal is a text popup and leaves the state as it was; a purchase
// that the stock or the hold cuts to nothing is ignored without a word. Where the ship's body has
// no market (a sun, a wormhole, a bare asteroid field, a space find) nothing is bought or sold.
//
// Each action trades SelectedGood in units of TradeQuantity and ends with the travel screen's
// refreshers on the ship's system (which redraw the trade window too).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/ui.h"
#include "state/goods.h"

namespace rules {

// Units per click of the window's quantity buttons, in button order.
inline constexpr std::array<std::int32_t, 4> kTradeQuantities = {1, 10, 25, 100};

// The goods sold count stops here.
inline constexpr std::int32_t kGoodsSoldCap = 100000001;

// Units in the hold: the sum of Cargo over every cargo id.
std::int32_t CargoInUse();

// Free units in the hold, never below 0 (a hold that shrank under its cargo has none).
std::int32_t FreeCargoSpace();

// How many of `wanted` units of `good` a purchase at the ship's body gets: no more than the stock
// and the free hold; 0 where there is no market.
std::int32_t PurchasableUnits(Good good, std::int32_t wanted);

// The window's buttons.
void Buy(Ui& ui);
void BuyAll(Ui& ui);
void Sell(Ui& ui);
void SellAll(Ui& ui);

// The window's Close: false (with the tutorial's notice) while the tutorial still needs the
// window.
bool TradeWindowMayClose(Ui& ui);
// The window has been closed by its Close button: the tutorial moves on where it waits for that.
void TradeWindowClosed(Ui& ui);

// Selecting good `good` in the window.
void SelectGood(Good good);

// What the trade window shows: the 18 goods at the selected body of the ship's system, the hold
// and the active quantity.
struct TradeRowView {
  std::string name;
  std::string price;  // "$ 123", or "$ ?" where the prices are not known or there is no market
  std::string stock;  // empty where there is no market
  std::string cargo;  // units on board
  bool selected = false;
};

struct TradeView {
  std::array<TradeRowView, 18> rows;  // good g is rows[g - 1]
  std::string hold;                   // "used/capacity"
  int activeQuantity = -1;            // index into kTradeQuantities; -1 another quantity
  std::array<std::string, 4> quantityCaptions;
};

TradeView BuildTradeView();

}  // namespace rules
