#include "rules/missions.h"

namespace rules {

// The mission board is not in the game yet: no offers are made.
void GenerateMissionOffers(Ui& ui) { (void)ui; }

}  // namespace rules
