// A whole new game world: the static world of the new-world builder, then the days the galaxy
// lives before the player arrives (123 daily turns: prices and stocks settle, news are written,
// the boards fill, special ships arrive, wars may start) and a first space find in the start
// system; last the travel screen turns to the ship and the day counter starts again at 1.
#pragma once

#include <cstdint>

#include "rules/ui.h"
#include "state/ship_classes.h"

namespace rules {

inline constexpr int kDaysBeforeStart = 123;

// Expects ClearGameState to have run and the player's profession and faction to be set;
// `startShipClass` is the class the profession screen offered (state::StartShipClass).
void CreateNewGameWorld(state::ShipClassId startShipClass, Ui& ui);

}  // namespace rules
