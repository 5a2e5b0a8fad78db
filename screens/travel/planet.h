// The planet screen, the door to a port's services, and the ship status sheet of the player's ship
// or of the opponent.
#pragma once

namespace screens {

// Shows the planet screen of the body the ship is at, modally; "Back to space" closes it.
void OpenPlanetScreen();
bool PlanetScreenShowing();

// The ship status sheet, modally: of the player's ship, or of the ship in EnemyShip.
void ShowOwnShipStatus();
void ShowOpponentShipStatus();

}  // namespace screens
