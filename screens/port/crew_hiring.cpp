// Crew hiring.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenCrewHiring() { ScreenNotBuiltYet("CrewHiring"); }

}  // namespace screens
