// Level-ups: experience against the next level's threshold, lives, ribbons and ranks.
#pragma once

#include "rules/ui.h"

namespace rules {

// One level per call when the experience reaches the next threshold; otherwise nothing.
void CheckPromotion(Ui& ui);

}  // namespace rules
