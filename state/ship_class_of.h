// The class of a ship, a special ship or a fleet ship, read from its row as the id it stands for.
#pragma once

#include "state/fields.h"
#include "state/row.h"
#include "state/ship_classes.h"

namespace state {

inline ShipClassId ShipClassOf(const Row<ShipFields>& row) {
  return ShipClassId{row[ship::kClass]};
}
inline ShipClassId ShipClassOf(const Row<SpecialShipFields>& row) {
  return ShipClassId{row[special_ship::kClass]};
}
inline ShipClassId ShipClassOf(const Row<FleetShipFields>& row) {
  return ShipClassId{row[fleet_ship::kClass]};
}

}  // namespace state
