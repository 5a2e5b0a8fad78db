// The weapon abilities of a fight, for either side: "Fire guns" (1), "Fire missiles" (2), "ECM"
// (3), "Focus beam" (4) and "Overload gun" (5).
#pragma once

#include <cstdint>
#include <string_view>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

// Carries out weapon ability 1..5 for `side` (payment and refusals included).
void ResolveWeaponAbility(Side side, state::Ability id, CombatUi& ui);

// Guns fired with focused energy beams by `side` ("Focus beam" and "Focus beam II"): gun cost + 2
// action points, a quarter off the hit chance, the damage raised by `damageFactor`; the hit and miss
// messages carry `topic`.
void FireFocusedBeams(Side side, std::string_view topic, std::int32_t (*damageFactor)(std::int32_t),
                      CombatUi& ui);

}  // namespace combat
