// The personal status screen.
#include "screens/career/career.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenPersonalStatus() { ScreenNotBuiltYet("PersonalStatus"); }

}  // namespace screens
