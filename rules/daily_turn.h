// The daily turn: one call is one game day. The day counter moves on and the player ages; the
// factions make war and peace, market news come and go, campaigns are fought; loans fall due, war
// bonds lose value, the shields recharge; prices, stocks and mission boards change; the player
// learns which prices are known today, investments pay, special ships come and go, the criminal
// flag wears off, a promotion may follow, and on a flight toward a body the space finds age.
#pragma once

#include "rules/ui.h"

namespace rules {

void AdvanceDay(Ui& ui);

}  // namespace rules
