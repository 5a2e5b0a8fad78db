#include "state/equipment.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

#include "state/abilities.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/id.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/variables.h"

namespace state {
namespace {

constexpr std::int32_t kLastModifierSlot = 8;

constexpr std::array<GunRow, 9> kGuns{{
    // name          calibre size 1..5                                              picture                  speciality              acc  damage                   AP  price
    {"Laser",       {"(8 cm)",  "(15 cm)", "(21 cm)", "(50 cm)", "(80 cm)"},  "Equipment_Laser",       "No speciality",         0, GunDamage::Base,         0,  3500},
    {"Turbo-Laser", {"(4 cm)",  "(8 cm)",  "(12 cm)", "(26 cm)", "(60 cm)"},  "Equipment_TurboLaser",  "Rapid fire; Overheat", -5, GunDamage::LessQuarter, -1,  5500},
    {"Fusion",      {"(10 cm)", "(20 cm)", "(24 cm)", "(80 cm)", "(105 cm)"}, "Equipment_Fusion",      "2x damage chance",     -5, GunDamage::MoreHalf,     1, 10000},
    {"Particle",    {"(8 cm)",  "(15 cm)", "(21 cm)", "(50 cm)", "(80 cm)"},  "Equipment_Particle",    "No speciality",         5, GunDamage::MoreThird,    0, 16000},
    {"Quantum",     {"(10 cm)", "(20 cm)", "(80 cm)", "(38 cm)", "(120 cm)"}, "Equipment_Quantum",     "EMP pulse (self)",      0, GunDamage::MoreHalf,     1, 30000},
    {"SuperFusion", {"(10 cm)", "(20 cm)", "(24 cm)", "(80 cm)", "(105 cm)"}, "Equipment_SuperFusion", "Shield decrease",      -5, GunDamage::MoreHalf,     1, 10000},
    {"Leech",       {"(8 cm)",  "(15 cm)", "(18 cm)", "(42 cm)", "(76 cm)"},  "Equipment_Leech",       "Energy leech",          0, GunDamage::Base,         0, 12000},
    {"Disruptor",   {"(8 cm)",  "(15 cm)", "(18 cm)", "(38 cm)", "(80 cm)"},  "Equipment_Disruptor",   "EMP pulse",            -5, GunDamage::MoreThird,    0, 16000},
    {"Gatling",     {"(4 cm)",  "(8 cm)",  "(12 cm)", "(26 cm)", "(60 cm)"},  "Equipment_Gatling",     "Rapid fire; Overheat", -5, GunDamage::LessQuarter, -1,  6000},
}};

constexpr std::array<MissileRow, 11> kMissiles{{
    // name            picture                   speciality             num den fixed  AP  ECM  price
    {"Arrow Mk. I",   "Equipment_ArrowMissile", "No speciality",         1, 1, false,  0,   0,  3000},
    {"Arrow Mk. III", "Equipment_ArrowMissile", "Early detonation",      3, 2, false,  1,   0, 10000},
    {"Arrow Dummy",   "Equipment_ArrowMissile", "No damage",             1, 5, false, -1,   0,  5000},
    {"X-ASM",         "Equipment_XASMMissile",  "More ECM resistance",   2, 1, false, -1,  -5, 15000},
    {"Arrow Mk. II",  "Equipment_ArrowMissile", "No speciality",         1, 1, false,  0,   0,  3000},
    {"Zeus Mk. I",    "Equipment_Zeus",         "No speciality",         2, 1, false,  1,   0,  5000},
    {"Zeus Mk. II",   "Equipment_Zeus",         "Doubled cool-down",     3, 1, false,  1,   0,  8000},
    {"Mine Mk. I",    "Equipment_Mine",         "Not self-propelled",    4, 1, false,  0,   0,  8000},
    {"Zeus EMP",      "Equipment_Zeus",         "EMP pulse",             1, 3, false,  1,   0,  7500},
    {"Mine Mk. II",   "Equipment_Mine2",        "Self-propelled",        4, 1, true,   2,   0, 10000},
    {"Destroyer",     "Equipment_Destroyer",    "Extreme damage",       10, 1, true,   2, -15, 20000},
}};

constexpr std::array<EngineRow, 7> kEngines{{
    // name                    picture                     speciality          speed evasion  price
    {"Traveller Mk. I",       "Equipment_Traveller",      "No speciality",        0,  0,  5000},
    {"Traveller Mk. II",      "Equipment_Traveller",      "Increased speed",    250,  0, 15000},
    {"Traveller Escape",      "Equipment_Traveller",      "Flee ability",         0,  0, 15000},
    {"DuziDazar M-Combat",    "Equipment_Hellfire",       "Combat evading",       0, 10, 15000},
    {"DuziDazar XL-Trade",    "Equipment_Hellfire",       "Cargo space",          0,  0, 15000},
    {"Defender \"Conquest\"", "Equipment_TachyonBooster", "Emergency shield",     0,  0, 15000},
    {"Defender \"Victory\"",  "Equipment_TachyonBooster", "Stronger shields",     0,  0, 20000},
}};

constexpr std::array<ComputerRow, 7> kComputers{{
    // name               picture                speciality                accuracy  price
    {"Quicklock Mk. I",  "Equipment_Quicklock", "No speciality",             0,  1000},
    {"Takedown Mk. I",   "Equipment_Takedown",  "No speciality",             5,  5000},
    {"Takedown Mk. II",  "Equipment_Takedown",  "Unstable",                 10, 10000},
    {"Price Algorithms", "Misc",                "\"Trader\" ability",        0, 10000},
    {"Advanced sensors", "Misc",                "\"Tracking\" ability",      0, 10000},
    {"Spy sensors",      "Misc",                "Spy sensors",               0, 10000},
    {"Command HQ",       "Misc",                "Increases war efforts",     0, 15000},
}};

constexpr std::array<EcmRow, 6> kEcms{{
    // name                 picture                speciality          rating AP  price
    {"Defender Mk. I",     "Equipment_Defender",  "No speciality",        30, 2,  3000},
    {"Defender Mk. II",    "Equipment_Defender",  "No speciality",        40, 2,  5000},
    {"Supersafe Mk. I",    "Equipment_Supersafe", "No speciality",        60, 5,  5000},
    {"Supersafe Mk. II",   "Equipment_Supersafe", "No speciality",        70, 5, 10000},
    {"Defender Anti-Mine", "Equipment_Defender",  "Anti mine",            30, 3, 10000},
    {"Supersafe Plasma",   "Equipment_Supersafe", "100%; Shield leak",   100, 5, 20000},
}};

constexpr std::array<CargoModuleRow, 6> kCargoModules{{
    // name                    picture                 speciality          price
    {"Cargo bay",             "Misc",                 "No speciality",     2000},
    {"Cargo management",      "Misc",                 "Cargo space",       7500},
    {"Auxiliary shield unit", "Equipment_ShieldUnit", "Stronger shields",  7500},
    {"Cloaking device",       "Equipment_Cloaking",   "Cloaking",          7500},
    {"Ship hospital",         "Equipment_Hospital",   "Saves crew",        7500},
    {"Boarding shuttle",      "Equipment_Raiding",    "Always boarding",   7500},
}};

// The rows given for an id outside its category.
constexpr GunRow kNoGun{"", {"", "", "", "", ""}, "", "", 0, GunDamage::Base, 0, 0};
constexpr MissileRow kNoMissile{"", "", "", 0, 1, false, 0, 0, 0};
constexpr EngineRow kNoEngine{"", "", "", 0, 0, 0};
constexpr ComputerRow kNoComputer{"", "", "", 0, 0};
constexpr EcmRow kNoEcm{"", "", "", 0, 0, 0};
constexpr CargoModuleRow kNoCargoModule{"", "", "", 0};

template <class Row, std::size_t N, CatalogueId Id>
const Row* Find(const std::array<Row, N>& rows, Id id) {
  const std::int32_t n = Stored(id);
  if (n < 0 || n >= static_cast<std::int32_t>(N)) return nullptr;
  return &rows[static_cast<std::size_t>(n)];
}

// Every ship class has a size category; "no ship" and unknown classes have none.
bool IsShipClass(ShipClassId shipClass) { return GetShipClassSize(shipClass) > kNoSize; }

std::int32_t PriceForClass(ShipClassId shipClass, std::int32_t basePrice) {
  constexpr std::array<std::int64_t, 6> kSizeFactor{0, 4, 32, 96, 128, 640};
  const ShipSize size = GetShipClassSize(shipClass);
  if (!IsShipSize(size)) return 0;
  const std::int64_t price = static_cast<std::int64_t>(basePrice) * kSizeFactor[Stored(size)];
  return static_cast<std::int32_t>(std::min<std::int64_t>(price, std::numeric_limits<std::int32_t>::max()));
}

const TShipRow& ShipOf(Side side) { return side == Side::Player ? PlayerShip : EnemyShip; }

// The gun that actually fires: "Twin guns" swaps any gun for the built-in turbo lasers.
const GunRow* FiringGun(GunId gun, Side side) {
  if (ActiveShipSpecial(side) == kSpecialTwinGuns) gun = kGunTurboLaser;
  return Find(kGuns, gun);
}

template <class Row, std::size_t N, CatalogueId Id>
const Row& RowOf(const std::array<Row, N>& rows, Id id, const Row& none) {
  const Row* row = Find(rows, id);
  return row != nullptr ? *row : none;
}

}  // namespace

const GunRow& GunItem(GunId gun) { return RowOf(kGuns, gun, kNoGun); }
const MissileRow& MissileItem(MissileId missile) { return RowOf(kMissiles, missile, kNoMissile); }
const EngineRow& EngineItem(EngineId engine) { return RowOf(kEngines, engine, kNoEngine); }
const ComputerRow& ComputerItem(ComputerId computer) {
  return RowOf(kComputers, computer, kNoComputer);
}
const EcmRow& EcmItem(EcmId ecm) { return RowOf(kEcms, ecm, kNoEcm); }
const CargoModuleRow& CargoModuleItem(CargoModuleId module) {
  return RowOf(kCargoModules, module, kNoCargoModule);
}

ShipSpecial ActiveShipSpecial(Side side) {
  const auto& modifiers = side == Side::Player ? PlayerModifiers : EnemyModifiers;
  for (std::int32_t slot = 1; slot <= kLastModifierSlot; ++slot) {
    if (modifiers[slot][modifier::kActive] == 1 &&
        Ability{modifiers[slot][modifier::kAbility]} == kShipSpecial)
      return GetShipClassSpecial(ShipClassOf(ShipOf(side)));
  }
  return kNoSpecial;
}

// --- Guns ----------------------------------------------------------------------------------------

std::string GetGunName(ShipClassId shipClass, GunId gun) {
  const GunRow* row = Find(kGuns, gun);
  if (row == nullptr) return "";
  const ShipSize size = GetShipClassSize(shipClass);
  if (!IsShipSize(size)) return row->name;
  return std::string(row->name) + " " + row->calibre[Stored(size) - 1];
}

std::int32_t GetGunAccuracy(ShipClassId shipClass, GunId gun, Side side) {
  const GunRow* row = FiringGun(gun, side);
  if (row == nullptr || !IsShipClass(shipClass)) return 0;
  return GetShipClassStat(shipClass, kAttrHitChance) + row->accuracy;
}

std::int32_t GetGunDamage(ShipClassId shipClass, GunId gun, Side side) {
  const GunRow* row = FiringGun(gun, side);
  if (row == nullptr || !IsShipClass(shipClass)) return 0;
  const std::int32_t d = GetShipClassStat(shipClass, kAttrGunDamage);
  std::int32_t damage = d;
  switch (row->damage) {
    case GunDamage::Base: break;
    case GunDamage::LessQuarter: damage = d - d / 4; break;
    case GunDamage::MoreHalf: damage = d + d / 2; break;
    case GunDamage::MoreThird: damage = d + d / 3; break;
  }
  if (ActiveShipSpecial(side) == kSpecialGunVolley) damage += damage / 2;
  return damage;
}

std::int32_t GetGunApCost(ShipClassId shipClass, GunId gun, Side side) {
  const GunRow* row = FiringGun(gun, side);
  if (row == nullptr || !IsShipClass(shipClass)) return 0;
  std::int32_t cost = GetShipClassStat(shipClass, kAttrGunApCost) + row->apCost;
  if (ActiveShipSpecial(side) == kSpecialGunVolley) cost += 1;
  return cost;
}

std::int32_t GetGunPrice(ShipClassId shipClass, GunId gun) {
  const GunRow* row = Find(kGuns, gun);
  return row != nullptr ? PriceForClass(shipClass, row->price) : 0;
}

// --- Missile launchers ---------------------------------------------------------------------------

std::int32_t GetMissileDamage(ShipClassId shipClass, MissileId missile) {
  const MissileRow* row = Find(kMissiles, missile);
  if (row == nullptr || !IsShipClass(shipClass)) return 0;
  const std::int64_t m = GetShipClassStat(shipClass, kAttrMissileDamage);
  const std::int64_t warhead = m * row->num / row->den;
  return static_cast<std::int32_t>(warhead - warhead / 3);
}

std::int32_t GetMissileApCost(ShipClassId shipClass, MissileId missile, Side side) {
  const MissileRow* row = Find(kMissiles, missile);
  if (row == nullptr || !IsShipClass(shipClass)) return 0;
  std::int32_t cost = row->apFixed ? row->apCost
                                   : GetShipClassStat(shipClass, kAttrMissileApCost) + row->apCost;
  const bool fastRacks = ActiveShipSpecial(side) == kSpecialFastMissileRacks;
  const bool admiral = side == Side::Player && Rank{PlayerData[player::kRank]} == kRankAdmiral;
  if (fastRacks || admiral) cost -= 1;
  return std::max(cost, 2);
}

std::int32_t GetMissilePrice(ShipClassId shipClass, MissileId missile) {
  const MissileRow* row = Find(kMissiles, missile);
  return row != nullptr ? PriceForClass(shipClass, row->price) : 0;
}

// --- Engines -------------------------------------------------------------------------------------

std::int32_t GetEngineTravelSpeed(ShipClassId shipClass, EngineId engine) {
  const EngineRow* row = Find(kEngines, engine);
  if (row == nullptr || !IsShipClass(shipClass)) return 0;
  return GetShipClassStat(shipClass, kAttrTravelSpeed) + row->speed;
}

std::int32_t GetEnginePrice(ShipClassId shipClass, EngineId engine) {
  const EngineRow* row = Find(kEngines, engine);
  return row != nullptr ? PriceForClass(shipClass, row->price) : 0;
}

// --- Targeting computers -------------------------------------------------------------------------

std::int32_t GetComputerPrice(ShipClassId shipClass, ComputerId computer) {
  const ComputerRow* row = Find(kComputers, computer);
  return row != nullptr ? PriceForClass(shipClass, row->price) : 0;
}

// --- ECM systems ---------------------------------------------------------------------------------

std::int32_t GetEcmPrice(ShipClassId shipClass, EcmId ecm) {
  const EcmRow* row = Find(kEcms, ecm);
  return row != nullptr ? PriceForClass(shipClass, row->price) : 0;
}

// --- Cargo-bay modules ---------------------------------------------------------------------------

std::int32_t GetCargoModulePrice(ShipClassId shipClass, CargoModuleId module) {
  const CargoModuleRow* row = Find(kCargoModules, module);
  return row != nullptr ? PriceForClass(shipClass, row->price) : 0;
}

// --- Whole-ship values ---------------------------------------------------------------------------

std::int32_t GetShipCargoCapacity(ShipClassId shipClass, CargoModuleId module, Side side) {
  const std::int32_t c = GetShipClassStat(shipClass, kAttrCargoSpace);
  std::int32_t capacity = c;
  if (EngineId{ShipOf(side)[ship::kEngine]} == kEngineXlTrade) {
    capacity = c + c / 2;  // the compact engine frees bay space whatever the module
  } else if (module == kModuleCargoManagement) {
    capacity = c + c / 2;
  } else if (module >= kModuleShieldUnit && module <= kLastCargoModule) {
    capacity = c - c / 3;  // the other modules take up part of the bay
  }
  if (side == Side::Player) {
    if (OwnsSkill(kSkillAdvancedCargoManager)) {
      capacity += capacity / 2;
    } else if (OwnsSkill(kSkillCargoManager)) {
      capacity += capacity / 4;
    }
  }
  return capacity;
}

std::int32_t GetShipMaxShields(ShipClassId shipClass, EngineId engine, CargoModuleId module) {
  std::int32_t shields = GetShipClassStat(shipClass, kAttrShields);
  if (engine == kEngineVictory) shields += shields / 4;
  if (module == kModuleShieldUnit) shields += shields / 4;
  return shields;
}

std::int32_t GetShipMaxCrew(ShipClassId shipClass, CargoModuleId module) {
  std::int32_t crew = GetShipClassStat(shipClass, kAttrMaxCrew);
  if (module == kModuleBoardingShuttle) crew += crew / 5;
  return crew;
}

bool HasSpySensors() { return ComputerId{PlayerShip[ship::kTargeting]} == kComputerSpySensors; }

}  // namespace state
