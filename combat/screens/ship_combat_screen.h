// The ship combat screen as the rules reach it: a fight against one ship is set up, then fought on
// the screen with the travel screen and the flight window hidden meanwhile.
#pragma once

#include <cstdint>

namespace screens {

// The combat set-up of a fight against one ship (enemy record, loadout, ability slots, pictures).
void SetupShipCombatOnScreen(std::int32_t enemyClass, std::int32_t enemyFaction,
                             std::int32_t enemyKind, std::int32_t enemyTier);

// Fights the prepared fight on the combat screen and returns when it is over.
void RunShipCombatOnScreen();

bool ShipCombatShowing();

}  // namespace screens
