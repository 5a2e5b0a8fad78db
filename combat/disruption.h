// The abilities that disable or strip the opponent, call or delay reinforcements, or are the
// stronger variants of the gun attacks, for either side: "EMP" (16), "EMP II" (33),
// "Exploit II" (17), "Focus beam II" (34), "Disturb" (19), "Disturb II" (35), and the timed effects
// "Mark" (20), "SOS buoy" (31) and "Radio jammer" (32).
#pragma once

#include <cstdint>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

// Carries out disruption ability `id` for `side` (refusals and payment included).
void ResolveDisruptionAbility(Side side, state::Ability id, CombatUi& ui);

}  // namespace combat
