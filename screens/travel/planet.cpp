#include "screens/travel/planet.h"

#include "screens/screen_ui.h"

namespace screens {

void OpenPlanetScreen() { ScreenNotBuiltYet("PlanetScreen"); }

bool PlanetScreenShowing() { return false; }

void ShowOwnShipStatus() { ScreenNotBuiltYet("ShipStatus"); }

void ShowOpponentShipStatus() { ScreenNotBuiltYet("ShipStatus"); }

}  // namespace screens
