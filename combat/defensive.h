// The abilities that protect the acting ship or restore its resources, for either side:
// "Recharge" (18), the timed shields "EMP resistance" (21), "Focused shield" (22, 23),
// "Reflection shield" (24, 25) and "Evading" (26), and the player's "Shield boost" (27),
// energy channelling ("Sacrifice", 28) and "Calmness" (29). Also the activation of a timed effect
// in the acting side's own modifier list, which the disruption abilities share.
#pragma once

#include <cstdint>
#include <string_view>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

// Carries out defensive ability `id` for `side` (refusals and payment included). The enemy has no
// "Shield boost", "Sacrifice" or "Calmness": those ids do nothing on its side.
void ResolveDefensiveAbility(Side side, state::Ability id, CombatUi& ui);

// The player's popup for an effect that already stands in the player's list.
void ShowAlreadyActive(CombatUi& ui);

// A timed effect that the acting side puts into its own modifier list.
struct TimedEffect {
  state::Ability id = state::kNoAbility;
  std::int32_t playerCost = 0, enemyCost = 0;
  state::Ability excluded = state::kNoAbility;  // the partner that may not stand beside it
  std::string_view playerTopic, playerText, enemyTopic, enemyText;
};

// Activates `effect` for `side`. The player is refused with a popup when it already stands, and
// silently when the list is full or the excluded partner stands; then pays. The enemy's step ends
// silently on any of these or when it cannot pay. Returns true when the effect was added.
bool ActivateTimedEffect(Side side, const TimedEffect& effect, CombatUi& ui);

}  // namespace combat
