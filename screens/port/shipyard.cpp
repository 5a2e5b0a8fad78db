// The shipyard.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenShipyard() { ScreenNotBuiltYet("Shipyard"); }

}  // namespace screens
