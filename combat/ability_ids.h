// The combat abilities by name: the ids that fill the ability slots of both sides, stand in the
// modifier lists and drive the enemy's decision list. They live with the catalogue
// (state/abilities.h); the combat rules write them short.
#pragma once

#include "state/abilities.h"

namespace combat {

using enum state::Ability;
using state::kNoAbility;

}  // namespace combat
