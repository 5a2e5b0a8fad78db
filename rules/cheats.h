// The player's cheats: credits, the next promotion, no ageing, and three fast starts that turn the running
// game into a more advanced one (a higher rank, a bigger ship with its standard fit, more skills
// and abilities, mission boards rebuilt for the new ship).
#pragma once

#include <cstdint>

#include "rules/ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"

namespace rules {

// 100,000 credits more, straight onto the account (no skill bonus); the status bars redrawn.
void CheatCredits(Ui& ui);

// The experience set to the current level's threshold and the promotion check run, so exactly
// one promotion follows (none at the last level).
void CheatNextPromotion(Ui& ui);

// The cheat that stops the player from ageing, switched on or off.
void SwitchNoAgeing();

// The fast starts 1..3: "Start as a 1st Lt. with a corvette and $100k.", "Start as a Commander
// with a cruiser." and "Start as a Captain with a battleship.".
inline constexpr int kFastStarts = 3;

// The ship class fast start `start` (1..3) gives a player of `faction`; kNoShipClass for any
// other start.
state::ShipClassId FastStartShipClass(int start, Faction faction);

// Fast start `start` (1..3; any other does nothing): credits, level and rank set and the
// experience cleared; its skills and abilities added (none taken away); the new ship with full
// shields, the standard fit and the hold of the new hull; every mission board rebuilt; the crew
// raised to the class's minimum; then "Done". Ribbons, medals and lives stay as they were.
void ApplyFastStart(int start, Ui& ui);

}  // namespace rules
