// The ship's special ability in a fight (combat ability 36): the player switches the special of
// the ship's class on and off, each for 3 action points and after a question. "Twin guns" changes
// the firing picture, "Drop all missiles" asks once more and empties the launcher for the fight,
// the "Anti-phase emitter" lasts two rounds and works once per fight. What a special does while it
// stands is applied by the rules that test it. The enemy has no special ability in combat.
#pragma once

#include "combat/combat_ui.h"

namespace combat {

// The player's click on the ship's special ability.
void ResolveShipSpecial(CombatUi& ui);

}  // namespace combat
