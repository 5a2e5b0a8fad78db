// A new game's world: the player's start values, the start ship and its place, the factions, the
// 24 star systems with their bodies, the goods and the first markets.
//
// A new world comes in three steps. BuildNewWorld fills the tables that ClearGameState emptied.
// Then the world runs for a while before the player arrives (the daily turns and the first space
// find); those belong to the rules, which hand them to CreateNewGameWorld as its lead-in. Last,
// FinishNewWorld turns the travel screen to the ship and sets the day counter back to 1.
#pragma once

#include <cstdint>
#include <functional>

#include "state/ship_classes.h"

namespace state {

// Fills the cleared tables with a fresh world, before any day has run. Reads the player's
// profession and faction; `startShipClass` is the class the profession screen offered. Draws no
// random numbers.
void BuildNewWorld(ShipClassId startShipClass);

// The last step of a new world: DisplayedSystem and SelectedBody from the ship's place, GameDay 1.
void FinishNewWorld();

// BuildNewWorld, then `leadIn` (the days the world runs before the player starts; may be empty),
// then FinishNewWorld.
void CreateNewGameWorld(ShipClassId startShipClass, const std::function<void()>& leadIn);

}  // namespace state
