// The mission board.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenMissionBoard() { ScreenNotBuiltYet("MissionBoard"); }

}  // namespace screens
