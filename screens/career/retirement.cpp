// The retirement sequence.
#include "screens/career/career.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenRetirementSequence() { ScreenNotBuiltYet("Retirement"); }

}  // namespace screens
