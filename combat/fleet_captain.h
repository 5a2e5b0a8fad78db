// A simple fleet captain for battles without a screen: the headless fights of the simulation tool
// and the tests give the fleet battle its orders through it.
#pragma once

#include "combat/fleet_battle.h"

namespace combat {

// One order of a simple fleet captain: recharges once when the shields fall below a quarter,
// sends the escort with the most hit points at the weakest enemy that may be attacked and lets
// the duel run to its end (at most `maxDuelTicks` exchanges, then calls the escort back), and
// attacks personally when no escort is left (or no target, which ends a battle already won).
void PlayFleetCaptainOrder(FleetBattleUi& ui, int maxDuelTicks = 10000);

}  // namespace combat
