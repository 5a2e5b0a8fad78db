// Missions: the offers on each system's mission board.
#pragma once

#include "rules/ui.h"

namespace rules {

// Refills the free mission-offer slots of the systems.
void GenerateMissionOffers(Ui& ui);

}  // namespace rules
