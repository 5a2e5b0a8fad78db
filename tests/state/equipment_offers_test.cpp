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
    EXPECT_EQ(GetEquipmentOffersForSize(c.category, c.size), c.offers)
        << "category " << Stored(c.category) << " size " << c.size;
}

TEST(EquipmentOffers, ByShipClassFollowsItsSizeCategory) {
  for (std::int32_t shipClass = -1; shipClass <= kLastShipClass; ++shipClass)
    for (std::int32_t category = 0; category <= 7; ++category)
      EXPECT_EQ(GetEquipmentOffers(EquipmentCategory{category}, shipClass),
                GetEquipmentOffersForSize(EquipmentCategory{category}, GetShipClassSize(shipClass)))
          << "class " << shipClass << " category " << category;
  // The starbase is a size-5 hull; a corvette is not offered the fighters' launcher.
  EXPECT_EQ(GetEquipmentOffers(kCategoryGuns, kStarbaseClass), (EquipmentOffers{7, 8, 6, 4}));
  EXPECT_EQ(GetEquipmentOffers(kCategoryMissiles, 6), (EquipmentOffers{4, 2, 3, 5}));
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
    std::int32_t shipClass;
    std::int32_t gun, missile, engine, module, computer, ecm;
  };
  const Case cases[] = {
      {1, 0, 0, 0, 0, 0, 0},    // fighter
      {5, 0, 0, 0, 0, 0, 0},    // the trader's shuttle is a fighter hull too
      {6, 0, 4, 0, 0, 0, 0},    // corvette
      {9, 0, 5, 0, 0, 0, 0},    // destroyer
      {11, 0, 5, 0, 0, 0, 0},   // transporter
      {13, 0, 5, 0, 0, 0, 0},   // cruiser
      {16, 7, 5, 0, 0, 0, 0},   // battleship
      {19, 7, 5, 0, 0, 0, 0},
      {-1, 7, 5, 0, 0, 0, 0},   // starbase
      {0, 0, 0, 0, 0, 0, 0},    // no ship: no size category
      {20, 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    TShipRow ship{};
    ship.fill(99);
    ship[ship::kClass] = c.shipClass;
    ApplyStandardFit(ship);
    EXPECT_EQ(ship[ship::kGun], c.gun) << "class " << c.shipClass;
    EXPECT_EQ(ship[ship::kMissileLauncher], c.missile) << "class " << c.shipClass;
    EXPECT_EQ(ship[ship::kEngine], c.engine) << "class " << c.shipClass;
    EXPECT_EQ(ship[ship::kCargoModule], c.module) << "class " << c.shipClass;
    EXPECT_EQ(ship[ship::kTargeting], c.computer) << "class " << c.shipClass;
    EXPECT_EQ(ship[ship::kEcm], c.ecm) << "class " << c.shipClass;
    // Nothing else of the row changes, the cargo capacity included.
    for (int field = 0; field <= 101; ++field) {
      if (field == 2 || field == 60 || field == 51 || field == 74 || field == 76 || field == 72 ||
          field == 70)
        continue;
      ASSERT_EQ(ship.At(field), 99) << "class " << c.shipClass << " field " << field;
    }
  }
}

}  // namespace
