// What the equipment shop offers: four items per equipment category, chosen by the category and the
// size category of the ship class alone. The first offer of each category is also the standard fit
// of every ship the player gets (new game, shipyard, a captured ship, the fast starts).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/fields.h"
#include "state/id.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace state {

// Equipment categories, in the order the shop and the standard fit walk them.
enum class EquipmentCategory : std::int32_t {
  kCategoryGuns = 1,
  kCategoryMissiles = 2,
  kCategoryEngine = 3,
  kCategoryCargoSpace = 4,
  kCategoryTargeting = 5,
  kCategoryEcm = 6,
};
using enum EquipmentCategory;
inline constexpr EquipmentCategory kNoEquipmentCategory{0};  // e.g. no hot spot under the mouse
inline constexpr EquipmentCategory kFirstEquipmentCategory = kCategoryGuns;
inline constexpr EquipmentCategory kLastEquipmentCategory = kCategoryEcm;
inline constexpr std::array<EquipmentCategory, 6> kEquipmentCategories{
    kCategoryGuns,       kCategoryMissiles,  kCategoryEngine,
    kCategoryCargoSpace, kCategoryTargeting, kCategoryEcm};
inline constexpr int kOffersPerCategory = 4;

using EquipmentOffers = std::array<std::int32_t, kOffersPerCategory>;

// The four item ids offered in slot order for a category and a size category (1..5). Outside
// those ranges the offers are the placeholder ids 0, 1, 2, 3.
EquipmentOffers GetEquipmentOffersForSize(EquipmentCategory category, ShipSize sizeCategory);

// The same for a ship class, by its size category.
EquipmentOffers GetEquipmentOffers(EquipmentCategory category, ShipClassId shipClass);

// The ship-row field that holds the category's item (ship::kGun, kMissileLauncher, kEngine,
// kCargoModule, kTargeting, kEcm for categories 1 to 6); 0 for any other category.
ship::Field EquipmentShipField(EquipmentCategory category);

// The heading of the shop's options panel ("Upgrade guns:" ...); empty for any other category.
std::string_view EquipmentCategoryHeading(EquipmentCategory category);

// Fits the first offer of every category, 1 to 6 in order, for the class standing in the row's
// ship::kClass. The cargo capacity ship::kCargoSpace is left to the caller.
void ApplyStandardFit(TShipRow& ship);

}  // namespace state
