// The ship sensors.
#include "screens/screen_ui.h"
#include "screens/travel/navigation.h"

namespace screens {

void OpenSensors() { ScreenNotBuiltYet("Sensors"); }

bool SensorsShowing() { return false; }

int SensorSelection() { return 0; }

}  // namespace screens
