// The equipment shop: what it shows of the fitted item of a category and of the four offers
// (state/equipment_offers.h), and buying one. A ship carries exactly one item per category; a
// purchase replaces the fitted item, which the shop takes back for a quarter of its price for the
// ship's class.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/ui.h"
#include "state/equipment_offers.h"
#include "state/ship_classes.h"

namespace rules {

// The catalogue getters of a category (state/equipment.h), for the player's ship class. A category
// outside 1..6 gives empty texts and 0.
std::string EquipmentName(state::EquipmentCategory category, state::ShipClassId shipClass,
                          std::int32_t item);
std::string EquipmentPicture(state::EquipmentCategory category, std::int32_t item);
std::int32_t EquipmentPrice(state::EquipmentCategory category, state::ShipClassId shipClass,
                            std::int32_t item);

// The item of the category the player's ship carries (0 for another category).
std::int32_t FittedEquipment(state::EquipmentCategory category);

// What the shop pays for the fitted item of the category: its price for the ship's class div 4.
std::int32_t EquipmentTradeIn(state::EquipmentCategory category);

// The price shown for `item`: its price less the trade-in of the fitted item; negative when the
// offer is cheaper than the trade-in.
std::int64_t EquipmentOfferPrice(state::EquipmentCategory category, std::int32_t item);

// What buying `item` costs: the offer price, never less than 0.
std::int64_t EquipmentUpgradeCost(state::EquipmentCategory category, std::int32_t item);

// A caption and its value on the screen; " " stands for an unused row.
struct StatRow {
  std::string caption;
  std::string value;
};

// The fitted item of a category ("Selected equipment:").
struct FittedEquipmentView {
  std::string type;     // the type word: "Ship weapon", "Missile", ...
  std::string picture;  // "<picture>.jpg"
  std::string name;     // between double quotes
  std::array<StatRow, 3> rows;
};
FittedEquipmentView BuildFittedEquipmentView(state::EquipmentCategory category);

// One offer in the options panel.
struct EquipmentOfferView {
  std::string name;         // between double quotes
  std::string description;  // between double quotes
  std::string type;
  std::array<StatRow, 4> rows;
  std::string price;  // the offer price with thousands separators, or "(Currently equipped)"
};
EquipmentOfferView BuildEquipmentOfferView(state::EquipmentCategory category, std::int32_t item);

// The credits line of the screen: "$ 12,345".
std::string ShopCredits();

// The text of the "Upgrading..." popup for a purchase of `item`.
std::string UpgradeConfirmation(state::EquipmentCategory category, state::ShipClassId shipClass,
                                std::int32_t item);

enum class UpgradeResult {
  Upgraded,
  NoCategory,      // nothing happens
  AlreadyFitted,   // "Cannot upgrade!"
  NotEnoughMoney,  // "Not enough money!"
  CargoAboard,     // "Cargo space full!": a cargo-bay module needs an empty hold
};

// Buys `item` of the category for the player's ship: the refusals in the order above, each shown
// as its popup and changing nothing; otherwise pays the cost, fits the item (a cargo-bay module
// also sets the cargo capacity and redraws the trade window), shows "Upgrading..." and then
// refreshes the status bars.
UpgradeResult BuyEquipment(state::EquipmentCategory category, std::int32_t item, Ui& ui);

}  // namespace rules
