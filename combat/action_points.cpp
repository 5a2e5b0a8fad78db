#include "combat/action_points.h"

#include "combat/sides.h"
#include "state/fields.h"
#include "state/variables.h"

namespace combat {

void ShowNotEnoughAP(CombatUi& ui) {
  ui.ShowPopup(CombatPopup::Text, "Not enough AP!",
               "In this game every combat action uses up action-points (AP). For this action you "
               "do not have enough AP left. Your AP is displayed as a row of lights at the left "
               "top of the screen below your shields.");
}

bool PayActionPoints(Side side, std::int32_t cost, CombatUi& ui) {
  auto& ship = Ship(side);
  if (cost > ship[ship::kActionPoints]) {
    if (side == Side::Player) ShowNotEnoughAP(ui);
    return false;
  }
  ship[ship::kActionPoints] -= cost;
  if (side == Side::Enemy) {
    ship[ship::kAwaitingMessage] = 1;
    ui.StartEnemyMessageTimer();
  }
  return true;
}

}  // namespace combat
