// The loss of the player's ship: a life point buys a new chance with the ship restored where it
// was; without one the ship stays destroyed and the game is over.
#pragma once

#include "rules/ui.h"

namespace rules {

// Does nothing while the player's ship is alive. Otherwise spends a life point; while points
// remain, says so on the "New chance" popup, restores the ship with its class's base shields,
// ends a flight under way and redraws the travel screen. With none left the ship stays destroyed
// (PlayerShip[ship::kAlive] = 0) and the caller ends the game.
void HandlePlayerShipDestroyed(Ui& ui);

// After anything that may have destroyed the player's ship: HandlePlayerShipDestroyed, then, when
// the ship is still destroyed, the end of the game (the travel screen's close permission is set
// and the travel screen closes). Returns true when the game is over.
bool EndGameIfShipLost(Ui& ui);

}  // namespace rules
