#include "combat/screens/fleet_battle_screen.h"

#include "screens/screen_ui.h"

namespace screens {

// Without a battle no fleet is destroyed.
bool RunFleetBattleOnScreen(std::int32_t enemyFaction, std::int32_t fleetKind) {
  (void)enemyFaction, (void)fleetKind;
  ScreenNotBuiltYet("RunFleetBattle");
  return false;
}

}  // namespace screens
