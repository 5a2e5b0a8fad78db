// The cheat screen.
#include "screens/career/career.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenCheatScreen() { ScreenNotBuiltYet("CheatScreen"); }

}  // namespace screens
