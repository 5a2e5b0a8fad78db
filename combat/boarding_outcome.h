// An exchange of a boarding fight and what it brings: an area secured and the next ones opened, the
// plunder of the cargo bay, the capture of the ship on the bridge (sold, or kept with the standard
// fit), the rewards of missions and special ships, or the boarding crew's defeat. Also the retreat
// and the ship hospital, which close a boarding fight.
#pragma once

#include <cstdint>

#include "combat/boarding.h"

namespace combat {

// A left click on an attack button: one exchange, ending with ResolveBoardingRound.
void BoardingExchange(BoardingAttack kind, BoardingUi& ui);

// Decides the outcome of the exchange just fought; called at the end of every exchange.
void ResolveBoardingRound(BoardingUi& ui);

// With a ship hospital aboard, half of the losses since the last secured area return to service.
void ApplyShipHospital(BoardingUi& ui);

// The retreat button: after a yes, both screens close and the enemy ship stays alive.
void RetreatFromBoarding(BoardingUi& ui);

}  // namespace combat
