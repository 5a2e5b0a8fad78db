// The daily markets of every planet and pirate hideout. A system's price of a good follows a
// target made from what its planets produce, whether it is besieged and what its peaceful
// neighbours produce; the system price drifts around the target and each body's price around the
// system price, each with a momentum (trend) and at most 10 percent away. Stocks creep upward by
// chance up to a ceiling; planets never stock contraband and hideouts stock nothing else.
#pragma once

#include <cstdint>

#include "state/goods.h"

namespace rules {

// The day's price target of good g in system s, before any drift.
std::int32_t SystemPriceTarget(int s, Good g);

// New system and body prices and trends for the whole galaxy; SystemPrice ends as the average of
// the visible planets' prices.
void UpdateMarketPrices();

// New stocks for every visible planet and hideout.
void UpdateMarketStocks();

// Whether body b of system s has a market: a visible planet (an economy class above 0) or pirate
// hideout. Suns, wormholes, bare asteroid fields, space finds (b < 1) and empty slots have none.
bool HasMarket(std::int32_t s, std::int32_t b);

}  // namespace rules
