// The enemy's decisions: one fixed priority list of 38 steps, worked through one action at a time.
// Each action that is carried out makes the list wait for the enemy's message timer; when the list
// has run out without an action waiting, the next round starts.
#pragma once

#include "combat/combat_ui.h"

namespace combat {

inline constexpr int kEnemyDecisionSteps = 38;

// Goes on with the list from the last step tried (ship::kDecisionStep of EnemyShip).
void RunEnemyCombatAI(CombatUi& ui);

// The enemy message timer's tick: when an enemy action was waiting (ship::kAwaitingMessage of
// EnemyShip), clears the flag and lets the enemy take its next step. The combat screen's timer
// calls it; headless, a driver calls it while the flag is set.
void EnemyMessageTimerTick(CombatUi& ui);

}  // namespace combat
