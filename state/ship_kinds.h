// The kinds of ship the player meets, by name: a special ship's kind (special_ship::kKind) and
// the enemy's kind in a ship fight (ship::kEnemyKind), which decides the enemy's crew and
// abilities; and what sets a special ship apart from the common ones of its kind
// (special_ship::kSubKind). Like the field names (state/fields.h), the ids sit at the top level,
// next to `state`, so that every layer writes them short.
#pragma once

#include <cstdint>

enum class ShipKind : std::int32_t {
  kTraderShip = 1,
  kMilitaryShip = 2,
  kPirateShip = 3,
};
using enum ShipKind;

enum class SpecialShipSubKind : std::int32_t {
  kSubKindCommon = 1,
  kSubKindVip = 2,               // a trader's or a military VIP aboard, worth a ransom
  kSubKindWantedPirate = 2,      // a pirate with a name and a price on his head
  kSubKindValuableCargo = 3,     // a trader
  kSubKindImportantMission = 3,  // a military ship whose loss sets its side back in the war
  kSubKindTreasureFleet = 4,     // a trader
  kSubKindMilitarySupplies = 5,  // a trader carrying supplies for a campaign
};
using enum SpecialShipSubKind;
