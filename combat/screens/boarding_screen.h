// The crew combat screen, opened by the ship combat screen when a boarding offer is accepted.
#pragma once

#include "combat/combat_ui.h"

namespace screens {

// Shows the crew combat screen modally; the rules have prepared the defenders and the areas.
// Popups and questions of the boarding go through `combat`, the ship combat screen's CombatUi.
void OpenBoardingScreen(combat::CombatUi& combat);

}  // namespace screens
