// The campaign screen.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenCampaignScreen() { ScreenNotBuiltYet("CampaignScreen"); }

}  // namespace screens
