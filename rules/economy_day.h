// The economy's share of the daily turn, in the turn's order: the day counter moves on, then
// diplomacy, market news, campaigns, market prices, market stocks and the mission boards. The
// player's own steps of the day (age, loans, bonds, shields, price knowledge, income, special
// ships, promotions) are not part of it. Runs the living world without a player: the world's
// tests and benchmarks use it.
#pragma once

#include "rules/ui.h"

namespace rules {

void RunEconomyDay(Ui& ui);

}  // namespace rules
