#include "rules/promotion.h"

namespace rules {

// Promotions are not in the game yet: experience gathers without level-ups.
void CheckPromotion(Ui& ui) { (void)ui; }

}  // namespace rules
