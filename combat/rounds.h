// The order of a fight's turns: the player's actions and the end of the player's turn, which
// hands the turn to the enemy's decision list; the enemy's message timer, which takes the list on;
// and the start of a new round, which gives the player fresh action points and applies everything
// that happens between rounds.
#pragma once

#include <cstdint>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

// The player uses the ability in button `slot` 1..12. Ignored while the enemy has the turn;
// refused with a popup while the enemy's EMP holds the player.
void UseAbilitySlot(int slot, CombatUi& ui);

// Carries out ability `id` for the player, then redraws the action-point bar, checks the end of
// the fight and, with AutoEndTurn, ends a turn that has no action points left.
void ResolvePlayerCombatAction(state::Ability id, CombatUi& ui);

// Ends the player's turn (action points -100) and starts the enemy's.
void EndPlayerTurn(CombatUi& ui);

// Goes on with the enemy's decision list; when it has run out without an action waiting, and no
// escape has closed the screen, the next round starts.
void RunEnemyCombatAI(CombatUi& ui);

// The enemy message timer's tick: when an enemy action was waiting (ship::kAwaitingMessage of
// EnemyShip), clears the flag and lets the enemy take its next step. The combat screen's timer
// calls it; headless, a driver calls it while the flag is set.
void EnemyMessageTimerTick(CombatUi& ui);

// The round start, in its fixed order: action points, the player's modifiers, the ship's special,
// the enemy's modifiers, missile reloads, missile impacts (the player's first), reinforcements in
// action and on their way, the end check, the boarding offer, the tutorial.
void StartNewCombatRound(CombatUi& ui);

// A boarding without the offer, for testing: the airlock's defenders drawn and the areas set as an
// accepted offer does, then the crew combat screen; no question, no roll, no droids lent, and the
// fight's one boarding decision is left untaken.
void ForceBoarding(CombatUi& ui);

}  // namespace combat
