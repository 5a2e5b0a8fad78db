// Special ships: up to ten ships around the player that the ship sensors show and the player may
// attack (traders, military ships and pirates of several sub-kinds). They live a few days and
// every empty place is filled again each day; a bounty or abduction mission makes its target
// appear among them.
//
// SpecialShips[1..10] hold them; their fields are named in special_ship:: (state/fields.h), their
// kinds in state/ship_kinds.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/ui.h"
#include "state/ship_kinds.h"

namespace rules {

// The special-ship step of the day: ships run out, empty places are filled for the player's
// current system; may announce a treasure fleet ship to a player with "Hacker".
void UpdateSpecialShips(Ui& ui);

// The sensor text of a pirate, a trader and a military ship in slot 1..10: an opening sentence
// followed by one about what the ship is. The sentences are drawn once and kept in the ship's row.
// `name` is a wanted pirate's name; an empty name or a single blank takes one of the ten known
// names. A slot outside 1..10 gives the empty text.
std::string DescribeSpecialShip(std::int32_t slot, std::string_view name);
std::string DescribeTraderSpecialShip(std::int32_t slot);
std::string DescribeMilitarySpecialShip(std::int32_t slot);

// The quoted name of the wanted pirate in slot 1..10 ("\"Blackbeard\"" ...), drawn once.
std::string PickSpecialShipPirateName(std::int32_t slot);

}  // namespace rules
