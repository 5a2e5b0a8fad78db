// Paying for a combat action with action points, for either side.
#pragma once

#include <cstdint>

#include "combat/combat_ui.h"

namespace combat {

// The "Not enough AP!" popup.
void ShowNotEnoughAP(CombatUi& ui);

// Pays `cost` action points for `side`. The player sees "Not enough AP!" when they do not
// suffice; the enemy's step fails silently. An enemy payment sets the enemy's waiting flag and
// starts its message timer.
bool PayActionPoints(Side side, std::int32_t cost, CombatUi& ui);

}  // namespace combat
