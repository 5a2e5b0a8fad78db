#include "combat/screens/ship_combat_screen.h"

#include "rules/ui.h"
#include "screens/screen_ui.h"

namespace screens {

// Writes the enemy record's identity, which the rules read right after, without a combat screen.
void SetupShipCombatOnScreen(std::int32_t enemyClass, std::int32_t enemyFaction,
                             std::int32_t enemyKind, std::int32_t enemyTier) {
  (void)enemyTier;
  ScreenNotBuiltYet("SetupShipCombat");
  rules::Ui::WriteEnemyIdentity(enemyClass, enemyFaction, enemyKind);
}

void RunShipCombatOnScreen() { ScreenNotBuiltYet("RunShipCombat"); }

bool ShipCombatShowing() { return false; }

}  // namespace screens
