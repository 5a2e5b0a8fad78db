#include "screens/travel/flight.h"

#include "screens/screen_ui.h"

namespace screens {

void FlyToLocation(int body, int system) {
  (void)body, (void)system;
  ScreenNotBuiltYet("FlyToLocation");
}

void FlyToSpaceFind(int find, int system) {
  (void)find, (void)system;
  ScreenNotBuiltYet("FlyToSpaceFind");
}

void DockOrJump() { ScreenNotBuiltYet("DockOrJump"); }

void StopFlight() { ScreenNotBuiltYet("StopFlight"); }

bool FlightShowing() { return false; }

}  // namespace screens
