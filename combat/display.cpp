#include "combat/display.h"

#include "state/variables.h"

namespace combat {

void ShowActionPointBar(CombatUi& ui) {
  if (state::PlayerShip[3] > kMaxActionPoints) state::PlayerShip[3] = kMaxActionPoints;
  ui.Refresh(Display::ActionPointBar);
}

}  // namespace combat
