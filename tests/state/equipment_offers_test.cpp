#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace state;

namespace {

TEST(EquipmentOffers, SlotOrderByCategoryAndSize) {
  struct Case {
    EquipmentCategory category;
    std::int32_t size;
    EquipmentOffers offers;
  };
  const Case cases[] = {
      {kCategoryGuns, 1, {0, 1, 2, 3}},        {kCategoryGuns, 2, {0, 1, 6, 3}},
      {kCategoryGuns, 3, {0, 1, 6, 7}},        {kCategoryGuns, 4, {0, 7, 6, 5}},
      {kCategoryGuns, 5, {7, 8, 6, 4}},        {kCategoryMissiles, 1, {0, 1, 2, 3}},
      {kCategoryMissiles, 2, {4, 2, 3, 5}},    {kCategoryMissiles, 3, {5, 6, 7, 8}},
      {kCategoryMissiles, 4, {5, 8, 7, 9}},    {kCategoryMissiles, 5, {5, 8, 9, 10}},
      {kCategoryEngine, 2, {0, 1, 2, 4}},      {kCategoryEngine, 4, {0, 1, 5, 4}},
      {kCategoryEngine, 5, {0, 1, 5, 6}},      {kCategoryCargoSpace, 3, {0, 4, 5, 3}},
      {kCategoryCargoSpace, 5, {0, 4, 2, 3}},  {kCategoryTargeting, 2, {0, 2, 3, 4}},
      {kCategoryTargeting, 3, {0, 2, 4, 5}},   {kCategoryTargeting, 5, {0, 2, 5, 6}},
      {kCategoryEcm, 3, {0, 1, 4, 3}},         {kCategoryEcm, 5, {0, 1, 4, 5}},
      // Outside the table: the placeholder ids.
      {kCategoryGuns, 0, {0, 1, 2, 3}},        {kCategoryMissiles, 6, {0, 1, 2, 3}},
      {kNoEquipmentCategory, 3, {0, 1, 2, 3}}, {EquipmentCategory{7}, 5, {0, 1, 2, 3}},
      {EquipmentCategory{-1}, -1, {0, 1, 2, 3}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetEquipmentOffersForSize(c.category, ShipSize{c.size}), c.offers)
        << "category " << Stored(c.category) << " size " << c.size;
}

TEST(EquipmentOffers, ByShipClassFollowsItsSizeCategory) {
  for (std::int32_t stored = Stored(kStarbaseClass); stored <= Stored(kLastShipClass); ++stored)
    for (std::int32_t category = 0; category <= 7; ++category) {
      const ShipClassId shipClass{stored};
      EXPECT_EQ(GetEquipmentOffers(EquipmentCategory{category}, shipClass),
                GetEquipmentOffersForSize(EquipmentCategory{category}, GetShipClassSize(shipClass)))
          << "class " << stored << " category " << category;
    }
  // The starbase is a size-5 hull; a corvette is not offered the fighters' launcher.
  EXPECT_EQ(GetEquipmentOffers(kCategoryGuns, kStarbaseClass), (EquipmentOffers{7, 8, 6, 4}));
  EXPECT_EQ(GetEquipmentOffers(kCategoryMissiles, state::kClassShadowcat),
            (EquipmentOffers{4, 2, 3, 5}));
}

TEST(EquipmentOffers, CategoryFieldsAndHeadings) {
  struct Case {
    EquipmentCategory category;
    std::int32_t field;  // the field's position in the ship row
    const char* heading;
  };
  const Case cases[] = {
      {kCategoryGuns, 60, "Upgrade guns:"},           {kCategoryMissiles, 51, "Upgrade missiles:"},
      {kCategoryEngine, 74, "Upgrade engines:"},      {kCategoryCargoSpace, 76, "Upgrade cargo space:"},
      {kCategoryTargeting, 72, "Upgrade targeting:"}, {kCategoryEcm, 70, "Upgrade ECM:"},
      {kNoEquipmentCategory, 0, ""},                  {EquipmentCategory{7}, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EquipmentShipField(c.category).position, c.field);
    EXPECT_EQ(EquipmentCategoryHeading(c.category), c.heading);
  }
}

TEST(EquipmentOffers, StandardFitPerSizeCategory) {
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t gun, missile, engine, module, computer, ecm;
  };
  const Case cases[] = {
      {state::kClassStarwolf, 0, 0, 0, 0, 0, 0},   // fighter
      {state::kClassOrion, 0, 0, 0, 0, 0, 0},      // the trader's shuttle is a fighter hull too
      {state::kClassShadowcat, 0, 4, 0, 0, 0, 0},  // corvette
      {state::kClassPatton, 0, 5, 0, 0, 0, 0},     // destroyer
      {state::kClassFerendar, 0, 5, 0, 0, 0, 0},   // transporter
      {state::kClassNeptun, 0, 5, 0, 0, 0, 0},     // cruiser
      {state::kClassMarauder, 7, 5, 0, 0, 0, 0},   // battleship
      {state::kClassBattlegroup, 7, 5, 0, 0, 0, 0},
      {state::kStarbaseClass, 7, 5, 0, 0, 0, 0},  // starbase
      {state::kNoShipClass, 0, 0, 0, 0, 0, 0},    // no ship: no size category
      {state::ShipClassId{20}, 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    TShipRow ship{};
    ship.fill(99);
    ship[ship::kClass] = Stored(c.shipClass);
    ApplyStandardFit(ship);
    EXPECT_EQ(ship[ship::kGun], c.gun) << "class " << state::Stored(c.shipClass);
    EXPECT_EQ(ship[ship::kMissileLauncher], c.missile) << "class " << state::Stored(c.shipClass);
    EXPECT_EQ(ship[ship::kEngine], c.engine) << "class " << state::Stored(c.shipClass);
    EXPECT_EQ(ship[ship::kCargoModule], c.module) << "class " << state::Stored(c.shipClass);
    EXPECT_EQ(ship[ship::kTargeting], c.computer) << "class " << state::Stored(c.shipClass);
    EXPECT_EQ(ship[ship::kEcm], c.ecm) << "class " << state::Stored(c.shipClass);
    // Nothing else of the row changes, the cargo capacity included.
    for (int field = 0; field <= 101; ++field) {
      if (field == 2 || field == 60 || field == 51 || field == 74 || field == 76 || field == 72 ||
          field == 70)
        continue;
      ASSERT_EQ(ship.At(field), 99) << "class " << state::Stored(c.shipClass) << " field " << field;
    }
  }
}

}  // namespace
