// The two medals of ship combat, each earned at most once per game.
#pragma once

namespace rules {

enum class Medal { SilverStar, GoldStar };

// Marks the medal earned; true when it was not earned before, false (and nothing changes) when it
// was.
bool GrantMedal(Medal medal);

}  // namespace rules
