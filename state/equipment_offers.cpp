#include "state/equipment_offers.h"

#include "state/fields.h"
#include "state/id.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"

namespace state {
namespace {

constexpr std::int32_t kLastSizeCategory = Stored(kSizeBattleship);

// clang-format off
// Offers by category (rows) and size category 1..5 (columns), slot 1 first.
constexpr std::array<std::array<EquipmentOffers, kLastSizeCategory>, kEquipmentCategories.size()> kOffers{{
  //   size 1        size 2        size 3        size 4        size 5
  {{{0, 1, 2, 3}, {0, 1, 6, 3}, {0, 1, 6, 7}, {0, 7, 6, 5}, {7, 8, 6, 4}}},   // guns
  {{{0, 1, 2, 3}, {4, 2, 3, 5}, {5, 6, 7, 8}, {5, 8, 7, 9}, {5, 8, 9, 10}}},  // missiles
  {{{0, 1, 2, 3}, {0, 1, 2, 4}, {0, 1, 5, 4}, {0, 1, 5, 4}, {0, 1, 5, 6}}},   // engine
  {{{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 4, 5, 3}, {0, 4, 5, 3}, {0, 4, 2, 3}}},   // cargo space
  {{{0, 1, 2, 3}, {0, 2, 3, 4}, {0, 2, 4, 5}, {0, 2, 4, 5}, {0, 2, 5, 6}}},   // targeting
  {{{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 4, 3}, {0, 1, 4, 3}, {0, 1, 4, 5}}},   // ECM
}};

struct CategoryRow {
  ship::Field shipField;
  std::string_view heading;
};

constexpr std::array<CategoryRow, kEquipmentCategories.size()> kCategories{{
  // field  heading
  {ship::kGun, "Upgrade guns:"},
  {ship::kMissileLauncher, "Upgrade missiles:"},
  {ship::kEngine, "Upgrade engines:"},
  {ship::kCargoModule, "Upgrade cargo space:"},
  {ship::kTargeting, "Upgrade targeting:"},
  {ship::kEcm, "Upgrade ECM:"},
}};
// clang-format on

constexpr EquipmentOffers kPlaceholderOffers{0, 1, 2, 3};

bool IsCategory(EquipmentCategory category) {
  return category >= kFirstEquipmentCategory && category <= kLastEquipmentCategory;
}

}  // namespace

EquipmentOffers GetEquipmentOffersForSize(EquipmentCategory category, ShipSize sizeCategory) {
  if (!IsCategory(category) || !IsShipSize(sizeCategory)) return kPlaceholderOffers;
  return kOffers[Stored(category) - 1][Stored(sizeCategory) - 1];
}

EquipmentOffers GetEquipmentOffers(EquipmentCategory category, ShipClassId shipClass) {
  return GetEquipmentOffersForSize(category, GetShipClassSize(shipClass));
}

ship::Field EquipmentShipField(EquipmentCategory category) {
  return IsCategory(category) ? kCategories[Stored(category) - 1].shipField
                              : ship::Field{kUnusedField};
}

std::string_view EquipmentCategoryHeading(EquipmentCategory category) {
  return IsCategory(category) ? kCategories[Stored(category) - 1].heading : std::string_view{};
}

void ApplyStandardFit(TShipRow& ship) {
  const ShipClassId shipClass = ShipClassOf(ship);
  for (const EquipmentCategory category : kEquipmentCategories)
    ship[EquipmentShipField(category)] = GetEquipmentOffers(category, shipClass)[0];
}

}  // namespace state
