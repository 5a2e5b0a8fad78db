#include "combat/display.h"

#include "state/fields.h"
#include "state/variables.h"

namespace combat {

void ShowActionPointBar(CombatUi& ui) {
  if (state::PlayerShip[ship::kActionPoints] > kMaxActionPoints)
    state::PlayerShip[ship::kActionPoints] = kMaxActionPoints;
  ui.Refresh(Display::ActionPointBar);
}

}  // namespace combat
