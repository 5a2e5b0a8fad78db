#include "screens/travel/navigation.h"

#include "screens/screen_ui.h"

namespace screens {

void OpenGalaxyMap() { ScreenNotBuiltYet("GalaxyMap"); }

bool GalaxyMapShowing() { return false; }

void OpenSensors() { ScreenNotBuiltYet("Sensors"); }

bool SensorsShowing() { return false; }

int SensorSelection() { return 0; }

}  // namespace screens
