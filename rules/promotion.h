// Level-ups: experience against the next level's threshold, lives, ribbons and ranks, the own
// planet at the top, and the choice of a new ability that comes with each level.
#pragma once

#include <cstdint>
#include <string>

#include "rules/ui.h"
#include "state/factions.h"

namespace rules {

// One level per call when the experience has reached the threshold of the current level and the
// level is below 19; otherwise nothing. The new level restarts the experience at 0 (the excess is
// lost) and adds a life. It brings a campaign ribbon (levels 2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17)
// or a new rank (4, 7, 10, 13, 15, 18), shown on the promotion screen, or at 19 the promise of a
// planet; then the choice of a new ability, and the refreshes a new skill may call for (cargo
// space, the trade window, pirate hideouts, market prices and stocks, mission offers).
void CheckPromotion(Ui& ui);

// The planet a faction 1..4 promises its most decorated captain: (system, body); (0, 0) for any
// other faction.
struct PromisedPlanet {
  std::int32_t system;
  std::int32_t body;
};
PromisedPlanet PromisedPlanetOf(Faction faction);

// The base name of a body picture by its picture number ("Earth", "asteroids" ...); any unknown
// number gives "Sun". Callers add ".jpg" or "r.jpg".
std::string GetBodyPictureName(std::int32_t picture);

}  // namespace rules
