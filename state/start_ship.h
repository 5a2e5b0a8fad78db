// The ship a new captain starts with, by profession and faction, as the profession screen shows it
// and the new world fits it.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/factions.h"
#include "state/professions.h"
#include "state/ship_classes.h"
namespace state {

// The start ship class for profession 1..6 and faction 1..4: Trader an Orion; Combat Trader,
// Smuggler and Pirates a Starwolf; Mercenary and Bounty-hunter by faction: Avenger for the
// Federation, Stargun for the Outer Rim and the Coalition, Sabre for the Syndicate.
// kNoShipClass for a profession outside 1..6 or a faction outside 1..4: the profession screen
// then keeps the ship it showed before.
ShipClassId StartShipClass(Profession profession, Faction faction);

// The start ship as the profession screen names it ("Orion II shuttle", "Starwolf fighter" ...);
// empty wherever StartShipClass gives kNoShipClass.
std::string_view StartShipLabel(Profession profession, Faction faction);

}  // namespace state
