// The bank: loans, investments and war bonds.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenBank() { ScreenNotBuiltYet("Bank"); }

}  // namespace screens
