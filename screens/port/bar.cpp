// The spaceport bar and the pirate hideout.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenBar() { ScreenNotBuiltYet("Bar"); }

void OpenPirateHideout() { ScreenNotBuiltYet("PirateHideout"); }

bool PirateHideoutShowing() { return false; }

}  // namespace screens
