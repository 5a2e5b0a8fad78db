#include "screens/travel/travel_screen.h"

#include "screens/screen_ui.h"

namespace screens {

void OpenTravelScreen() { ScreenNotBuiltYet("TravelScreen"); }

}  // namespace screens
