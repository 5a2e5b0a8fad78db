#include "combat/screens/boarding_screen.h"

#include "screens/screen_ui.h"

namespace screens {

void OpenBoardingScreen(combat::CombatUi& combat) {
  (void)combat;
  ScreenNotBuiltYet("BoardingScreen");
}

}  // namespace screens
