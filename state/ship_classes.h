// The ship classes: every hull a captain can fly, buy, meet or fight, with its stats, names,
// pictures, descriptions and the special ability built into it. Pure getters over constant tables;
// none of them reads or writes the game state.
//
// A class (ShipClassId) is stored as a small integer: -1 is the starbase (the defence station of a
// system), 1..19 are ships, 0 stands for no ship. Any other value is no class: its stats are 0 and
// its texts empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "state/factions.h"

#include "state/id.h"

namespace state {

// The classes by name, as the rules and the developer controls single some out.
enum class ShipClassId : std::int32_t {
  kStarbaseClass = -1,
  kNoShipClass = 0,
  kClassStarwolf = 1,
  kClassStargun = 2,
  kClassAvenger = 3,
  kClassSabre = 4,
  kClassOrion = 5,
  kClassShadowcat = 6,
  kClassPaladin = 7,
  kClassHellcat = 8,
  kClassPatton = 9,
  kClassShark = 10,
  kClassFerendar = 11,
  kClassOrionSquadron = 12,
  kClassNeptun = 13,
  kClassGalaxy = 14,
  kClassCorsair = 15,
  kClassMarauder = 16,
  kClassGettysburg = 17,
  kClassStonewall = 18,
  kClassBattlegroup = 19,
  kLastShipClass = kClassBattlegroup,
};
using enum ShipClassId;

// The ship classes a captain can fly or meet, kClassStarwolf..kLastShipClass in their order.
inline constexpr std::array<ShipClassId, 19> kEveryShipClass{
    kClassStarwolf,  kClassStargun,       kClassAvenger,   kClassSabre,      kClassOrion,
    kClassShadowcat, kClassPaladin,       kClassHellcat,   kClassPatton,     kClassShark,
    kClassFerendar,  kClassOrionSquadron, kClassNeptun,    kClassGalaxy,     kClassCorsair,
    kClassMarauder,  kClassGettysburg,    kClassStonewall, kClassBattlegroup};

// The size categories of the classes (attribute kAttrSize); a role-2 (civilian) class of size 3
// is a transporter, of size 4 a freighter. The starbase counts as a battleship. No class has no
// size.
enum class ShipSize : std::int32_t {
  kNoSize = 0,
  kSizeFighter = 1,
  kSizeCorvette = 2,
  kSizeDestroyer = 3,
  kSizeCruiser = 4,
  kSizeBattleship = 5,
};
using enum ShipSize;
// A size category of a class, fighter..battleship.
constexpr bool IsShipSize(ShipSize size) { return size >= kSizeFighter && size <= kSizeBattleship; }

// The roles of the classes (attribute kAttrRole).
enum class ShipRole : std::int32_t {
  kRoleMilitary = 1,
  kRoleCivilian = 2,
};
using enum ShipRole;

// Which factions fly a class as an encounter opponent (attribute kAttrEncounterCategory). A
// category -f (-1..-4) is faction f's alone.
enum class EncounterCategory : std::int32_t {
  kCategorySyndicateOnly = -4,
  kCategoryCoalitionOnly = -3,
  kCategoryOuterRimOnly = -2,
  kCategoryFederationOnly = -1,
  kCategoryUnset = 0,                     // anyone, as kCategoryAnyone
  kCategoryAnyone = 1,
  kCategoryPowersButFederation = 2,       // the Outer Rim, the Coalition, the Syndicate
  kCategoryPiratesOuterRimCoalition = 3,
  kCategoryPowers = 4,                    // the four powers
  kCategoryPiratesCoalitionSyndicate = 5,
  kCategoryPiratesOuterRimSyndicate = 6,
};
using enum EncounterCategory;

// The attributes of GetShipClassStat, numbered as the rules address them.
// clang-format off
enum class ShipClassAttribute : std::int32_t {
  kAttrSize = 1,          // 1 fighter, 2 corvette, 3 destroyer/transporter, 4 cruiser/freighter, 5 battleship
  kAttrHitChance = 2,     // base hit chance in percent
  kAttrGunDamage = 3,     // gun damage per volley
  kAttrGunApCost = 4,     // action points of a gun volley
  kAttrShields = 5,       // maximum shields without equipment
  kAttrMissileDamage = 6,
  kAttrMissileApCost = 7,
  kAttrTravelSpeed = 8,
  kAttrCargoSpace = 9,    // units
  kAttrExperience = 10,   // destroying such a ship is worth this x 20
  kAttrPrice = 11,        // credits
  kAttrMinCrew = 12,      // crew needed to fly
  kAttrMaxCrew = 13,
  kAttrEncounterCategory = 14,  // EncounterCategory: which factions fly it as an opponent, -4..6
  kAttrRole = 15,         // ShipRole: 1 military, 2 civilian
  kAttrGroup = 16,        // 1 for formations and stations, 0 for single ships
  kAttrSpecial = 17,      // the ship's special ability id, 0 none
  kAttrActionPoints = 18, // action points per combat turn
  kLastShipClassAttribute = kAttrActionPoints,
};
// clang-format on
using enum ShipClassAttribute;

// The special abilities built into ship classes (attribute 17).
enum class ShipSpecial : std::int32_t {
  kNoSpecial = 0,
  kSpecialEvasionComputer = 1,
  kSpecialEnergyTransmitter = 2,
  kSpecialTwinGuns = 3,
  kSpecialDropAllMissiles = 4,
  kSpecialShieldPlus = 5,
  kSpecialAecmMissiles = 7,
  kSpecialGunVolley = 8,
  kSpecialFastMissileRacks = 9,
  kSpecialBattleDroids = 10,
  kSpecialExtendedSensors = 11,
  kSpecialAntiPhaseEmitter = 12,
  kSpecialHiddenCargoBay = 13,
  kSpecialEnergyShifting = 14,
  kSpecialEnergyBoost = 15,
};
using enum ShipSpecial;

// The value of attribute 1..18 of a class; 0 for any other class or attribute.
std::int32_t GetShipClassStat(ShipClassId shipClass, ShipClassAttribute attribute);

// The attributes that are ids of their own, typed; kNoSize, kNoSpecial ... (0) for no class.
ShipSize GetShipClassSize(ShipClassId shipClass);                        // attribute 1
EncounterCategory GetShipClassEncounterCategory(ShipClassId shipClass);  // attribute 14
ShipRole GetShipClassRole(ShipClassId shipClass);                        // attribute 15
ShipSpecial GetShipClassSpecial(ShipClassId shipClass);                  // attribute 17
// The class's own shields (attribute 5), without the bonus of an engine or a module: what a new
// or repaired ship starts with and the full bar of the shield gauges. The most a fitted ship's
// shields reach is GetShipMaxShields (state/equipment.h).
std::int32_t GetShipClassBaseShields(ShipClassId shipClass);
std::int32_t GetShipClassExperience(ShipClassId shipClass);  // attribute 10 x 20

// "Starbase", "Starwolf" ...; empty for class 0 and for no class.
std::string GetShipClassName(ShipClassId shipClass);

// The picture base name ("Spacestation", "Killerbee" ...); class 0 gives "NotAvailable", no class
// gives an empty text. Screens add their own suffix and ".jpg".
std::string GetShipClassImage(ShipClassId shipClass);

// The picture base name with the livery prefix of faction 0..4 ("Pirate_", "Federation_",
// "Outerrim_", "Coalition_", "Syndicate_"; another faction value gets none). Class 0 gives
// "NotAvailable" without prefix; no class gives an empty text.
std::string GetShipFactionImage(ShipClassId shipClass, Faction faction);

// The long description and its shortened form, each with a double quote at both ends as the ship
// screens show them. Index 0 and class -1 give the starbase, 1..19 the ship classes; any other
// index gives back `otherwise`, so a caller that passes its current text keeps it as it was.
std::string GetShipClassDescription(ShipClassId index, std::string_view otherwise = {});
std::string GetShipClassSummary(ShipClassId index, std::string_view otherwise = {});

// The name of a ship special (1..15 except 6) and the clause the ship screens show after
// "If active "; any other id gives back `otherwise`.
std::string GetShipSpecialName(ShipSpecial special, std::string_view otherwise = {});
std::string GetShipSpecialEffect(ShipSpecial special, std::string_view otherwise = {});

}  // namespace state
