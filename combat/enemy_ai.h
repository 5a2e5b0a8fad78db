// The enemy's decisions: one fixed priority list of 38 steps, worked through one action at a time.
// Each action that is carried out makes the list wait for the enemy's message timer. What follows
// the list (the next round) is the turn order's, in combat/rounds.h.
#pragma once

#include "combat/combat_ui.h"

namespace combat {

// Goes on with the list from the last step tried (ship::kDecisionStep of EnemyShip) until an action
// waits for the message timer or the list has run out.
void TakeEnemyDecisions(CombatUi& ui);

}  // namespace combat
