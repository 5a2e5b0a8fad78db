#include "state/ship_classes.h"

#include <array>
#include <cstddef>

namespace state {
namespace {

// A ship class: its names and its stats, the class attributes 1..18 in their order.
struct ShipClassRow {
  ShipClassId shipClass;
  const char* name;
  const char* picture;
  ShipSize size;                   // 1 fighter, 2 corvette, 3 destroyer/transporter,
                                   // 4 cruiser/freighter, 5 battleship
  std::int32_t hitChance;          // base hit chance in percent
  std::int32_t gunDamage;          // per volley
  std::int32_t gunApCost;          // action points of a gun volley
  std::int32_t baseShields;        // maximum shields without equipment
  std::int32_t missileDamage;
  std::int32_t missileApCost;
  std::int32_t travelSpeed;
  std::int32_t cargoSpace;         // units
  std::int32_t experience;         // destroying such a ship is worth this x 20
  std::int32_t price;              // credits
  std::int32_t minCrew;            // crew needed to fly
  std::int32_t maxCrew;
  EncounterCategory encounterCategory;  // which factions fly it as an encounter opponent, -4..6
  ShipRole role;                        // 1 military, 2 civilian
  std::int32_t group;              // 1 for formations and stations, 0 for single ships
  ShipSpecial special;             // the ship's special ability id, 0 none
  std::int32_t actionPoints;       // per combat turn
};

// Columns after the picture, in the order of the row's members: size, hit chance, gun damage, gun
// AP, base shields, missile damage, missile AP, travel speed, cargo space, experience (x 20),
// price, minimum and maximum crew, encounter category, role, group, special, AP per turn.
// clang-format off
constexpr std::array<ShipClassRow, 20> kShipClasses{{
    // class               name              picture         size             hit  gunDmg  gunAP  shields  misDmg  misAP  speed  cargo    exp     price  minCrew  maxCrew  enc                                 role            group  special                     AP
    {kStarbaseClass,       "Starbase",       "Spacestation", kSizeBattleship,  45,    180,     2,    3500,    600,     4,     0,  2000, 20000,  5000000,     100,     200,  kCategoryPowers,                    kRoleMilitary,      1,  kNoSpecial,                  5},
    {kClassStarwolf,       "Starwolf",       "Starwolf",     kSizeFighter,     45,     12,     2,     100,     40,     4,   200,    40,   100,    20000,       0,       0,  kCategoryAnyone,                    kRoleMilitary,      0,  kSpecialEvasionComputer,     5},
    {kClassStargun,        "Stargun",        "Stargun",      kSizeFighter,     45,     14,     2,     120,     60,     4,   200,    20,   150,    35000,       0,       0,  kCategoryPiratesOuterRimCoalition,  kRoleMilitary,      0,  kSpecialEnergyTransmitter,   5},
    {kClassAvenger,        "Avenger",        "Avenger",      kSizeFighter,     45,     16,     2,     140,     80,     4,   200,    20,   200,    50000,       0,       0,  kCategoryFederationOnly,            kRoleMilitary,      0,  kSpecialTwinGuns,            5},
    {kClassSabre,          "Sabre",          "Killerbee",    kSizeFighter,     45,     20,     2,     110,     40,     4,   200,    20,   200,    55000,       0,       0,  kCategorySyndicateOnly,             kRoleMilitary,      0,  kSpecialDropAllMissiles,     5},
    {kClassOrion,          "Orion",          "Orion",        kSizeFighter,     45,      8,     2,      80,     30,     4,   200,    80,   160,    20000,       0,       0,  kCategoryPowers,                    kRoleCivilian,      0,  kSpecialShieldPlus,          5},
    {kClassShadowcat,      "Shadowcat",      "Shadowcat",    kSizeCorvette,    45,     28,     2,     250,     80,     4,   200,    60,   800,   250000,       6,      16,  kCategoryAnyone,                    kRoleMilitary,      0,  kSpecialEnergyTransmitter,   5},
    {kClassPaladin,        "Paladin",        "Paladin",      kSizeCorvette,    45,     35,     2,     350,    100,     4,   200,    60,  1200,   400000,       6,      20,  kCategoryFederationOnly,            kRoleMilitary,      0,  kSpecialAecmMissiles,        5},
    {kClassHellcat,        "Hellcat",        "Hellcat",      kSizeCorvette,    45,     30,     2,     300,    100,     4,   200,    60,  1000,   320000,       6,      20,  kCategoryPowersButFederation,       kRoleMilitary,      0,  kSpecialGunVolley,           5},
    {kClassPatton,         "Patton",         "Patton",       kSizeDestroyer,   45,     60,     2,     650,    140,     4,   200,   100,  3000,  1200000,      16,      40,  kCategoryAnyone,                    kRoleMilitary,      0,  kSpecialFastMissileRacks,    5},
    {kClassShark,          "Shark",          "Shark",        kSizeDestroyer,   45,     50,     2,     550,     45,     4,   200,   150,  2200,  1000000,      12,      36,  kCategoryPiratesOuterRimSyndicate,  kRoleMilitary,      0,  kSpecialBattleDroids,        5},
    {kClassFerendar,       "Ferendar",       "Ferendar",     kSizeDestroyer,   45,     30,     2,     400,     80,     4,   200,   400,  2000,   600000,      12,      32,  kCategoryPowers,                    kRoleCivilian,      0,  kSpecialExtendedSensors,     5},
    {kClassOrionSquadron,  "Orion Squadron", "OrionSquad",   kSizeCorvette,    45,     18,     2,     300,     60,     4,   200,   240,  1000,    60000,       0,       0,  kCategoryPowers,                    kRoleCivilian,      1,  kSpecialExtendedSensors,     5},
    {kClassNeptun,         "Neptun",         "Neptun",       kSizeCruiser,     45,    100,     2,    1200,    200,     4,   200,   200,  6000,  3000000,      25,      70,  kCategoryPowers,                    kRoleMilitary,      0,  kSpecialAntiPhaseEmitter,    5},
    {kClassGalaxy,         "Galaxy",         "Galaxy",       kSizeCruiser,     45,     50,     2,     700,    140,     4,   200,   800,  4500,  2000000,      30,      80,  kCategoryPowers,                    kRoleCivilian,      0,  kSpecialExtendedSensors,     5},
    {kClassCorsair,        "Corsair",        "Corsair",      kSizeCruiser,     45,     80,     2,    1000,    200,     4,   200,   350,  6000,  2500000,      30,      80,  kCategoryPiratesCoalitionSyndicate, kRoleMilitary,      0,  kSpecialHiddenCargoBay,      5},
    {kClassMarauder,       "Marauder",       "Marauder",     kSizeBattleship,  45,    130,     2,    2000,    400,     4,   200,   350, 10000,  5000000,      40,     100,  kCategoryPowers,                    kRoleMilitary,      0,  kSpecialEnergyShifting,      5},
    {kClassGettysburg,     "Gettysburg",     "Skybreaker",   kSizeBattleship,  45,    150,     2,    2500,    400,     4,   200,   400, 12500,  6000000,      50,     125,  kCategoryFederationOnly,            kRoleMilitary,      0,  kSpecialEnergyBoost,         6},
    {kClassStonewall,      "Stonewall",      "Blackjack",    kSizeBattleship,  45,    150,     2,    1800,    500,     4,   200,   400, 12500,  6000000,      40,     110,  kCategoryPowersButFederation,       kRoleMilitary,      0,  kSpecialTwinGuns,            6},
    {kClassBattlegroup,    "Battlegroup",    "squadron",     kSizeBattleship,  45,    200,     2,    3000,    600,     4,   200,   800, 18000, 10000000,      80,     200,  kCategoryPowers,                    kRoleMilitary,      1,  kNoSpecial,                  6},
}};
// clang-format on

// Row of a class in kShipClasses: the starbase first, then classes 1..19; nullptr for no class.
const ShipClassRow* FindClass(ShipClassId shipClass) {
  if (shipClass == kStarbaseClass) return &kShipClasses[0];
  if (shipClass >= kClassStarwolf && shipClass <= kLastShipClass)
    return &kShipClasses[Stored(shipClass)];
  return nullptr;
}

constexpr bool ClassRowsInOrder() {
  if (kShipClasses[0].shipClass != kStarbaseClass) return false;
  for (std::size_t i = 1; i < kShipClasses.size(); ++i)
    if (Stored(kShipClasses[i].shipClass) != static_cast<std::int32_t>(i)) return false;
  return true;
}
static_assert(ClassRowsInOrder(), "ship class rows must run -1, 1..19");

struct ClassTexts {
  const char* description;
  const char* summary;
};

// Index 0 is the starbase, 1..19 the ship classes. The quotation marks belong to the texts.
constexpr std::array<ClassTexts, 20> kClassTexts{{
    /*  0 */ {"\"A starbase is the central defense position of every space system. It is heavily armed and can stand it´s own against any foe.\"",
              "\"A starbase is the central defense position of every space system...\""},
    /*  1 */ {"\"This is the standard spaceship for all freelance pilots. It is a cheap and sturdy fighter, with a relatively large cargo bay.\"",
              "\"This is the standard spaceship for all freelance pilots...\""},
    /*  2 */ {"\"The Stargun is the result of a joint project to modify the old Starwolf class. It´s firepower was increased at the expense of cargo space and shields.\"",
              "\"The Stargun is the result of a joint project to modify the old Starwolf class...\""},
    /*  3 */ {"\"The Avenger is the Mars Corporation´s state-of-the-art heavy fighter, with powerful engines, convincing firepower, and durable shields.\"",
              "\"The Avenger is the Mars Corporation´s state-of-the-art heavy fighter...\""},
    /*  4 */ {"\"The design of this cutting-edge Syndicate fighter is unlike anything ever before seen and possibly based on alien technology.\"",
              "\"The design of this cutting-edge Syndicate fighter is unlike anything ever before seen...\""},
    /*  5 */ {"\"The Orion II shuttle is essentially an engine and a cockpit build around a large cargo container. It is perfect for transporting goods.\"",
              "\"The Orion II shuttle is essentially an engine and a cockpit build around a large cargo container...\""},
    /*  6 */ {"\"The Shadowcat class is a corvette - a combination of a small trading ship and a fighter. Its the smallest ship known to have jump engines.\"",
              "\"The Shadowcat class is a corvette - a combination of a small trading ship and a fighter...\""},
    /*  7 */ {"\"After years of testing, the Federation finally pushed this advanced heavy corvette with supreme shields and tactical systems into production.\"",
              "\"After years of testing, the Federation finally pushed this advanced heavy corvette into production...\""},
    /*  8 */ {"\"The Hellcat - a modification of the old Shadowcat class - has tougher weapons and armor, but comes at the cost of speed.\"",
              "\"The Hellcat has tough weapons and armor, but comes at the cost of speed...\""},
    /*  9 */ {"\"The Patton is a sturdy destroyer in service for more than thirty years. A proven design that has gained a reputation throughout the galaxy.\"",
              "\"The Patton is a sturdy destroyer in service for more than thirty years...\""},
    /* 10 */ {"\"The secessionists rely on the Shark for blockade running, smuggling and fast spearhead attacks in enemy territory.\"",
              "\"The secessionists rely on the Shark for blockade running, smuggling and fast spearhead attacks...\""},
    /* 11 */ {"\"The Ferendar class is a cheap medium freighter designed for the more peaceful regions of space. Captains should avoid enemy contact.\"",
              "\"The Ferendar class is a cheap medium freighter designed for the more peaceful regions of space...\""},
    /* 12 */ {"\"A squadron of Orion II shuttles can be an alternative for local trading enterprises that can not yet afford a Ferendar freighter.\"",
              "\"A squadron of Orion II shuttles can be an alternative for local trading enterprises...\""},
    /* 13 */ {"\"The Neptun class is a large battlecruiser with impressive firepower and speed. It has served all factions valiantly for over two decades.\"",
              "\"The Neptun class is a large battlecruiser with impressive firepower and speed...\""},
    /* 14 */ {"\"The Galaxy class is the largest freighter ever build. In addition to its great capacity, it is able to defend itself should the need arise.\"",
              "\"The Galaxy class is the largest freighter ever build. It has a great capacity and defense abilities.\""},
    /* 15 */ {"\"The Corsair class is an armed combat transport for high risk operations such as blockade running or smuggling.\"",
              "\"The Corsair class is an armed combat transporter for high risk operations...\""},
    /* 16 */ {"\"Strong and trustworthy, this venerated battleship has seen the smoke and scars of countless battles.\"",
              "\"Strong and trustworthy, this venerated battleship has seen the smoke and scars of countless battles...\""},
    /* 17 */ {"\"With the most prevailing shields and the firepower to match, the Gettysburg is the most formidable ship in the Federation fleet.\"",
              "\"The Gettysburg is the most formidable ship in the Federation fleet...\""},
    /* 18 */ {"\"Named after a famous brigade in the American Civil War, this fearsome ship with it´s impressive firepower is the sole hope of the secession.\"",
              "\"It´s a fearsome ship named after a famous brigade in the American Civil War...\""},
    /* 19 */ {"\"A battlegroup is a powerful battleship escorted by several smaller warships.\"",
              "\"A battlegroup is a powerful battleship escorted by several smaller warships.\""},
}};

struct SpecialRow {
  ShipSpecial id;
  const char* name;
  const char* effect;  // shown after "If active "
};

// There is no special 6.
constexpr std::array<SpecialRow, 14> kSpecials{{
    {kSpecialEvasionComputer, "Evasion computer",
     "this ability makes you and your enemy more difficult to hit."},
    {kSpecialEnergyTransmitter, "Energy transmitter",
     "your gun damage is doubled, but your accuracy is reduced."},
    {kSpecialTwinGuns, "Twin guns",
     "you will be able to fire built-in turbo lasers instead of your standard guns."},
    {kSpecialDropAllMissiles, "Drop all missiles",
     "you will drop all missiles to increase speed and get a +1 AP bonus."},
    {kSpecialShieldPlus, "ShieldPlus device",
     "you will regenerate 5% of max. shield each turn, but cannot fire your guns."},
    {kSpecialAecmMissiles, "AECM missiles",
     "this ability makes your missiles harder to intercept, but also lowers their damage."},
    {kSpecialGunVolley, "Gun volley",
     "you will need +1 AP for firing guns, but the gun damage is increased by 50%."},
    {kSpecialFastMissileRacks, "Fast missile racks",
     "you will need -1 AP for firing a missile, but the missile damage is decreased."},
    {kSpecialBattleDroids, "Battle droids",
     "this ability will add two battle droids to your boarding crew."},
    {kSpecialExtendedSensors, "Extended sensors",
     "this ability decreases the chance of hostile encounters during travelling."},
    {kSpecialAntiPhaseEmitter, "Anti-phase emitter",
     "this ability removes you for one turn from this dimensional realm avoiding any damage."},
    {kSpecialHiddenCargoBay, "Hidden cargo bay",
     "this ability reduces the chance of being caught smuggling contraband."},
    {kSpecialEnergyShifting, "Energy shifting",
     "this ability gives you +2 AP every turn, but decreases your shields."},
    {kSpecialEnergyBoost, "Energy boost",
     "this ability decreases your AP by 2, but regenerates your shields every turn."},
}};

const SpecialRow* FindSpecial(ShipSpecial special) {
  for (const SpecialRow& row : kSpecials)
    if (row.id == special) return &row;
  return nullptr;
}

// Index 0 is the starbase; class -1 names it as well, so a caller may pass any ship class.
const ClassTexts* FindClassTexts(ShipClassId index) {
  if (index == kStarbaseClass) return &kClassTexts[0];
  if (index >= kNoShipClass && index <= kLastShipClass) return &kClassTexts[Stored(index)];
  return nullptr;
}

// Livery prefixes of the pirates (0) and factions 1..4.
constexpr std::array<const char*, 5> kLiveryPrefix{
    "Pirate_", "Federation_", "Outerrim_", "Coalition_", "Syndicate_"};

}  // namespace

std::int32_t GetShipClassStat(ShipClassId shipClass, ShipClassAttribute attribute) {
  const ShipClassRow* row = FindClass(shipClass);
  if (row == nullptr) return 0;
  switch (attribute) {
    case kAttrSize: return Stored(row->size);
    case kAttrHitChance: return row->hitChance;
    case kAttrGunDamage: return row->gunDamage;
    case kAttrGunApCost: return row->gunApCost;
    case kAttrShields: return row->baseShields;
    case kAttrMissileDamage: return row->missileDamage;
    case kAttrMissileApCost: return row->missileApCost;
    case kAttrTravelSpeed: return row->travelSpeed;
    case kAttrCargoSpace: return row->cargoSpace;
    case kAttrExperience: return row->experience;
    case kAttrPrice: return row->price;
    case kAttrMinCrew: return row->minCrew;
    case kAttrMaxCrew: return row->maxCrew;
    case kAttrEncounterCategory: return Stored(row->encounterCategory);
    case kAttrRole: return Stored(row->role);
    case kAttrGroup: return row->group;
    case kAttrSpecial: return Stored(row->special);
    case kAttrActionPoints: return row->actionPoints;
  }
  return 0;  // no attribute
}

ShipSize GetShipClassSize(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->size : kNoSize;
}

EncounterCategory GetShipClassEncounterCategory(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->encounterCategory : kCategoryUnset;
}

ShipRole GetShipClassRole(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->role : ShipRole{0};
}

ShipSpecial GetShipClassSpecial(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->special : kNoSpecial;
}

std::int32_t GetShipClassBaseShields(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->baseShields : 0;
}

std::int32_t GetShipClassExperience(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->experience * 20 : 0;
}

std::string GetShipClassName(ShipClassId shipClass) {
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->name : "";
}

std::string GetShipClassImage(ShipClassId shipClass) {
  if (shipClass == kNoShipClass) return "NotAvailable";
  const ShipClassRow* row = FindClass(shipClass);
  return row != nullptr ? row->picture : "";
}

std::string GetShipFactionImage(ShipClassId shipClass, Faction faction) {
  // "No ship" keeps its plain picture, and a value that is no class has no picture to dress.
  if (FindClass(shipClass) == nullptr) return GetShipClassImage(shipClass);
  std::string picture;
  const std::int32_t livery = Stored(faction);
  if (livery >= 0 && livery < static_cast<std::int32_t>(kLiveryPrefix.size()))
    picture = kLiveryPrefix[livery];
  return picture + GetShipClassImage(shipClass);
}

std::string GetShipClassDescription(ShipClassId index, std::string_view otherwise) {
  const ClassTexts* texts = FindClassTexts(index);
  return texts != nullptr ? std::string(texts->description) : std::string(otherwise);
}

std::string GetShipClassSummary(ShipClassId index, std::string_view otherwise) {
  const ClassTexts* texts = FindClassTexts(index);
  return texts != nullptr ? std::string(texts->summary) : std::string(otherwise);
}

std::string GetShipSpecialName(ShipSpecial special, std::string_view otherwise) {
  const SpecialRow* row = FindSpecial(special);
  return row != nullptr ? std::string(row->name) : std::string(otherwise);
}

std::string GetShipSpecialEffect(ShipSpecial special, std::string_view otherwise) {
  const SpecialRow* row = FindSpecial(special);
  return row != nullptr ? std::string(row->effect) : std::string(otherwise);
}

}  // namespace state
