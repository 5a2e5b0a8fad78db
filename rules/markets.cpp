#include "rules/markets.h"

#include <algorithm>
#include <array>
#include <limits>

#include "rules/diplomacy.h"
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
  return body[1] > 0 && (body[3] > 0 || body[3] == state::kKindPirateHideout);
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

// The goods that transport-kind missions deliver: good `good` to body `body` of system `system`,
// or to any body of it. Collected once per stock update, since the stocks never change missions.
class WantedGoods {
 public:
  WantedGoods() {
    for (int s = 1; s <= state::kLastSystem; ++s) {
      for (int k = 1; k <= state::kLastOfferSlot; ++k) {
        const state::TMissionRow& offer = state::MissionOffers[s][k];
        if (offer[1] > 0 && offer[2] == 3 && offer[7] == s) Add({s, offer[6], offer[8], false});
      }
    }
    const state::TMissionRow& active = state::ActiveMission;
    if (active[1] <= 0) return;
    if (active[2] == 3 || active[2] == 11) Add({active[7], active[6], active[8], false});
    if (active[2] == 6) Add({active[7], 0, active[8], true});
  }

  // Does a mission deliver good g to body b of system s?
  bool Wanted(int s, int b, int g) const {
    for (int i = 0; i < count_; ++i) {
      const Delivery& d = deliveries_[i];
      if (d.system == s && d.good == g && (d.anyBody || d.body == b)) return true;
    }
    return false;
  }

 private:
  struct Delivery {
    int system = 0, body = 0, good = 0;
    bool anyBody = false;
  };
  void Add(const Delivery& d) { deliveries_[count_++] = d; }
  std::array<Delivery, state::kLastSystem * state::kLastOfferSlot + 1> deliveries_{};
  int count_ = 0;
};

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

namespace {

// How many bodies of a system have each economy class 0..6, and how many have another kind (suns,
// wormholes, hideouts) in the last count: a good's production in the system is a sum over these
// eight, so the day's targets need not visit every body for every good.
struct EconomyMix {
  std::array<int, 8> count{};
};

int Production(const EconomyMix& mix, int g) {
  int prod = 0;
  for (int c = 0; c < 7; ++c) {
    if (mix.count[c] != 0) prod += mix.count[c] * state::GetGoodProduction(g, c);
  }
  if (mix.count[7] != 0) prod += mix.count[7] * state::GetGoodProduction(g, -1);
  return prod;
}

// Each system's economy mix twice: over its bodies that exist ([1] > 0), which make its own
// production, and over those marked in [2], which make what it offers its neighbours.
struct GalaxyProduction {
  GalaxyProduction() {
    for (int s = 1; s <= state::kLastSystem; ++s) {
      for (int b = 1; b <= state::kLastBody; ++b) {
        const state::TBodyRow& body = BodyData[s][b];
        const int c = body[3] >= 0 && body[3] <= 6 ? body[3] : 7;
        if (body[1] > 0) ++own[s].count[c];
        if (body[2] > 0) ++offered[s].count[c];
      }
    }
  }
  std::array<EconomyMix, state::kSystems> own{};
  std::array<EconomyMix, state::kSystems> offered{};
};

// The systems behind system s's wormholes whose production lowers its prices: at peace with it and
// neither besieged, in the order of the wormholes.
struct PeacefulNeighbours {
  std::array<int, state::kLastBody> systems{};
  int count = 0;
};

PeacefulNeighbours PeacefulNeighboursOf(int s) {
  PeacefulNeighbours n;
  for (int b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& body = BodyData[s][b];
    if (body[1] <= 0 || body[3] != state::kKindWormhole) continue;
    const int t = body[4];
    if (t < 1 || t > state::kLastSystem) continue;
    if (AtWar(SystemData[t][2], SystemData[s][2])) continue;
    if (SystemData[s][20] == 1 || SystemData[t][20] == 1) continue;
    n.systems[n.count++] = t;
  }
  return n;
}

std::int32_t PriceTarget(int s, int g, const GalaxyProduction& production,
                         const PeacefulNeighbours& neighbours) {
  const std::int32_t base = GoodBasePrice[g];
  int prod = Production(production.own[s], g);
  if (IsContraband(g) && SystemData[s][2] == kSyndicate) prod += 100;
  std::int32_t target = AddPercent(base, TargetPercent(prod));
  if (SystemData[s][20] == 1) target = Clamp32(static_cast<std::int64_t>(base) + base / 2);

  // Peaceful neighbours that produce the good make it cheaper here.
  for (int i = 0; i < neighbours.count; ++i) {
    const int prod2 = Production(production.offered[neighbours.systems[i]], g);
    target = AddPercent(target, NeighbourPercent(prod2));
  }
  return target;
}

}  // namespace

std::int32_t SystemPriceTarget(int s, int g) {
  return PriceTarget(s, g, GalaxyProduction(), PeacefulNeighboursOf(s));
}

void UpdateMarketPrices() {
  // The target, then the system drift around it.
  const GalaxyProduction production;
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (SystemData[s][1] <= 0) continue;
    const PeacefulNeighbours neighbours = PeacefulNeighboursOf(s);
    for (int g = 1; g <= kLastGoodId; ++g) {
      if (GoodBasePrice[g] > 0) state::SystemPrice[s][g] = PriceTarget(s, g, production, neighbours);
    }
  }
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (SystemData[s][1] <= 0) continue;
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
        if (body[3] == state::kKindPirateHideout && IsContraband(g)) price -= price / 5;
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
        if (BodyData[s][b][1] > 0 && BodyData[s][b][3] > 0) {
          sum += state::MarketPrice[s][b][g];
          ++planets;
        }
      }
      state::SystemPrice[s][g] = planets > 0 ? Clamp32(sum / planets) : 0;
    }
  }
}

void UpdateMarketStocks() {
  const WantedGoods wanted;
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
        if (wanted.Wanted(s, b, g)) stock = 0;
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
      if (body[1] <= 0) continue;
      if (body[3] > 0) {
        for (int g = state::kFirstContraband; g <= state::kLastGood; ++g) {
          state::MarketStock[s][b][g] = 0;
        }
      } else if (body[3] == state::kKindPirateHideout) {
        for (int g = 1; g < state::kFirstContraband; ++g) state::MarketStock[s][b][g] = 0;
      }
    }
  }
}

}  // namespace rules
