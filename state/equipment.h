// The equipment a ship carries: one item of each of six categories, stored as the item id in the
// ship row (ship::kGun, kMissileLauncher, kEngine, kTargeting, kEcm, kCargoModule); id 0 is the
// basic item of each category.
//
// Each category is a catalogue of typed rows (GunRow, MissileRow, ...), reached by item id through
// GunItem, MissileItem, ...: what an item is whatever ship carries it. The values that scale with
// the ship class (gun names, the combat values built on the class's, all prices) are the getters
// that take the class. The price of an item for a class is its base price x 4, 32, 96, 128 or 640
// for size categories 1..5 (the starbase counts as 5).
//
// An id outside its category gives the empty row (empty texts, values 0), and an empty text and a
// value or price of 0 from the getters; so does a class that is no ship class (0, or outside
// -1..19) for the values and prices that scale with the class.
//
// A few values depend on who owns the ship: its active special ability, its captain's military
// rank and skills, its engine. Those getters take a Side. Side::Player reads the player's ship,
// PlayerModifiers, PlayerData and SkillOwned; Side::Enemy reads the enemy's ship and
// EnemyModifiers, and the enemy has no military rank and no skills. No getter writes state.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/equipment_ids.h"
#include "state/ship_classes.h"
namespace state {

// Whose ship a value is asked for.
enum class Side { Player, Enemy };

inline constexpr GunId kLastGun = kGunGatling;
inline constexpr MissileId kLastMissile = kMissileDestroyer;
inline constexpr EngineId kLastEngine = kEngineVictory;
inline constexpr ComputerId kLastComputer = kComputerCommandHq;
inline constexpr EcmId kLastEcm = kEcmPlasma;
inline constexpr CargoModuleId kLastCargoModule = kModuleBoardingShuttle;

// The ship special (class attribute 17) that `side` has active in combat right now: the special
// of the side's ship class while combat ability 36 stands in an active slot 1..8 of the side's
// modifier list; kNoSpecial when none is active.
ShipSpecial ActiveShipSpecial(Side side);

// --- The catalogue rows --------------------------------------------------------------------------

// How a gun changes the class's damage D.
enum class GunDamage { Base, LessQuarter, MoreHalf, MoreThird };

struct GunRow {
  const char* name;                    // bare: GetGunName adds the calibre of the class
  std::array<const char*, 5> calibre;  // by size category 1..5
  const char* picture;
  const char* speciality;
  std::int32_t accuracy;  // added to the class's hit chance
  GunDamage damage;
  std::int32_t apCost;    // added to the class's gun cost
  std::int32_t price;     // base price, as every row's
};

// Warhead X = M x num / den of the class's missile damage M; a missile deals X - X div 3. The
// launch costs the class's missile cost plus `apCost`, or exactly `apCost` when `apFixed`.
struct MissileRow {
  const char* name;
  const char* picture;
  const char* speciality;
  std::int32_t num, den;
  bool apFixed;
  std::int32_t apCost;
  std::int32_t ecmModifier;
  std::int32_t price;
};

struct EngineRow {
  const char* name;
  const char* picture;
  const char* speciality;
  std::int32_t speed;    // added to the class's travel speed
  std::int32_t evasion;  // percentage points
  std::int32_t price;
};

struct ComputerRow {
  const char* name;
  const char* picture;
  const char* speciality;
  std::int32_t accuracy;  // percentage points
  std::int32_t price;
};

struct EcmRow {
  const char* name;
  const char* picture;
  const char* speciality;
  std::int32_t rating;  // percent
  std::int32_t apCost;
  std::int32_t price;

  // Chance in percent to stop a missile: 10 points more than the rating, never more than always;
  // the empty row stops nothing.
  std::int32_t Chance() const {
    if (rating <= 0) return 0;
    return rating + 10 < 100 ? rating + 10 : 100;
  }
};

struct CargoModuleRow {
  const char* name;
  const char* picture;
  const char* speciality;
  std::int32_t price;
};

// The row of an item id; the empty row for an id outside the category.
const GunRow& GunItem(GunId gun);
const MissileRow& MissileItem(MissileId missile);
const EngineRow& EngineItem(EngineId engine);
const ComputerRow& ComputerItem(ComputerId computer);
const EcmRow& EcmItem(EcmId ecm);
const CargoModuleRow& CargoModuleItem(CargoModuleId module);

// The long description the equipment shop shows; empty for an id outside the category.
std::string GetGunDescription(GunId gun);
std::string GetMissileDescription(MissileId missile);
std::string GetEngineDescription(EngineId engine);
std::string GetComputerDescription(ComputerId computer);
std::string GetEcmDescription(EcmId ecm);
std::string GetCargoModuleDescription(CargoModuleId module);

// --- Guns (ids 0..8) -------------------------------------------------------------------------------
// The name carries the calibre for the class's size, e.g. "Laser (15 cm)" on a corvette; a class
// without a size gets the bare name.
std::string GetGunName(ShipClassId shipClass, GunId gun);
// Hit chance in percent, damage per volley and action points per volley. While `side` has
// "Twin guns" active every gun fires as a Turbo-Laser (gun 1); "Gun volley" active adds half to
// the damage and 1 to the cost.
std::int32_t GetGunAccuracy(ShipClassId shipClass, GunId gun, Side side);
std::int32_t GetGunDamage(ShipClassId shipClass, GunId gun, Side side);
std::int32_t GetGunApCost(ShipClassId shipClass, GunId gun, Side side);
std::int32_t GetGunPrice(ShipClassId shipClass, GunId gun);

// --- Missile launchers (ids 0..10) -----------------------------------------------------------------
// Damage of one missile.
std::int32_t GetMissileDamage(ShipClassId shipClass, MissileId missile);
// Action points of a launch, at least 2; one less for the player at military rank 7 or while
// "Fast missile racks" is active for `side` (one reduction even when both hold).
std::int32_t GetMissileApCost(ShipClassId shipClass, MissileId missile, Side side);
std::int32_t GetMissilePrice(ShipClassId shipClass, MissileId missile);

// --- Engines (ids 0..6) ----------------------------------------------------------------------------
std::int32_t GetEngineTravelSpeed(ShipClassId shipClass, EngineId engine);
std::int32_t GetEnginePrice(ShipClassId shipClass, EngineId engine);

std::int32_t GetComputerPrice(ShipClassId shipClass, ComputerId computer);

std::int32_t GetEcmPrice(ShipClassId shipClass, EcmId ecm);

// --- Cargo-bay modules (ids 0..5) ------------------------------------------------------------------
std::int32_t GetCargoModulePrice(ShipClassId shipClass, CargoModuleId module);

// --- Whole-ship values -----------------------------------------------------------------------------
// Cargo units the class holds with `module`: half again with cargo management (1), a third less
// with any other module (2..5); an id outside 0..5 counts as the plain bay. When the side's ship
// has the "DuziDazar XL-Trade" engine (4) it is half again whatever the module. Then, for the
// player only, "Cargo manager" (skill 3) adds a quarter, or "Advanced cargo manager" (skill 4) a
// half.
std::int32_t GetShipCargoCapacity(ShipClassId shipClass, CargoModuleId module, Side side);
// The most a ship's shields reach: the class's own shields (GetShipClassBaseShields), a quarter
// more with the "Defender "Victory"" engine (6), then a quarter more with the auxiliary shield
// unit (module 2). Recharges fill up to it.
std::int32_t GetShipMaxShields(ShipClassId shipClass, EngineId engine, CargoModuleId module);
// Class crew, a fifth more with the boarding shuttle (module 5).
std::int32_t GetShipMaxCrew(ShipClassId shipClass, CargoModuleId module);
// True when the player's targeting computer is the "Spy sensors" (5).
bool HasSpySensors();

}  // namespace state
