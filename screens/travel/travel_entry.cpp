#include "screens/travel/travel_entry.h"

#include "screens/screen_ui.h"

namespace screens {

// The travel screen is not built yet: the call reports it and returns at once.
void OpenTravelScreen() { ScreenNotBuiltYet("TravelScreen"); }

}  // namespace screens
