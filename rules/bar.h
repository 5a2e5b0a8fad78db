// The spaceport bar and the pirate hideout: a drink that passes a day and may buy the location of
// a hidden hideout, hiding until the criminal flag wears off, and the day that leaving the hideout
// costs.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/ui.h"

namespace rules {

// What the barkeeper asks for his information: 5000 × k² with k the bribe counter of the player
// (5000, 20000, 45000, ...), never above the most credits a player can hold.
std::int32_t BribePrice();

// The pirate hideouts of `system` that are neither visible nor revealed, in body order.
std::vector<std::int32_t> HiddenHideouts(std::int32_t system);

// "Order a drink": a day passes whatever follows. Without a hidden hideout in the ship's system
// it is a day of small talk; with one the barkeeper offers its location for BribePrice(), and a
// paid bribe reveals every hidden hideout of the system and raises the counter.
void OrderDrink(Ui& ui);

// "Hide" at the hideout: a player with n days of criminal flag is asked, and on yes n days pass
// and the flag is gone. A player without a flag is told so and nothing changes.
void HideUntilFlagWearsOff(Ui& ui);

// Leaving the hideout costs a day.
void LeaveHideout(Ui& ui);

}  // namespace rules
