// The galaxy map.
#include "screens/screen_ui.h"
#include "screens/travel/navigation.h"

namespace screens {

void OpenGalaxyMap() { ScreenNotBuiltYet("GalaxyMap"); }

bool GalaxyMapShowing() { return false; }

}  // namespace screens
