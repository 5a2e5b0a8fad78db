// Resolution of a combat action for either side: the ability's family carries it out (each family
// in its own file). The player's action as a click makes it, with what follows it, is
// combat::ResolvePlayerCombatAction in combat/rounds.h.
#pragma once

#include <cstdint>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

// The groups of combat abilities; each group is carried out by its own file.
enum class AbilityFamily {
  None,         // 0, 30 "Reinforcements" (an effect only), 37 "Overheated", unknown ids
  Weapon,       // 1..5
  Tactical,     // 6..15
  Defensive,    // 18, 21..29
  Disruption,   // 16, 17, 19, 20, 31..35
  ShipSpecial,  // 36
};
AbilityFamily AbilityFamilyOf(state::Ability id);

// Carries out ability `id` for `side`, payment and refusals included. The enemy has no case for
// "Shield boost", "Sacrifice", "Calmness" and the ship's special.
void ResolveCombatAction(Side side, state::Ability id, CombatUi& ui);

}  // namespace combat
