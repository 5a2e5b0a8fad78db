// The star system the travel screen shows (state::DisplayedSystem): turning the screen to a system
// runs its refreshers, which also bring the panels up to date.
#pragma once

#include <cstdint>

#include "rules/ui.h"

namespace rules {

// Turns the travel screen to `system` and runs its refreshers; `placeBodies` lays the bodies out
// anew.
void ShowSystem(Ui& ui, bool placeBodies, std::int32_t system);

}  // namespace rules
