// The two hinges of a combat round: the player's end of turn, which hands the turn to the enemy's
// decision list, and the start of a new round, which gives the player fresh action points and
// applies everything that happens between rounds.
#pragma once

#include "combat/combat_ui.h"

namespace combat {

// Ends the player's turn (action points -100) and starts the enemy's.
void EndPlayerTurn(CombatUi& ui);

// The round start, in its fixed order: action points, the player's modifiers, the ship's special,
// the enemy's modifiers, missile reloads, missile impacts (the player's first), reinforcements in
// action and on their way, the end check, the boarding offer, the tutorial.
void StartNewCombatRound(CombatUi& ui);

// A boarding without the offer, for testing: the airlock's defenders drawn and the areas set as an
// accepted offer does, then the crew combat screen; no question, no roll, no droids lent, and the
// fight's one boarding decision is left untaken.
void ForceBoarding(CombatUi& ui);

}  // namespace combat
