// The picture of the player's faction logo, which the notices of experience and fame show.
#pragma once

#include <string>

namespace rules {

// "<logo>.jpg" of the player's faction; just ".jpg" for no faction.
std::string FactionLogoPicture();

}  // namespace rules
