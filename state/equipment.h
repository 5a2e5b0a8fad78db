// The equipment a ship carries: one item of each of six categories, stored as the item id in the
// ship row (ship::kGun, kMissileLauncher, kEngine, kTargeting, kEcm, kCargoModule); id 0 is the
// basic item of each category.
//
// Every getter takes the ship class and the item id. Gun names, all combat values and all prices
// scale with the class through the ship-class table. The price of an item for a class is its base
// price x 4, 32, 96, 128 or 640 for size categories 1..5 (the starbase counts as 5).
//
// An id outside its category gives an empty text and a value or price of 0; so does a class that
// is no ship class (0, or outside -1..19) for the values and prices that scale with the class.
//
// A few values depend on who owns the ship: its active special ability, its captain's military
// rank and skills, its engine. Those getters take a Side. Side::Player reads the player's ship,
// PlayerModifiers, PlayerData and SkillOwned; Side::Enemy reads the enemy's ship and
// EnemyModifiers, and the enemy has no military rank and no skills. No getter writes state.
#pragma once

#include <cstdint>
#include <string>

namespace state {

// Whose ship a value is asked for.
enum class Side { Player, Enemy };

inline constexpr std::int32_t kLastGun = 8;
inline constexpr std::int32_t kLastMissile = 10;
inline constexpr std::int32_t kLastEngine = 6;
inline constexpr std::int32_t kLastComputer = 6;
inline constexpr std::int32_t kLastEcm = 5;
inline constexpr std::int32_t kLastCargoModule = 5;

// The ship special (class attribute 17) that `side` has active in combat right now: the special
// of the side's ship class while combat ability 36 stands in an active slot 1..8 of the side's
// modifier list; 0 when none is active.
std::int32_t ActiveShipSpecial(Side side);


// --- Guns (ids 0..8) -------------------------------------------------------------------------------
// The name carries the calibre for the class's size, e.g. "Laser (15 cm)" on a corvette; a class
// without a size gets the bare name.
std::string GetGunName(std::int32_t shipClass, std::int32_t gun);
std::string GetGunImage(std::int32_t shipClass, std::int32_t gun);
std::string GetGunDescription(std::int32_t shipClass, std::int32_t gun);
std::string GetGunSpeciality(std::int32_t shipClass, std::int32_t gun);
// Hit chance in percent, damage per volley and action points per volley. While `side` has
// "Twin guns" active every gun fires as a Turbo-Laser (gun 1); "Gun volley" active adds half to
// the damage and 1 to the cost.
std::int32_t GetGunAccuracy(std::int32_t shipClass, std::int32_t gun, Side side);
std::int32_t GetGunDamage(std::int32_t shipClass, std::int32_t gun, Side side);
std::int32_t GetGunApCost(std::int32_t shipClass, std::int32_t gun, Side side);
std::int32_t GetGunPrice(std::int32_t shipClass, std::int32_t gun);

// --- Missile launchers (ids 0..10) -----------------------------------------------------------------
std::string GetMissileName(std::int32_t shipClass, std::int32_t missile);
std::string GetMissileImage(std::int32_t shipClass, std::int32_t missile);
std::string GetMissileDescription(std::int32_t shipClass, std::int32_t missile);
std::string GetMissileSpeciality(std::int32_t shipClass, std::int32_t missile);
// Damage of one missile.
std::int32_t GetMissileDamage(std::int32_t shipClass, std::int32_t missile);
// Action points of a launch, at least 2; one less for the player at military rank 7 or while
// "Fast missile racks" is active for `side` (one reduction even when both hold).
std::int32_t GetMissileApCost(std::int32_t shipClass, std::int32_t missile, Side side);
// Added to the defender's ECM chance against this missile: -5 for the X-ASM, -15 for the
// Destroyer, else 0.
std::int32_t GetMissileEcmModifier(std::int32_t shipClass, std::int32_t missile);
std::int32_t GetMissilePrice(std::int32_t shipClass, std::int32_t missile);

// --- Engines (ids 0..6) ----------------------------------------------------------------------------
std::string GetEngineName(std::int32_t shipClass, std::int32_t engine);
std::string GetEngineImage(std::int32_t shipClass, std::int32_t engine);
std::string GetEngineDescription(std::int32_t shipClass, std::int32_t engine);
std::string GetEngineSpeciality(std::int32_t shipClass, std::int32_t engine);
std::int32_t GetEngineTravelSpeed(std::int32_t shipClass, std::int32_t engine);
// Evasion bonus in percentage points (10 for the "DuziDazar M-Combat", else 0).
std::int32_t GetEngineEvasionBonus(std::int32_t shipClass, std::int32_t engine);
std::int32_t GetEnginePrice(std::int32_t shipClass, std::int32_t engine);

// --- Targeting computers (ids 0..6) ----------------------------------------------------------------
std::string GetComputerName(std::int32_t shipClass, std::int32_t computer);
std::string GetComputerImage(std::int32_t shipClass, std::int32_t computer);
std::string GetComputerDescription(std::int32_t shipClass, std::int32_t computer);
std::string GetComputerSpeciality(std::int32_t shipClass, std::int32_t computer);
// Accuracy bonus in percentage points.
std::int32_t GetComputerAccuracyBonus(std::int32_t shipClass, std::int32_t computer);
std::int32_t GetComputerPrice(std::int32_t shipClass, std::int32_t computer);

// --- ECM systems (ids 0..5) ------------------------------------------------------------------------
std::string GetEcmName(std::int32_t shipClass, std::int32_t ecm);
std::string GetEcmImage(std::int32_t shipClass, std::int32_t ecm);
std::string GetEcmDescription(std::int32_t shipClass, std::int32_t ecm);
std::string GetEcmSpeciality(std::int32_t shipClass, std::int32_t ecm);
// Chance in percent to stop a missile, at most 100.
std::int32_t GetEcmChance(std::int32_t shipClass, std::int32_t ecm);
std::int32_t GetEcmApCost(std::int32_t shipClass, std::int32_t ecm);
std::int32_t GetEcmPrice(std::int32_t shipClass, std::int32_t ecm);

// --- Cargo-bay modules (ids 0..5) ------------------------------------------------------------------
std::string GetCargoModuleName(std::int32_t shipClass, std::int32_t module);
std::string GetCargoModuleImage(std::int32_t shipClass, std::int32_t module);
std::string GetCargoModuleDescription(std::int32_t shipClass, std::int32_t module);
std::string GetCargoModuleSpeciality(std::int32_t shipClass, std::int32_t module);
std::int32_t GetCargoModulePrice(std::int32_t shipClass, std::int32_t module);

// --- Whole-ship values -----------------------------------------------------------------------------
// Cargo units the class holds with `module`: half again with cargo management (1), a third less
// with any other module (2..5); an id outside 0..5 counts as the plain bay. When the side's ship
// has the "DuziDazar XL-Trade" engine (4) it is half again whatever the module. Then, for the
// player only, "Cargo manager" (skill 3) adds a quarter, or "Advanced cargo manager" (skill 4) a
// half.
std::int32_t GetShipCargoCapacity(std::int32_t shipClass, std::int32_t module, Side side);
// Class shields, a quarter more with the "Defender "Victory"" engine (6), then a quarter more
// with the auxiliary shield unit (module 2).
std::int32_t GetShipMaxShields(std::int32_t shipClass, std::int32_t engine, std::int32_t module);
// Class crew, a fifth more with the boarding shuttle (module 5).
std::int32_t GetShipMaxCrew(std::int32_t shipClass, std::int32_t module);
// True when the player's targeting computer is the "Spy sensors" (5).
bool HasSpySensors();

}  // namespace state
