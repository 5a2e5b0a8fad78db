// The ship a new captain starts with, by profession and faction, as the profession screen shows it
// and the new world fits it.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/factions.h"
#include "state/professions.h"

namespace state {

// The start ship class for profession 1..6 and faction 1..4: Trader an Orion (5); Combat Trader,
// Smuggler and Pirates a Starwolf (1); Mercenary and Bounty-hunter by faction: Avenger (3) for the
// Federation, Stargun (2) for the Outer Rim and the Coalition, Sabre (4) for the Syndicate.
// 0 (no ship) for a profession outside 1..6 or a faction outside 1..4: the profession screen then
// keeps the ship it showed before.
std::int32_t StartShipClass(Profession profession, Faction faction);

// The start ship as the profession screen names it ("Orion II shuttle", "Starwolf fighter" ...);
// empty wherever StartShipClass gives 0.
std::string_view StartShipLabel(Profession profession, Faction faction);

}  // namespace state
