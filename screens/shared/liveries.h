// The fleet-battle and campaign symbols in the livery of the faction they stand for. The fleet
// battle and the campaign name a side's symbols by colour ("ship_blue_med_left_off.bmp" the
// player's side, "red_ship_big_right.bmp" the other); the screens show each side in its faction's
// livery instead ("ship_Syndicate_med_left_off.bmp", "Pirate_ship_big_right.bmp").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/factions.h"

namespace screens {

// The picture of `picture` in the livery of `faction` (0 the pirates .. 4): its colour word
// ("blue" or "red", a whole part of the name between underscores) becomes the faction's livery.
// A faction out of range, or a name without a colour word, leaves the picture as it is.
std::string SymbolInLivery(std::string_view picture, Faction faction);

}  // namespace screens
