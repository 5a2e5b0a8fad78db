// The rules' side of the combat screen's redraws: the few that change the game state before the
// screen draws it.
#pragma once

#include "combat/combat_ui.h"

namespace combat {

inline constexpr int kMaxActionPoints = 8;

// Caps the player's action points at 8 (the value is kept), then redraws the bar.
void ShowActionPointBar(CombatUi& ui);

}  // namespace combat
