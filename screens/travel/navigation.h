// The galaxy map and the ship sensors, opened from the travel screen.
#pragma once

namespace screens {

// Shows the galaxy map modally, the player's system marked.
void OpenGalaxyMap();
bool GalaxyMapShowing();

// Shows the ship sensors modally when a special ship is in range.
void OpenSensors();
bool SensorsShowing();
// The row of SpecialShips selected on the sensors (0 = none).
int SensorSelection();

}  // namespace screens
