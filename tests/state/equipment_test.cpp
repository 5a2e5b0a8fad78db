#include "state/equipment.h"

#include <climits>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/skills.h"
#include "state/variables.h"

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
    modifiers[slot][1] = 1;
    modifiers[slot][2] = 36;
    modifiers[slot][3] = 10000;
  }
};

using TextGetter = std::function<std::string(std::int32_t, std::int32_t)>;
using ValueGetter = std::function<std::int32_t(std::int32_t, std::int32_t)>;

struct Category {
  const char* what;
  std::int32_t last;
  TextGetter name, image, description, speciality;
  ValueGetter price;
};

const std::vector<Category>& Categories() {
  static const std::vector<Category> categories = {
      {"gun", 8, GetGunName, GetGunImage, GetGunDescription, GetGunSpeciality, GetGunPrice},
      {"missile", 10, GetMissileName, GetMissileImage, GetMissileDescription, GetMissileSpeciality,
       GetMissilePrice},
      {"engine", 6, GetEngineName, GetEngineImage, GetEngineDescription, GetEngineSpeciality,
       GetEnginePrice},
      {"computer", 6, GetComputerName, GetComputerImage, GetComputerDescription,
       GetComputerSpeciality, GetComputerPrice},
      {"ecm", 5, GetEcmName, GetEcmImage, GetEcmDescription, GetEcmSpeciality, GetEcmPrice},
      {"module", 5, GetCargoModuleName, GetCargoModuleImage, GetCargoModuleDescription,
       GetCargoModuleSpeciality, GetCargoModulePrice},
  };
  return categories;
}

const Category& CategoryOf(const std::string& what) {
  for (const Category& c : Categories())
    if (what == c.what) return c;
  throw std::logic_error("no category " + what);
}

// --- Texts ---------------------------------------------------------------------------------------

TEST_F(EquipmentTest, NamesPicturesSpecialitiesAndBasePrices) {
  struct Item {
    const char* what;
    std::int32_t id;
    const char* name;  // guns: as on a fighter
    const char* picture;
    const char* speciality;
    std::int32_t basePrice;
  };
  const Item items[] = {
      {"gun",      0, "Laser (8 cm)",          "Equipment_Laser",          "No speciality",         3500},
      {"gun",      1, "Turbo-Laser (4 cm)",    "Equipment_TurboLaser",     "Rapid fire; Overheat",  5500},
      {"gun",      2, "Fusion (10 cm)",        "Equipment_Fusion",         "2x damage chance",     10000},
      {"gun",      3, "Particle (8 cm)",       "Equipment_Particle",       "No speciality",        16000},
      {"gun",      4, "Quantum (10 cm)",       "Equipment_Quantum",        "EMP pulse (self)",     30000},
      {"gun",      5, "SuperFusion (10 cm)",   "Equipment_SuperFusion",    "Shield decrease",      10000},
      {"gun",      6, "Leech (8 cm)",          "Equipment_Leech",          "Energy leech",         12000},
      {"gun",      7, "Disruptor (8 cm)",      "Equipment_Disruptor",      "EMP pulse",            16000},
      {"gun",      8, "Gatling (4 cm)",        "Equipment_Gatling",        "Rapid fire; Overheat",  6000},
      {"missile",  0, "Arrow Mk. I",           "Equipment_ArrowMissile",   "No speciality",         3000},
      {"missile",  1, "Arrow Mk. III",         "Equipment_ArrowMissile",   "Early detonation",     10000},
      {"missile",  2, "Arrow Dummy",           "Equipment_ArrowMissile",   "No damage",             5000},
      {"missile",  3, "X-ASM",                 "Equipment_XASMMissile",    "More ECM resistance",  15000},
      {"missile",  4, "Arrow Mk. II",          "Equipment_ArrowMissile",   "No speciality",         3000},
      {"missile",  5, "Zeus Mk. I",            "Equipment_Zeus",           "No speciality",         5000},
      {"missile",  6, "Zeus Mk. II",           "Equipment_Zeus",           "Doubled cool-down",     8000},
      {"missile",  7, "Mine Mk. I",            "Equipment_Mine",           "Not self-propelled",    8000},
      {"missile",  8, "Zeus EMP",              "Equipment_Zeus",           "EMP pulse",             7500},
      {"missile",  9, "Mine Mk. II",           "Equipment_Mine2",          "Self-propelled",       10000},
      {"missile", 10, "Destroyer",             "Equipment_Destroyer",      "Extreme damage",       20000},
      {"engine",   0, "Traveller Mk. I",       "Equipment_Traveller",      "No speciality",         5000},
      {"engine",   1, "Traveller Mk. II",      "Equipment_Traveller",      "Increased speed",      15000},
      {"engine",   2, "Traveller Escape",      "Equipment_Traveller",      "Flee ability",         15000},
      {"engine",   3, "DuziDazar M-Combat",    "Equipment_Hellfire",       "Combat evading",       15000},
      {"engine",   4, "DuziDazar XL-Trade",    "Equipment_Hellfire",       "Cargo space",          15000},
      {"engine",   5, "Defender \"Conquest\"", "Equipment_TachyonBooster", "Emergency shield",     15000},
      {"engine",   6, "Defender \"Victory\"",  "Equipment_TachyonBooster", "Stronger shields",     20000},
      {"computer", 0, "Quicklock Mk. I",       "Equipment_Quicklock",      "No speciality",         1000},
      {"computer", 1, "Takedown Mk. I",        "Equipment_Takedown",       "No speciality",         5000},
      {"computer", 2, "Takedown Mk. II",       "Equipment_Takedown",       "Unstable",             10000},
      {"computer", 3, "Price Algorithms",      "Misc",                     "\"Trader\" ability",   10000},
      {"computer", 4, "Advanced sensors",      "Misc",                     "\"Tracking\" ability", 10000},
      {"computer", 5, "Spy sensors",           "Misc",                     "Spy sensors",          10000},
      {"computer", 6, "Command HQ",            "Misc",                     "Increases war efforts", 15000},
      {"ecm",      0, "Defender Mk. I",        "Equipment_Defender",       "No speciality",         3000},
      {"ecm",      1, "Defender Mk. II",       "Equipment_Defender",       "No speciality",         5000},
      {"ecm",      2, "Supersafe Mk. I",       "Equipment_Supersafe",      "No speciality",         5000},
      {"ecm",      3, "Supersafe Mk. II",      "Equipment_Supersafe",      "No speciality",        10000},
      {"ecm",      4, "Defender Anti-Mine",    "Equipment_Defender",       "Anti mine",            10000},
      {"ecm",      5, "Supersafe Plasma",      "Equipment_Supersafe",      "100%; Shield leak",    20000},
      {"module",   0, "Cargo bay",             "Misc",                     "No speciality",         2000},
      {"module",   1, "Cargo management",      "Misc",                     "Cargo space",           7500},
      {"module",   2, "Auxiliary shield unit", "Equipment_ShieldUnit",     "Stronger shields",      7500},
      {"module",   3, "Cloaking device",       "Equipment_Cloaking",       "Cloaking",              7500},
      {"module",   4, "Ship hospital",         "Equipment_Hospital",       "Saves crew",            7500},
      {"module",   5, "Boarding shuttle",      "Equipment_Raiding",        "Always boarding",       7500},
  };
  int perCategory[6] = {};
  for (const Item& item : items) {
    const Category& c = CategoryOf(item.what);
    const std::string at = std::string(item.what) + " " + std::to_string(item.id);
    EXPECT_EQ(c.name(1, item.id), item.name) << at;
    EXPECT_EQ(c.image(1, item.id), item.picture) << at;
    EXPECT_EQ(c.speciality(1, item.id), item.speciality) << at;
    EXPECT_EQ(c.price(1, item.id), item.basePrice * 4) << at;  // a fighter pays 4 x the base
    EXPECT_EQ(c.price(-1, item.id), item.basePrice * 640) << at;  // the starbase counts as size 5
    ++perCategory[&c - Categories().data()];
  }
  for (std::size_t i = 0; i < Categories().size(); ++i)
    EXPECT_EQ(perCategory[i], Categories()[i].last + 1) << Categories()[i].what;
}

TEST_F(EquipmentTest, GunNamesCarryTheCalibreOfTheClassSize) {
  struct Case {
    std::int32_t shipClass, gun;
    const char* name;
  };
  const Case cases[] = {
      { 1, 0, "Laser (8 cm)"},     {6, 0, "Laser (15 cm)"},      {9, 0, "Laser (21 cm)"},
      {13, 0, "Laser (50 cm)"},    {16, 0, "Laser (80 cm)"},     {-1, 0, "Laser (80 cm)"},
      { 9, 4, "Quantum (80 cm)"},  {13, 4, "Quantum (38 cm)"},   {19, 4, "Quantum (120 cm)"},
      {19, 2, "Fusion (105 cm)"},  {12, 6, "Leech (15 cm)"},     {10, 7, "Disruptor (18 cm)"},
      {14, 8, "Gatling (26 cm)"},  {15, 6, "Leech (42 cm)"},     {17, 6, "Leech (76 cm)"},
      { 0, 0, "Laser"},            {20, 3, "Particle"},          {1, 9, ""},
      { 1, -1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetGunName(c.shipClass, c.gun), c.name) << c.shipClass << "/" << c.gun;
}

TEST_F(EquipmentTest, PricesScaleWithTheSizeCategory) {
  struct Case {
    std::int32_t shipClass;
    std::int32_t laserPrice;
  };
  const Case cases[] = {
      {1, 3500 * 4}, {6, 3500 * 32}, {9, 3500 * 96}, {13, 3500 * 128}, {16, 3500 * 640},
      {-1, 3500 * 640}, {0, 0}, {20, 0}, {-2, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GetGunPrice(c.shipClass, 0), c.laserPrice) << c.shipClass;
  EXPECT_EQ(GetGunPrice(19, 4), 30000 * 640);
  for (const Category& c : Categories()) {
    EXPECT_EQ(c.price(1, -1), 0) << c.what;
    EXPECT_EQ(c.price(1, c.last + 1), 0) << c.what;
  }
}

TEST_F(EquipmentTest, DescriptionsKeepTheirExactCharacters) {
  for (const Category& c : Categories()) {
    for (std::int32_t id = 0; id <= c.last; ++id)
      EXPECT_GT(c.description(1, id).size(), 20u) << c.what << " " << id;
    EXPECT_EQ(c.description(1, -1), "") << c.what;
    EXPECT_EQ(c.description(1, c.last + 1), "") << c.what;
    EXPECT_EQ(c.description(1, INT_MIN), "") << c.what;
    EXPECT_EQ(c.name(1, INT_MAX), "") << c.what;
    EXPECT_EQ(c.image(1, c.last + 1), "") << c.what;
    EXPECT_EQ(c.speciality(1, c.last + 1), "") << c.what;
    // The ship class does not change a description.
    EXPECT_EQ(c.description(-1, 0), c.description(1, 0)) << c.what;
  }
  EXPECT_EQ(GetEngineDescription(1, 0),
            "The Traveller Mk. I engine is a common sight and available for all ship classes \u2013 in "
            "different sizes of course.");
  EXPECT_EQ(GetMissileDescription(1, 9),
            "This improved and mine flies slowly towards it\u00b4s target even if no tractor beam is "
            "used as long as the enemy is using the \u201cmark\u201d ability.");
  EXPECT_EQ(GetMissileDescription(1, 6),
            "Though fully automated, it takes twice as long to load the Zeus MK. II than other "
            "torpedoes, due to its large warhead. (doubled cool down timer).");
  EXPECT_EQ(GetComputerDescription(1, 3),
            "This special computer browses the local news channels and calculates the current economic "
            "situation. You will know the prices of commodities on distant planets, similar to the "
            "\"trader\" ability available in the skill tree.");
  EXPECT_EQ(GetEcmDescription(1, 5),
            "The plasma net ECM casts out a wide-spread net of plasma that physically destroys all "
            "missiles on it\u00b4s way. It\u00b4s a 100% success, but it costs shield energy.");
  EXPECT_EQ(GetCargoModuleDescription(1, 5),
            "The boarding shuttle increases the maximum amount of crewmen available and makes it always "
            "(!) possible to board enemy ships. You will still need to reduce the enemy shields before "
            "starting such an attempt though.");
  EXPECT_EQ(GetGunDescription(1, 8),
            "Laser gatlings are large automatic turrets firing rapid bursts of advanced laser beams. They "
            "can overheat, but the bursts are coming so rapidly there is a chance of intercepting "
            "incoming torpedos.");
}

// --- Combat values -------------------------------------------------------------------------------

TEST_F(EquipmentTest, GunValuesFollowTheClass) {
  struct Case {
    std::int32_t shipClass;
    std::int32_t accuracy[9], damage[9], ap[9];
  };
  const Case cases[] = {
      // Starwolf: hit 45, damage 12, AP 2
      {1, {45, 40, 40, 50, 45, 40, 45, 40, 40}, {12, 9, 18, 16, 18, 18, 12, 16, 9}, {2, 1, 3, 2, 3, 3, 2, 2, 1}},
      // Stargun: damage 14
      {2, {45, 40, 40, 50, 45, 40, 45, 40, 40}, {14, 11, 21, 18, 21, 21, 14, 18, 11}, {2, 1, 3, 2, 3, 3, 2, 2, 1}},
      // Starbase: damage 180
      {-1, {45, 40, 40, 50, 45, 40, 45, 40, 40}, {180, 135, 270, 240, 270, 270, 180, 240, 135}, {2, 1, 3, 2, 3, 3, 2, 2, 1}},
  };
  for (const Case& c : cases) {
    for (std::int32_t gun = 0; gun <= 8; ++gun) {
      for (Side side : {Side::Player, Side::Enemy}) {
        EXPECT_EQ(GetGunAccuracy(c.shipClass, gun, side), c.accuracy[gun]) << c.shipClass << "/" << gun;
        EXPECT_EQ(GetGunDamage(c.shipClass, gun, side), c.damage[gun]) << c.shipClass << "/" << gun;
        EXPECT_EQ(GetGunApCost(c.shipClass, gun, side), c.ap[gun]) << c.shipClass << "/" << gun;
      }
    }
  }
}

TEST_F(EquipmentTest, MissileValuesFollowTheClass) {
  // Starwolf: missile damage 40; Shark 45 (odd thirds); starbase 600. Missile AP 4 everywhere.
  struct Case {
    std::int32_t shipClass;
    std::int32_t damage[11];
  };
  const Case cases[] = {
      {1, {27, 40, 6, 54, 27, 54, 80, 107, 9, 107, 267}},
      {10, {30, 45, 6, 60, 30, 60, 90, 120, 10, 120, 300}},
      {-1, {400, 600, 80, 800, 400, 800, 1200, 1600, 134, 1600, 4000}},
  };
  const std::int32_t ap[11] = {4, 5, 3, 3, 4, 5, 5, 4, 5, 2, 2};
  const std::int32_t ecm[11] = {0, 0, 0, -5, 0, 0, 0, 0, 0, 0, -15};
  for (const Case& c : cases) {
    for (std::int32_t m = 0; m <= 10; ++m) {
      EXPECT_EQ(GetMissileDamage(c.shipClass, m), c.damage[m]) << c.shipClass << "/" << m;
      EXPECT_EQ(GetMissileApCost(c.shipClass, m, Side::Player), ap[m]) << c.shipClass << "/" << m;
      EXPECT_EQ(GetMissileApCost(c.shipClass, m, Side::Enemy), ap[m]) << c.shipClass << "/" << m;
      EXPECT_EQ(GetMissileEcmModifier(c.shipClass, m), ecm[m]) << m;
    }
  }
}

TEST_F(EquipmentTest, EnginesComputersAndEcm) {
  const std::int32_t speed[7] = {200, 450, 200, 200, 200, 200, 200};  // Starwolf speed 200
  const std::int32_t evasion[7] = {0, 0, 0, 10, 0, 0, 0};
  for (std::int32_t e = 0; e <= 6; ++e) {
    EXPECT_EQ(GetEngineTravelSpeed(1, e), speed[e]) << e;
    EXPECT_EQ(GetEngineEvasionBonus(1, e), evasion[e]) << e;
  }
  EXPECT_EQ(GetEngineTravelSpeed(-1, 0), 0);    // the starbase does not travel
  EXPECT_EQ(GetEngineTravelSpeed(-1, 1), 250);
  const std::int32_t accuracy[7] = {0, 5, 10, 0, 0, 0, 0};
  for (std::int32_t t = 0; t <= 6; ++t) EXPECT_EQ(GetComputerAccuracyBonus(1, t), accuracy[t]) << t;
  const std::int32_t chance[6] = {40, 50, 70, 80, 40, 100};
  const std::int32_t ecmAp[6] = {2, 2, 5, 5, 3, 5};
  for (std::int32_t e = 0; e <= 5; ++e) {
    EXPECT_EQ(GetEcmChance(1, e), chance[e]) << e;
    EXPECT_EQ(GetEcmChance(-1, e), chance[e]) << e;
    EXPECT_EQ(GetEcmApCost(1, e), ecmAp[e]) << e;
  }
}

TEST_F(EquipmentTest, NoClassOrNoItemGivesZeroValues) {
  for (std::int32_t shipClass : {0, -2, 20, INT_MIN}) {
    for (Side side : {Side::Player, Side::Enemy}) {
      EXPECT_EQ(GetGunAccuracy(shipClass, 1, side), 0) << shipClass;
      EXPECT_EQ(GetGunDamage(shipClass, 2, side), 0) << shipClass;
      EXPECT_EQ(GetGunApCost(shipClass, 1, side), 0) << shipClass;
      EXPECT_EQ(GetMissileApCost(shipClass, 10, side), 0) << shipClass;
      EXPECT_EQ(GetShipCargoCapacity(shipClass, 1, side), 0) << shipClass;
    }
    EXPECT_EQ(GetMissileDamage(shipClass, 10), 0) << shipClass;
    EXPECT_EQ(GetEngineTravelSpeed(shipClass, 1), 0) << shipClass;
    EXPECT_EQ(GetShipMaxShields(shipClass, 6, 2), 0) << shipClass;
    EXPECT_EQ(GetShipMaxCrew(shipClass, 5), 0) << shipClass;
  }
  for (std::int32_t id : {-1, 11, INT_MAX, INT_MIN}) {
    EXPECT_EQ(GetGunAccuracy(1, id, Side::Player), 0) << id;
    EXPECT_EQ(GetGunDamage(1, id, Side::Enemy), 0) << id;
    EXPECT_EQ(GetGunApCost(1, id, Side::Player), 0) << id;
    EXPECT_EQ(GetMissileDamage(1, id), 0) << id;
    EXPECT_EQ(GetMissileApCost(1, id, Side::Player), 0) << id;
    EXPECT_EQ(GetMissileEcmModifier(1, id), 0) << id;
    EXPECT_EQ(GetEngineTravelSpeed(1, id), 0) << id;
    EXPECT_EQ(GetEngineEvasionBonus(1, id), 0) << id;
    EXPECT_EQ(GetComputerAccuracyBonus(1, id), 0) << id;
    EXPECT_EQ(GetEcmChance(1, id), 0) << id;
    EXPECT_EQ(GetEcmApCost(1, id), 0) << id;
  }
}

// --- Values that depend on who owns the ship -----------------------------------------------------

TEST_F(EquipmentTest, ActiveSpecialNeedsAnActiveSlotOneToEight) {
  PlayerShip[ship::kClass] = 18;  // "Twin guns"
  EXPECT_EQ(ActiveShipSpecial(Side::Player), 0);
  ActivateSpecial(PlayerModifiers, 8);
  EXPECT_EQ(ActiveShipSpecial(Side::Player), 3);
  EXPECT_EQ(ActiveShipSpecial(Side::Enemy), 0);
  PlayerModifiers[8][modifier::kActive] = 0;  // switched off
  EXPECT_EQ(ActiveShipSpecial(Side::Player), 0);
  ActivateSpecial(PlayerModifiers, 0);  // slots 0 and 9 are outside the list
  ActivateSpecial(PlayerModifiers, 9);
  EXPECT_EQ(ActiveShipSpecial(Side::Player), 0);
  PlayerModifiers[1][modifier::kActive] = 1;  // another ability active
  PlayerModifiers[1][modifier::kAbility] = 35;
  EXPECT_EQ(ActiveShipSpecial(Side::Player), 0);
}

TEST_F(EquipmentTest, TwinGunsFireTurboLasersForTheirOwnerOnly) {
  PlayerShip[ship::kClass] = 18;  // Stonewall: "Twin guns"; hit 45, damage 150, AP 2
  ActivateSpecial(PlayerModifiers);
  struct Case {
    std::int32_t shipClass, gun;
    Side side;
    std::int32_t accuracy, damage, ap;
  };
  const Case cases[] = {
      {18, 3, Side::Player, 40, 113, 1},  // a Particle fires as a Turbo-Laser
      {18, 0, Side::Player, 40, 113, 1},
      {18, 9, Side::Player, 40, 113, 1},  // whatever gun is asked
      { 1, 3, Side::Player, 40, 9, 1},    // the player's special, the asked class's values
      {18, 3, Side::Enemy, 50, 200, 2},   // the enemy's guns stay what they are
      { 1, 3, Side::Enemy, 50, 16, 2},
      { 1, 1, Side::Enemy, 40, 9, 1},
  };
  for (const Case& c : cases) {
    const std::string at = std::to_string(c.shipClass) + "/" + std::to_string(c.gun) +
                           (c.side == Side::Player ? " player" : " enemy");
    EXPECT_EQ(GetGunAccuracy(c.shipClass, c.gun, c.side), c.accuracy) << at;
    EXPECT_EQ(GetGunDamage(c.shipClass, c.gun, c.side), c.damage) << at;
    EXPECT_EQ(GetGunApCost(c.shipClass, c.gun, c.side), c.ap) << at;
  }
  // The enemy's own special counts for the enemy's values.
  EnemyShip[ship::kClass] = 3;  // Avenger: "Twin guns"
  ActivateSpecial(EnemyModifiers);
  EXPECT_EQ(GetGunDamage(3, 3, Side::Enemy), 12);  // 16 - 16 div 4
}

TEST_F(EquipmentTest, GunVolleyAddsHalfTheDamageAndOneActionPoint) {
  PlayerShip[ship::kClass] = 8;  // Hellcat: "Gun volley"; damage 30
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
    EXPECT_EQ(GetGunAccuracy(8, c.gun, c.side), c.accuracy) << c.gun << " " << c.active;
    EXPECT_EQ(GetGunDamage(8, c.gun, c.side), c.damage) << c.gun << " " << c.active;
    EXPECT_EQ(GetGunApCost(8, c.gun, c.side), c.ap) << c.gun << " " << c.active;
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
    PlayerShip[ship::kClass] = 9;  // Patton: "Fast missile racks"
    PlayerData[player::kRank] = c.rank;
    if (c.fastRacks) ActivateSpecial(PlayerModifiers);
    const std::string at = std::to_string(c.rank) + (c.fastRacks ? " racks" : "") +
                           (c.side == Side::Player ? " player" : " enemy");
    EXPECT_EQ(GetMissileApCost(9, 0, c.side), c.arrow) << at;
    EXPECT_EQ(GetMissileApCost(9, 2, c.side), c.dummy) << at;
    EXPECT_EQ(GetMissileApCost(9, 5, c.side), c.zeus) << at;
    EXPECT_EQ(GetMissileApCost(9, 10, c.side), c.destroyer) << at;
  }
  // An enemy Patton with its own special active launches faster.
  SetUp();
  EnemyShip[ship::kClass] = 9;
  ActivateSpecial(EnemyModifiers);
  EXPECT_EQ(GetMissileApCost(9, 0, Side::Enemy), 3);
  EXPECT_EQ(GetMissileApCost(9, 0, Side::Player), 4);
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
    SkillOwned[kSkillCargoManager] = c.skill3 ? 1 : 0;
    SkillOwned[kSkillAdvancedCargoManager] = c.skill4 ? 1 : 0;
    const std::string at = "module " + std::to_string(c.module) + " engines " +
                           std::to_string(c.playerEngine) + "/" + std::to_string(c.enemyEngine) +
                           " skills " + std::to_string(c.skill3) + std::to_string(c.skill4);
    EXPECT_EQ(GetShipCargoCapacity(1, c.module, Side::Player), c.player) << at;
    EXPECT_EQ(GetShipCargoCapacity(1, c.module, Side::Enemy), c.enemy) << at;
  }
  SetUp();
  EXPECT_EQ(GetShipCargoCapacity(-1, 0, Side::Enemy), 2000);
  EXPECT_EQ(GetShipCargoCapacity(14, 1, Side::Player), 1200);
}

TEST_F(EquipmentTest, ShieldsCrewAndSpySensors) {
  struct Shields {
    std::int32_t shipClass, engine, module, shields;
  };
  const Shields shields[] = {
      {1, 0, 0, 100}, {1, 6, 0, 125}, {1, 0, 2, 125}, {1, 6, 2, 156}, {1, 5, 1, 100},
      {-1, 6, 2, 5468}, {19, 0, 0, 3000},
  };
  for (const Shields& s : shields)
    EXPECT_EQ(GetShipMaxShields(s.shipClass, s.engine, s.module), s.shields)
        << s.shipClass << " " << s.engine << " " << s.module;

  struct Crew {
    std::int32_t shipClass, module, crew;
  };
  const Crew crews[] = {{9, 0, 40}, {9, 5, 48}, {9, 4, 40}, {6, 5, 19}, {1, 5, 0}, {-1, 5, 240}};
  for (const Crew& c : crews)
    EXPECT_EQ(GetShipMaxCrew(c.shipClass, c.module), c.crew) << c.shipClass << " " << c.module;

  EXPECT_FALSE(HasSpySensors());
  EnemyShip[ship::kTargeting] = kComputerSpySensors;
  EXPECT_FALSE(HasSpySensors());
  PlayerShip[ship::kTargeting] = kComputerSpySensors;
  EXPECT_TRUE(HasSpySensors());
  PlayerShip[ship::kTargeting] = kComputerAdvancedSensors;
  EXPECT_FALSE(HasSpySensors());
}

}  // namespace
