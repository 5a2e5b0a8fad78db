// The governor.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenGovernor() { ScreenNotBuiltYet("Governor"); }

}  // namespace screens
