#include "rules/markets.h"

#include <algorithm>
#include <limits>

#include "rules/diplomacy.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/random.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::BodyData;
using state::GoodBasePrice;
using state::Random;
using state::SystemData;

constexpr int kLastGoodId = 100;  // goods take part while their base price is above 0
constexpr int kSyndicate = 4;

std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// value + value × percent / 100, truncated toward zero.
std::int32_t AddPercent(std::int32_t value, int percent) {
  return Clamp32(static_cast<std::int64_t>(value) + static_cast<std::int64_t>(value) * percent / 100);
}

bool IsContraband(int g) { return g >= state::kFirstContraband && g <= state::kLastGood; }
bool IsMarket(const state::TBodyRow& body) {
  return body[body::kVisible] > 0 &&
         (body[body::kKind] > 0 || body[body::kKind] == state::kKindPirateHideout);
}

int TargetPercent(int prod) {
  if (prod <= 0) return 30;
  if (prod <= 5) return 15;
  if (prod <= 10) return 5;
  if (prod <= 20) return -5;
  if (prod <= 30) return -15;
  if (prod <= 50) return -30;
  return -40;
}

int NeighbourPercent(int prod) {
  if (prod >= 11 && prod <= 20) return -2;
  if (prod >= 21 && prod <= 30) return -5;
  if (prod >= 31 && prod <= 50) return -15;
  if (prod >= 51) return -20;
  return 0;
}

// Adds the day's momentum to `base` and keeps the result within 10 percent of it; a price that
// hits the edge of its band stays there and loses its momentum.
std::int32_t Drift(std::int32_t base, std::int32_t& trend) {
  const std::int32_t low = Clamp32(base - static_cast<std::int64_t>(base) * 10 / 100);
  const std::int32_t high = Clamp32(base + static_cast<std::int64_t>(base) * 10 / 100);
  const int up = Random(3);
  const int down = Random(3);
  trend = Clamp32(static_cast<std::int64_t>(trend) + up - down);
  std::int32_t price = Clamp32(static_cast<std::int64_t>(base) + trend);
  if (price < low) {
    price = low;
    trend = 0;
  } else if (price > high) {
    price = high;
    trend = 0;
  }
  return price;
}

// Does a transport-kind mission deliver good g to body b of system s?
bool WantedByMission(int s, int b, int g) {
  for (int k = 1; k <= state::kLastOfferSlot; ++k) {
    const state::TMissionRow& offer = state::MissionOffers[s][k];
    if (offer[mission::kActive] > 0 && offer[mission::kType] == 3 &&
        offer[mission::kTargetBody] == b && offer[mission::kTargetSystem] == s &&
        offer[mission::kGood] == g) {
      return true;
    }
  }
  const state::TMissionRow& active = state::ActiveMission;
  if (active[mission::kActive] <= 0) return false;
  if ((active[mission::kType] == 3 || active[mission::kType] == 11) &&
      active[mission::kTargetBody] == b && active[mission::kTargetSystem] == s &&
      active[mission::kGood] == g) {
    return true;
  }
  return active[mission::kType] == 6 && active[mission::kTargetSystem] == s &&
         active[mission::kGood] == g;
}

int StockStep(std::int32_t base) {
  if (base < 200) return 5;
  if (base > 200 && base < 500) return 3;
  return 1;
}

int StockCeiling(std::int32_t base) {
  if (base < 200) return 100;
  if (base > 200 && base < 500) return 50;
  if (base > 500) return 30;
  return 50;  // exactly 200 or 500
}

std::int32_t WithConnections(std::int32_t ceiling) {
  if (state::SkillOwned[6] > 0) return ceiling + ceiling / 2;
  if (state::SkillOwned[5] > 0) return ceiling + ceiling / 4;
  return ceiling;
}

}  // namespace

std::int32_t SystemPriceTarget(int s, int g) {
  const std::int32_t base = GoodBasePrice[g];
  int prod = 0;
  for (int b = 1; b <= state::kLastBody; ++b) {
    if (BodyData[s][b][body::kVisible] > 0)
      prod += state::GetGoodProduction(g, BodyData[s][b][body::kKind]);
  }
  if (IsContraband(g) && SystemData[s][star_system::kOwner] == kSyndicate) prod += 100;
  std::int32_t target = AddPercent(base, TargetPercent(prod));
  if (SystemData[s][star_system::kCampaign] == 1)
    target = Clamp32(static_cast<std::int64_t>(base) + base / 2);

  // Peaceful neighbours that produce the good make it cheaper here.
  for (int b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& body = BodyData[s][b];
    if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole) continue;
    const int t = body[body::kDestination];
    if (t < 1 || t > state::kLastSystem) continue;
    if (AtWar(SystemData[t][star_system::kOwner], SystemData[s][star_system::kOwner])) continue;
    if (SystemData[s][star_system::kCampaign] == 1 || SystemData[t][star_system::kCampaign] == 1)
      continue;
    int prod2 = 0;
    for (int b2 = 1; b2 <= state::kLastBody; ++b2) {
      if (BodyData[t][b2][body::kOwner] > 0)
        prod2 += state::GetGoodProduction(g, BodyData[t][b2][body::kKind]);
    }
    target = AddPercent(target, NeighbourPercent(prod2));
  }
  return target;
}

void UpdateMarketPrices() {
  // The target, then the system drift around it.
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (SystemData[s][star_system::kPresent] <= 0) continue;
    for (int g = 1; g <= kLastGoodId; ++g) {
      if (GoodBasePrice[g] > 0) state::SystemPrice[s][g] = SystemPriceTarget(s, g);
    }
  }
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (SystemData[s][star_system::kPresent] <= 0) continue;
    for (int g = 1; g <= kLastGoodId; ++g) {
      if (GoodBasePrice[g] <= 0) continue;
      state::SystemPrice[s][g] = Drift(state::SystemPrice[s][g], state::SystemPriceTrend[s][g]);
    }
  }

  // Each market drifts around its system's price; hideouts sell contraband a fifth cheaper.
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& body = BodyData[s][b];
      if (!IsMarket(body)) continue;
      for (int g = 1; g <= kLastGoodId; ++g) {
        if (GoodBasePrice[g] <= 0) continue;
        std::int32_t price = Drift(state::SystemPrice[s][g], state::MarketPriceTrend[s][b][g]);
        if (body[body::kKind] == state::kKindPirateHideout && IsContraband(g)) price -= price / 5;
        state::MarketPrice[s][b][g] = price;
      }
    }
  }

  // What other screens read as the system's price: the average of its visible planets.
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int g = 1; g <= kLastGoodId; ++g) {
      if (GoodBasePrice[g] <= 0) continue;
      std::int64_t sum = 0;
      int planets = 0;
      for (int b = 1; b <= state::kLastBody; ++b) {
        if (BodyData[s][b][body::kVisible] > 0 && BodyData[s][b][body::kKind] > 0) {
          sum += state::MarketPrice[s][b][g];
          ++planets;
        }
      }
      state::SystemPrice[s][g] = planets > 0 ? Clamp32(sum / planets) : 0;
    }
  }
}

void UpdateMarketStocks() {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (!IsMarket(BodyData[s][b])) continue;
      for (int g = 1; g <= kLastGoodId; ++g) {
        const std::int32_t base = GoodBasePrice[g];
        if (base <= 0) continue;
        std::int32_t& stock = state::MarketStock[s][b][g];
        const int step = StockStep(base);
        if (Random(100) <= 30) {
          stock = Clamp32(static_cast<std::int64_t>(stock) + step);
          stock -= Random(step);
        }
        if (WantedByMission(s, b, g)) stock = 0;
        std::int32_t ceiling = StockCeiling(base);
        ceiling += Random(ceiling / 3);
        ceiling = WithConnections(ceiling);
        if (stock > ceiling) stock = ceiling;
      }
    }
  }
  // Planets never stock contraband; hideouts stock nothing else.
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& body = BodyData[s][b];
      if (body[body::kVisible] <= 0) continue;
      if (body[body::kKind] > 0) {
        for (int g = state::kFirstContraband; g <= state::kLastGood; ++g) {
          state::MarketStock[s][b][g] = 0;
        }
      } else if (body[body::kKind] == state::kKindPirateHideout) {
        for (int g = 1; g < state::kFirstContraband; ++g) state::MarketStock[s][b][g] = 0;
      }
    }
  }
}

}  // namespace rules
