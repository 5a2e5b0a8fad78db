#include "state/equipment.h"

#include <climits>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/skills.h"
#include "state/variables.h"
#include "support/rows.h"

using namespace state;

namespace {

// The getters read the ships, the modifier lists, the player's rank and skills: start each test
// from a clean slate and put in only what the case needs.
class EquipmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlayerShip.fill(0);
    EnemyShip.fill(0);
    PlayerData.fill(0);
    SkillOwned.fill(0);
    for (auto& row : PlayerModifiers) row.fill(0);
    for (auto& row : EnemyModifiers) row.fill(0);
  }
  void TearDown() override { SetUp(); }

  // Puts the ship's special ability (combat ability 36) into an active modifier slot.
  static void ActivateSpecial(Table<TModifierRow, kModifierRows>& modifiers, int slot = 3) {
    modifiers[slot] = test_rows::ActiveModifier(state::kShipSpecial, 10000);
  }
};

// What every category shares, read through its rows and getters.
struct Category {
  const char* what;
  std::int32_t last;
  std::function<const char*(std::int32_t)> name, picture, speciality;
  std::function<std::string(std::int32_t)> description;
  std::function<std::int32_t(state::ShipClassId, std::int32_t)> price;  // (ship class, id)
};

// The categories' getters take their own id type; the table walks the stored numbers.
template <class Row, CatalogueId Id>
std::function<const char*(std::int32_t)> Member(const Row& (*item)(Id), const char* Row::*member) {
  return [item, member](std::int32_t id) { return item(Id{id}).*member; };
}

template <CatalogueId Id>
std::function<std::string(std::int32_t)> Description(std::string (*describe)(Id)) {
  return [describe](std::int32_t id) { return describe(Id{id}); };
}

template <CatalogueId Id>
std::function<std::int32_t(state::ShipClassId, std::int32_t)> Price(
    std::int32_t (*price)(state::ShipClassId, Id)) {
  return [price](state::ShipClassId shipClass, std::int32_t id) {
    return price(shipClass, Id{id});
  };
}

const std::vector<Category>& Categories() {
  static const std::vector<Category> categories = {
      {"gun", Stored(kLastGun), Member(GunItem, &GunRow::name), Member(GunItem, &GunRow::picture),
       Member(GunItem, &GunRow::speciality), Description(GetGunDescription), Price(GetGunPrice)},
      {"missile", Stored(kLastMissile), Member(MissileItem, &MissileRow::name),
       Member(MissileItem, &MissileRow::picture), Member(MissileItem, &MissileRow::speciality),
       Description(GetMissileDescription), Price(GetMissilePrice)},
      {"engine", Stored(kLastEngine), Member(EngineItem, &EngineRow::name),
       Member(EngineItem, &EngineRow::picture), Member(EngineItem, &EngineRow::speciality),
       Description(GetEngineDescription), Price(GetEnginePrice)},
      {"computer", Stored(kLastComputer), Member(ComputerItem, &ComputerRow::name),
       Member(ComputerItem, &ComputerRow::picture), Member(ComputerItem, &ComputerRow::speciality),
       Description(GetComputerDescription), Price(GetComputerPrice)},
      {"ecm", Stored(kLastEcm), Member(EcmItem, &EcmRow::name), Member(EcmItem, &EcmRow::picture),
       Member(EcmItem, &EcmRow::speciality), Description(GetEcmDescription), Price(GetEcmPrice)},
      {"module", Stored(kLastCargoModule), Member(CargoModuleItem, &CargoModuleRow::name),
       Member(CargoModuleItem, &CargoModuleRow::picture),
       Member(CargoModuleItem, &CargoModuleRow::speciality), Description(GetCargoModuleDescription),
       Price(GetCargoModulePrice)},
  };
  return categories;
}

const Category& CategoryOf(const std::string& what) {
  for (const Category& c : Categories())
    if (what == c.what) return c;
  throw std::logic_error("no category " + what);
}

// A text as the screens draw it: valid UTF-8 that never went through a second encoding (no "Ã" or
// "Â" of a text decoded twice), without control characters.
bool CleanText(const std::string& text) {
  if (text.find("\xc3\x83") != std::string::npos || text.find("\xc3\x82") != std::string::npos)
    return false;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3
                             : (byte >> 3) == 30                   ? 4
                                                                   : 0;
    if (length == 0 || i + length > text.size() || (length == 1 && byte < 0x20)) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
    i += length;
  }
  return true;
}

// --- Texts ---------------------------------------------------------------------------------------

// Every item of every category is complete: a unique name, a picture, a speciality line, a
// description, a base price; an id outside the category has none of them.
TEST_F(EquipmentTest, EveryItemIsComplete) {
  for (const Category& c : Categories()) {
    std::set<std::string> names;
    for (std::int32_t id = 0; id <= c.last; ++id) {
      const std::string at = std::string(c.what) + " " + std::to_string(id);
      EXPECT_NE(std::string(c.name(id)), "") << at;
      EXPECT_TRUE(names.insert(c.name(id)).second) << at << ": names are unique";
      EXPECT_NE(std::string(c.picture(id)), "") << at;
      EXPECT_NE(std::string(c.speciality(id)), "") << at;
      EXPECT_GT(c.description(id).size(), 20u) << at;
      for (const std::string& text : {std::string(c.name(id)), std::string(c.speciality(id)),
                                       c.description(id)})
        EXPECT_TRUE(CleanText(text)) << at << ": " << text;
      EXPECT_GT(c.price(state::kClassStarwolf, id), 0) << at;
      // The basic item a new ship carries is the cheapest of its category.
      EXPECT_GE(c.price(state::kClassStarwolf, id), c.price(state::kClassStarwolf, 0)) << at;
    }
    for (std::int32_t id : {-1, c.last + 1, INT_MIN, INT_MAX}) {
      EXPECT_EQ(std::string(c.name(id)), "") << c.what << " " << id;
      EXPECT_EQ(std::string(c.picture(id)), "") << c.what << " " << id;
      EXPECT_EQ(std::string(c.speciality(id)), "") << c.what << " " << id;
      EXPECT_EQ(c.description(id), "") << c.what << " " << id;
      EXPECT_EQ(c.price(state::kClassStarwolf, id), 0) << c.what << " " << id;
    }
  }
}

// The items the rules single out by id: the speciality the shop shows names what the rule does.
TEST_F(EquipmentTest, TheItemsTheRulesSingleOutSayWhatTheyDo) {
  struct Item {
    const char* what;
    std::int32_t id;
    const char* speciality;
  };
  const Item items[] = {
      {"gun",      1, "Rapid fire; Overheat"},  // overheating after volleys in a row
      {"gun",      4, "EMP pulse (self)"},
      {"gun",      5, "Shield decrease"},
      {"gun",      6, "Energy leech"},
      {"gun",      7, "EMP pulse"},
      {"gun",      8, "Rapid fire; Overheat"},
      {"missile",  2, "No damage"},
      {"missile",  7, "Not self-propelled"},     // the mines the enemy captain treats apart
      {"missile",  8, "EMP pulse"},
      {"missile",  9, "Self-propelled"},
      {"engine",   2, "Flee ability"},
      {"engine",   3, "Combat evading"},
      {"engine",   4, "Cargo space"},
      {"engine",   6, "Stronger shields"},
      {"computer", 3, "\"Trader\" ability"},
      {"computer", 4, "\"Tracking\" ability"},
      {"computer", 5, "Spy sensors"},
      {"ecm",      4, "Anti mine"},
      {"ecm",      5, "100%; Shield leak"},
      {"module",   1, "Cargo space"},
      {"module",   2, "Stronger shields"},
      {"module",   3, "Cloaking"},
      {"module",   4, "Saves crew"},
      {"module",   5, "Always boarding"},
  };
  for (const Item& item : items)
    EXPECT_STREQ(CategoryOf(item.what).speciality(item.id), item.speciality)
        << item.what << " " << item.id;
}

TEST_F(EquipmentTest, GunNamesCarryTheCalibreOfTheClassSize) {
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t gun;
    const char* name;
  };
  const Case cases[] = {
      {state::kClassStarwolf, 0, "Laser (8 cm)"},
      {state::kClassShadowcat, 0, "Laser (15 cm)"},
      {state::kClassPatton, 0, "Laser (21 cm)"},
      {state::kClassNeptun, 0, "Laser (50 cm)"},
      {state::kClassMarauder, 0, "Laser (80 cm)"},
      {state::kStarbaseClass, 0, "Laser (80 cm)"},
      {state::kClassPatton, 4, "Quantum (80 cm)"},
      {state::kClassNeptun, 4, "Quantum (38 cm)"},
      {state::kClassBattlegroup, 4, "Quantum (120 cm)"},
      {state::kClassBattlegroup, 2, "Fusion (105 cm)"},
      {state::kClassOrionSquadron, 6, "Leech (15 cm)"},
      {state::kClassShark, 7, "Disruptor (18 cm)"},
      {state::kClassGalaxy, 8, "Gatling (26 cm)"},
      {state::kClassCorsair, 6, "Leech (42 cm)"},
      {state::kClassGettysburg, 6, "Leech (76 cm)"},
      {state::kNoShipClass, 0, "Laser"},
      {state::ShipClassId{20}, 3, "Particle"},
      {state::kClassStarwolf, 9, ""},
      {state::kClassStarwolf, -1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetGunName(c.shipClass, GunId{c.gun}), c.name) << state::Stored(c.shipClass) << "/" << c.gun;
}

TEST_F(EquipmentTest, PricesScaleWithTheSizeCategory) {
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t laserPrice;
  };
  const Case cases[] = {
      {state::kClassStarwolf, 3500 * 4},
      {state::kClassShadowcat, 3500 * 32},
      {state::kClassPatton, 3500 * 96},
      {state::kClassNeptun, 3500 * 128},
      {state::kClassMarauder, 3500 * 640},
      {state::kStarbaseClass, 3500 * 640},
      {state::kNoShipClass, 0},
      {state::ShipClassId{20}, 0},
      {state::ShipClassId{-2}, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetGunPrice(c.shipClass, kGunLaser), c.laserPrice) << state::Stored(c.shipClass);
  EXPECT_EQ(GetGunPrice(state::kClassBattlegroup, kGunQuantum), 30000 * 640);
}

// --- Combat values -------------------------------------------------------------------------------

TEST_F(EquipmentTest, GunValuesFollowTheClass) {
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t accuracy[9], damage[9], ap[9];
  };
  const Case cases[] = {
      // Starwolf: hit 45, damage 12, AP 2
      {state::kClassStarwolf, {45, 40, 40, 50, 45, 40, 45, 40, 40},
       {12, 9, 18, 16, 18, 18, 12, 16, 9}, {2, 1, 3, 2, 3, 3, 2, 2, 1}},
      // Stargun: damage 14
      {state::kClassStargun, {45, 40, 40, 50, 45, 40, 45, 40, 40},
       {14, 11, 21, 18, 21, 21, 14, 18, 11}, {2, 1, 3, 2, 3, 3, 2, 2, 1}},
      // Starbase: damage 180
      {state::kStarbaseClass, {45, 40, 40, 50, 45, 40, 45, 40, 40},
       {180, 135, 270, 240, 270, 270, 180, 240, 135}, {2, 1, 3, 2, 3, 3, 2, 2, 1}},
  };
  for (const Case& c : cases) {
    for (std::int32_t gun = 0; gun <= 8; ++gun) {
      for (Side side : {Side::Player, Side::Enemy}) {
        EXPECT_EQ(GetGunAccuracy(c.shipClass, GunId{gun}, side), c.accuracy[gun])
            << state::Stored(c.shipClass) << "/" << gun;
        EXPECT_EQ(GetGunDamage(c.shipClass, GunId{gun}, side), c.damage[gun])
            << state::Stored(c.shipClass) << "/" << gun;
        EXPECT_EQ(GetGunApCost(c.shipClass, GunId{gun}, side), c.ap[gun])
            << state::Stored(c.shipClass) << "/" << gun;
      }
    }
  }
}

TEST_F(EquipmentTest, MissileValuesFollowTheClass) {
  // Starwolf: missile damage 40; Shark 45 (odd thirds); starbase 600. Missile AP 4 everywhere.
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t damage[11];
  };
  const Case cases[] = {
      {state::kClassStarwolf, {27, 40, 6, 54, 27, 54, 80, 107, 9, 107, 267}},
      {state::kClassShark, {30, 45, 6, 60, 30, 60, 90, 120, 10, 120, 300}},
      {state::kStarbaseClass, {400, 600, 80, 800, 400, 800, 1200, 1600, 134, 1600, 4000}},
  };
  const std::int32_t ap[11] = {4, 5, 3, 3, 4, 5, 5, 4, 5, 2, 2};
  const std::int32_t ecm[11] = {0, 0, 0, -5, 0, 0, 0, 0, 0, 0, -15};
  for (const Case& c : cases) {
    for (std::int32_t m = 0; m <= 10; ++m) {
      EXPECT_EQ(GetMissileDamage(c.shipClass, MissileId{m}), c.damage[m])
          << state::Stored(c.shipClass) << "/" << m;
      EXPECT_EQ(GetMissileApCost(c.shipClass, MissileId{m}, Side::Player), ap[m])
          << state::Stored(c.shipClass) << "/" << m;
      EXPECT_EQ(GetMissileApCost(c.shipClass, MissileId{m}, Side::Enemy), ap[m])
          << state::Stored(c.shipClass) << "/" << m;
      EXPECT_EQ(MissileItem(MissileId{m}).ecmModifier, ecm[m]) << m;
    }
  }
}

TEST_F(EquipmentTest, EnginesComputersAndEcm) {
  const std::int32_t speed[7] = {200, 450, 200, 200, 200, 200, 200};  // Starwolf speed 200
  const std::int32_t evasion[7] = {0, 0, 0, 10, 0, 0, 0};
  for (std::int32_t e = 0; e <= 6; ++e) {
    EXPECT_EQ(GetEngineTravelSpeed(state::kClassStarwolf, EngineId{e}), speed[e]) << e;
    EXPECT_EQ(EngineItem(EngineId{e}).evasion, evasion[e]) << e;
  }
  EXPECT_EQ(GetEngineTravelSpeed(state::kStarbaseClass, kEngineTravellerMk1), 0);  // the starbase does not travel
  EXPECT_EQ(GetEngineTravelSpeed(state::kStarbaseClass, kEngineTravellerMk2), 250);
  const std::int32_t accuracy[7] = {0, 5, 10, 0, 0, 0, 0};
  for (std::int32_t t = 0; t <= 6; ++t) EXPECT_EQ(ComputerItem(ComputerId{t}).accuracy, accuracy[t]) << t;
  const std::int32_t chance[6] = {40, 50, 70, 80, 40, 100};
  const std::int32_t ecmAp[6] = {2, 2, 5, 5, 3, 5};
  for (std::int32_t e = 0; e <= 5; ++e) {
    EXPECT_EQ(EcmItem(EcmId{e}).Chance(), chance[e]) << e;
    EXPECT_EQ(EcmItem(EcmId{e}).apCost, ecmAp[e]) << e;
  }
}

TEST_F(EquipmentTest, NoClassOrNoItemGivesZeroValues) {
  for (std::int32_t stored : {0, -2, 20, INT_MIN}) {
    const state::ShipClassId shipClass{stored};
    for (Side side : {Side::Player, Side::Enemy}) {
      EXPECT_EQ(GetGunAccuracy(shipClass, kGunTurboLaser, side), 0) << state::Stored(shipClass);
      EXPECT_EQ(GetGunDamage(shipClass, kGunFusion, side), 0) << state::Stored(shipClass);
      EXPECT_EQ(GetGunApCost(shipClass, kGunTurboLaser, side), 0) << state::Stored(shipClass);
      EXPECT_EQ(GetMissileApCost(shipClass, kMissileDestroyer, side), 0) << state::Stored(shipClass);
      EXPECT_EQ(GetShipCargoCapacity(shipClass, kModuleCargoManagement, side), 0) << state::Stored(shipClass);
    }
    EXPECT_EQ(GetMissileDamage(shipClass, kMissileDestroyer), 0) << state::Stored(shipClass);
    EXPECT_EQ(GetEngineTravelSpeed(shipClass, kEngineTravellerMk2), 0) << state::Stored(shipClass);
    EXPECT_EQ(GetShipMaxShields(shipClass, kEngineVictory, kModuleShieldUnit), 0) << state::Stored(shipClass);
    EXPECT_EQ(GetShipMaxCrew(shipClass, kModuleBoardingShuttle), 0) << state::Stored(shipClass);
  }
  for (std::int32_t id : {-1, 11, INT_MAX, INT_MIN}) {
    EXPECT_EQ(GetGunAccuracy(state::kClassStarwolf, GunId{id}, Side::Player), 0) << id;
    EXPECT_EQ(GetGunDamage(state::kClassStarwolf, GunId{id}, Side::Enemy), 0) << id;
    EXPECT_EQ(GetGunApCost(state::kClassStarwolf, GunId{id}, Side::Player), 0) << id;
    EXPECT_EQ(GetMissileDamage(state::kClassStarwolf, MissileId{id}), 0) << id;
    EXPECT_EQ(GetMissileApCost(state::kClassStarwolf, MissileId{id}, Side::Player), 0) << id;
    EXPECT_EQ(MissileItem(MissileId{id}).ecmModifier, 0) << id;
    EXPECT_EQ(GetEngineTravelSpeed(state::kClassStarwolf, EngineId{id}), 0) << id;
    EXPECT_EQ(EngineItem(EngineId{id}).evasion, 0) << id;
    EXPECT_EQ(ComputerItem(ComputerId{id}).accuracy, 0) << id;
    EXPECT_EQ(EcmItem(EcmId{id}).Chance(), 0) << id;
    EXPECT_EQ(EcmItem(EcmId{id}).apCost, 0) << id;
  }
}

// --- Values that depend on who owns the ship -----------------------------------------------------

TEST_F(EquipmentTest, ActiveSpecialNeedsAnActiveSlotOneToEight) {
  PlayerShip[ship::kClass] = state::Stored(state::kClassStonewall);  // "Twin guns"
  EXPECT_EQ(ActiveShipSpecial(Side::Player), state::kNoSpecial);
  ActivateSpecial(PlayerModifiers, 8);
  EXPECT_EQ(ActiveShipSpecial(Side::Player), kSpecialTwinGuns);
  EXPECT_EQ(ActiveShipSpecial(Side::Enemy), state::kNoSpecial);
  PlayerModifiers[8][modifier::kActive] = 0;  // switched off
  EXPECT_EQ(ActiveShipSpecial(Side::Player), state::kNoSpecial);
  ActivateSpecial(PlayerModifiers, 0);  // slots 0 and 9 are outside the list
  ActivateSpecial(PlayerModifiers, 9);
  EXPECT_EQ(ActiveShipSpecial(Side::Player), state::kNoSpecial);
  PlayerModifiers[1][modifier::kActive] = 1;  // another ability active
  PlayerModifiers[1][modifier::kAbility] = 35;
  EXPECT_EQ(ActiveShipSpecial(Side::Player), state::kNoSpecial);
}

TEST_F(EquipmentTest, TwinGunsFireTurboLasersForTheirOwnerOnly) {
  PlayerShip[ship::kClass] =
      state::Stored(state::kClassStonewall);  // Stonewall: "Twin guns"; hit 45, damage 150, AP 2
  ActivateSpecial(PlayerModifiers);
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t gun;
    Side side;
    std::int32_t accuracy, damage, ap;
  };
  const Case cases[] = {
      {state::kClassStonewall, 3, Side::Player, 40, 113, 1},  // a Particle fires as a Turbo-Laser
      {state::kClassStonewall, 0, Side::Player, 40, 113, 1},
      {state::kClassStonewall, 9, Side::Player, 40, 113, 1},  // whatever gun is asked
      {state::kClassStarwolf, 3, Side::Player, 40, 9,
       1},  // the player's special, the asked class's values
      {state::kClassStonewall, 3, Side::Enemy, 50, 200, 2},  // the enemy's guns stay what they are
      {state::kClassStarwolf, 3, Side::Enemy, 50, 16, 2},
      {state::kClassStarwolf, 1, Side::Enemy, 40, 9, 1},
  };
  for (const Case& c : cases) {
    const std::string at = std::to_string(state::Stored(c.shipClass)) + "/" +
                           std::to_string(c.gun) + (c.side == Side::Player ? " player" : " enemy");
    EXPECT_EQ(GetGunAccuracy(c.shipClass, GunId{c.gun}, c.side), c.accuracy) << at;
    EXPECT_EQ(GetGunDamage(c.shipClass, GunId{c.gun}, c.side), c.damage) << at;
    EXPECT_EQ(GetGunApCost(c.shipClass, GunId{c.gun}, c.side), c.ap) << at;
  }
  // The enemy's own special counts for the enemy's values.
  EnemyShip[ship::kClass] = state::Stored(state::kClassAvenger);  // Avenger: "Twin guns"
  ActivateSpecial(EnemyModifiers);
  EXPECT_EQ(GetGunDamage(state::kClassAvenger, kGunParticle, Side::Enemy), 12);  // 16 - 16 div 4
}

TEST_F(EquipmentTest, GunVolleyAddsHalfTheDamageAndOneActionPoint) {
  PlayerShip[ship::kClass] =
      state::Stored(state::kClassHellcat);  // Hellcat: "Gun volley"; damage 30
  struct Case {
    std::int32_t gun;
    bool active;
    Side side;
    std::int32_t accuracy, damage, ap;
  };
  const Case cases[] = {
      {0, false, Side::Player, 45, 30, 2},
      {0, true, Side::Player, 45, 45, 3},
      {1, true, Side::Player, 40, 34, 2},  // 23 + 23 div 2
      {2, true, Side::Player, 40, 67, 4},  // 45 + 45 div 2
      {0, true, Side::Enemy, 45, 30, 2},
      {2, true, Side::Enemy, 40, 45, 3},
  };
  for (const Case& c : cases) {
    for (auto& row : PlayerModifiers) row.fill(0);
    if (c.active) ActivateSpecial(PlayerModifiers);
    EXPECT_EQ(GetGunAccuracy(state::kClassHellcat, GunId{c.gun}, c.side), c.accuracy)
        << c.gun << " " << c.active;
    EXPECT_EQ(GetGunDamage(state::kClassHellcat, GunId{c.gun}, c.side), c.damage)
        << c.gun << " " << c.active;
    EXPECT_EQ(GetGunApCost(state::kClassHellcat, GunId{c.gun}, c.side), c.ap) << c.gun << " " << c.active;
  }
}

TEST_F(EquipmentTest, MissileCostDropsOnceForAdmiralOrFastRacks) {
  struct Case {
    std::int32_t rank;
    bool fastRacks;  // the player's Patton with its special active
    Side side;
    std::int32_t arrow, dummy, zeus, destroyer;
  };
  const Case cases[] = {
      {1, false, Side::Player, 4, 3, 5, 2},
      {7, false, Side::Player, 3, 2, 4, 2},
      {1, true, Side::Player, 3, 2, 4, 2},
      {7, true, Side::Player, 3, 2, 4, 2},  // one reduction even when both hold
      {8, false, Side::Player, 4, 3, 5, 2},
      {7, true, Side::Enemy, 4, 3, 5, 2},   // the player's rank and special are not the enemy's
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kClass] = state::Stored(state::kClassPatton);  // Patton: "Fast missile racks"
    PlayerData[player::kRank] = c.rank;
    if (c.fastRacks) ActivateSpecial(PlayerModifiers);
    const std::string at = std::to_string(c.rank) + (c.fastRacks ? " racks" : "") +
                           (c.side == Side::Player ? " player" : " enemy");
    EXPECT_EQ(GetMissileApCost(state::kClassPatton, kMissileArrowMk1, c.side), c.arrow) << at;
    EXPECT_EQ(GetMissileApCost(state::kClassPatton, kMissileArrowDummy, c.side), c.dummy) << at;
    EXPECT_EQ(GetMissileApCost(state::kClassPatton, kMissileZeusMk1, c.side), c.zeus) << at;
    EXPECT_EQ(GetMissileApCost(state::kClassPatton, kMissileDestroyer, c.side), c.destroyer) << at;
  }
  // An enemy Patton with its own special active launches faster.
  SetUp();
  EnemyShip[ship::kClass] = state::Stored(state::kClassPatton);
  ActivateSpecial(EnemyModifiers);
  EXPECT_EQ(GetMissileApCost(state::kClassPatton, kMissileArrowMk1, Side::Enemy), 3);
  EXPECT_EQ(GetMissileApCost(state::kClassPatton, kMissileArrowMk1, Side::Player), 4);
}

TEST_F(EquipmentTest, CargoCapacityWithModulesEngineAndSkills) {
  // Starwolf: cargo space 40.
  struct Case {
    std::int32_t module, playerEngine, enemyEngine;
    bool skill3, skill4;
    std::int32_t player, enemy;
  };
  const Case cases[] = {
      {0, 0, 0, false, false, 40, 40},
      {1, 0, 0, false, false, 60, 60},
      {2, 0, 0, false, false, 27, 27},
      {3, 0, 0, false, false, 27, 27},
      {4, 0, 0, false, false, 27, 27},
      {5, 0, 0, false, false, 27, 27},
      {6, 0, 0, false, false, 40, 40},   // no such module: the plain bay
      {-1, 0, 0, false, false, 40, 40},
      {0, 4, 0, false, false, 60, 40},   // the XL-Trade engine counts for its own ship only
      {2, 4, 0, false, false, 60, 27},
      {5, 0, 4, false, false, 27, 60},
      {1, 0, 0, true, false, 75, 60},    // skills are the player's
      {1, 0, 0, false, true, 90, 60},
      {1, 0, 0, true, true, 90, 60},
      {2, 4, 4, true, false, 75, 60},
      {0, 0, 0, true, false, 50, 40},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kEngine] = c.playerEngine;
    EnemyShip[ship::kEngine] = c.enemyEngine;
    SkillOwned[state::Stored(kSkillCargoManager)] = c.skill3 ? 1 : 0;
    SkillOwned[state::Stored(kSkillAdvancedCargoManager)] = c.skill4 ? 1 : 0;
    const std::string at = "module " + std::to_string(c.module) + " engines " +
                           std::to_string(c.playerEngine) + "/" + std::to_string(c.enemyEngine) +
                           " skills " + std::to_string(c.skill3) + std::to_string(c.skill4);
    EXPECT_EQ(GetShipCargoCapacity(state::kClassStarwolf, CargoModuleId{c.module}, Side::Player), c.player) << at;
    EXPECT_EQ(GetShipCargoCapacity(state::kClassStarwolf, CargoModuleId{c.module}, Side::Enemy), c.enemy) << at;
  }
  SetUp();
  EXPECT_EQ(GetShipCargoCapacity(state::kStarbaseClass, kModuleCargoBay, Side::Enemy), 2000);
  EXPECT_EQ(GetShipCargoCapacity(state::kClassGalaxy, kModuleCargoManagement, Side::Player), 1200);
}

TEST_F(EquipmentTest, ShieldsCrewAndSpySensors) {
  struct Shields {
    state::ShipClassId shipClass;
    std::int32_t engine, module, shields;
  };
  const Shields shields[] = {
      {state::kClassStarwolf, 0, 0, 100},     {state::kClassStarwolf, 6, 0, 125},
      {state::kClassStarwolf, 0, 2, 125},     {state::kClassStarwolf, 6, 2, 156},
      {state::kClassStarwolf, 5, 1, 100},     {state::kStarbaseClass, 6, 2, 5468},
      {state::kClassBattlegroup, 0, 0, 3000},
  };
  for (const Shields& s : shields)
    EXPECT_EQ(GetShipMaxShields(s.shipClass, EngineId{s.engine}, CargoModuleId{s.module}), s.shields)
        << state::Stored(s.shipClass) << " " << s.engine << " " << s.module;

  struct Crew {
    state::ShipClassId shipClass;
    std::int32_t module, crew;
  };
  const Crew crews[] = {{state::kClassPatton, 0, 40},  {state::kClassPatton, 5, 48},
                        {state::kClassPatton, 4, 40},  {state::kClassShadowcat, 5, 19},
                        {state::kClassStarwolf, 5, 0}, {state::kStarbaseClass, 5, 240}};
  for (const Crew& c : crews)
    EXPECT_EQ(GetShipMaxCrew(c.shipClass, CargoModuleId{c.module}), c.crew)
        << state::Stored(c.shipClass) << " " << c.module;

  EXPECT_FALSE(HasSpySensors());
  EnemyShip[ship::kTargeting] = state::Stored(kComputerSpySensors);
  EXPECT_FALSE(HasSpySensors());
  PlayerShip[ship::kTargeting] = state::Stored(kComputerSpySensors);
  EXPECT_TRUE(HasSpySensors());
  PlayerShip[ship::kTargeting] = state::Stored(kComputerAdvancedSensors);
  EXPECT_FALSE(HasSpySensors());
}

}  // namespace
