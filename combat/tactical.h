// The tactical abilities of a fight, for either side: the lasting effects "Target lock" (6),
// "Discipline" (7), "Manouvers" (8), "Double speed" (9), "Taunt" (10), "Tractor beam" (12) and
// "Evil taunt" (13); the escape attempts "Flee" (11) and "Cloak" (14); and "Exploit" (15), a gun
// attack on a stunned opponent. What the lasting effects do later is applied by the rules that
// test them (hit chance, damage, the round countdown, the escapes below).
#pragma once

#include <cstdint>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

// Carries out tactical ability 6..15 for `side` (refusals and payment included); other ids do
// nothing.
void ResolveTacticalAbility(Side side, state::Ability id, CombatUi& ui);

}  // namespace combat
