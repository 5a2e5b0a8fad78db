#include "rules/markets.h"

#include <algorithm>
#include <array>
#include <limits>

#include "rules/diplomacy.h"
#include "state/clamp.h"
#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::BodyData;
using state::GoodBasePrice;
using state::SystemData;

constexpr int kLastGoodId = 100;  // goods take part while their base price is above 0

using state::Clamp32;

// a + b held at the ends of the int32 range: Clamp32 of the exact sum, in the few instructions
// of a plain addition, since the sums of the daily markets never come near the ends.
inline std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
  std::int32_t sum;
  if (__builtin_add_overflow(a, b, &sum)) [[unlikely]]
    return b > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
  return sum;
}

// value + value × percent / 100, truncated toward zero.
std::int32_t AddPercent(std::int32_t value, int percent) {
  return Clamp32(static_cast<std::int64_t>(value) + static_cast<std::int64_t>(value) * percent / 100);
}

using state::IsContraband;
bool IsMarket(const state::TBodyRow& body) {
  return body[body::kVisible] > 0 &&
         (state::IsInhabited(body[body::kKind]) || body[body::kKind] == state::kKindPirateHideout);
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

// The goods that take part in the markets: those with a base price, in order.
class TradedGoods {
 public:
  TradedGoods() {
    for (int g = 1; g <= kLastGoodId; ++g) {
      if (GoodBasePrice[g] > 0) ids_[count_++] = g;
    }
  }
  const int* begin() const { return ids_.data(); }
  const int* end() const { return ids_.data() + count_; }

 private:
  std::array<int, kLastGoodId> ids_{};
  int count_ = 0;
};

// A price's band: within 10 percent of its base (a tenth truncated toward zero).
struct Band {
  std::int32_t base, low, high;
};

inline Band BandAround(std::int32_t base) {
  return {base, Clamp32(static_cast<std::int64_t>(base) - base / 10),
          Clamp32(static_cast<std::int64_t>(base) + base / 10)};
}

// The jumps to the states of the draws of a whole row of goods, two draws for each good.
constexpr auto kJumps = state::RandomJumps<2 * kLastGoodId + 2>();

// Adds the day's momentum, made of the draws `up` and `down` (each 0..2), to the band's base and
// keeps the result within the band; a price that hits the edge of its band stays there and loses
// its momentum.
inline std::int32_t Drift(const Band& band, std::int32_t& trend, int up, int down) {
  trend = SaturatingAdd(trend, up - down);
  const std::int32_t price = SaturatingAdd(band.base, trend);
  const std::int32_t kept = std::clamp(price, band.low, band.high);
  if (kept != price) trend = 0;
  return kept;
}

// A drift of every traded good of a row of prices, in the goods' order, two draws for each. The
// draws' states all come from the stream's state at the start, so no good waits for the one before.
template <typename Price>
void DriftRow(const TradedGoods& goods, const std::array<Band, kLastGoodId + 1>& bands,
              state::TDataRow& trends, state::RandomStream& random, Price&& price) {
  const std::uint32_t start = random.State();
  int k = 0;
  for (const int g : goods) {
    const int up = state::RandomAnswer(kJumps[k + 1].From(start), 3);
    const int down = state::RandomAnswer(kJumps[k + 2].From(start), 3);
    k += 2;
    price(g, Drift(bands[g], trends[g], up, down));
  }
  random.MoveTo(kJumps[k].From(start));
}

// The markets whose stock of a good a transport-kind mission delivers: a system, a good and a set
// of its bodies. Such a stock ends the day empty whatever the day's draws made of it.
class WantedGoods {
 public:
  using BodySet = std::uint32_t;
  struct Entry {
    int system, good;
    BodySet bodies;
  };

  WantedGoods() {
    for (int s = 1; s <= state::kLastSystem; ++s) {
      for (int k = 1; k <= state::kLastOfferSlot; ++k) {
        const state::TMissionRow& offer = state::MissionOffers[s][k];
        if (offer[mission::kActive] > 0 &&
            MissionType{offer[mission::kType]} == kMissionTransport &&
            offer[mission::kTargetSystem] == s)
          Add(s, offer[mission::kSubject], BodyBit(offer[mission::kTargetBody]));
      }
    }
    const state::TMissionRow& active = state::ActiveMission;
    if (active[mission::kActive] <= 0) return;
    if (MissionType{active[mission::kType]} == kMissionTransport ||
        MissionType{active[mission::kType]} == kMissionCombatTransport)
      Add(active[mission::kTargetSystem], active[mission::kSubject],
          BodyBit(active[mission::kTargetBody]));
    if (MissionType{active[mission::kType]} == kMissionSupply)
      Add(active[mission::kTargetSystem], active[mission::kSubject], kEveryBody);
  }

  const Entry* begin() const { return entries_.data(); }
  const Entry* end() const { return entries_.data() + count_; }

  // Is body b (1..15) in the set?
  static bool Holds(BodySet bodies, int b) { return (bodies & BodyBit(b)) != 0; }

 private:
  static constexpr BodySet kEveryBody = ~BodySet{0};
  static BodySet BodyBit(int b) {
    return b >= 1 && b <= state::kLastBody ? BodySet{1} << b : 0;
  }
  void Add(int s, int g, BodySet bodies) {
    if (s < 1 || s > state::kLastSystem || g < 1 || g > kLastGoodId || bodies == 0) return;
    entries_[count_++] = {s, g, bodies};
  }
  // One per offer slot of every system and two for the active mission at most.
  std::array<Entry, state::kLastSystem * state::kLastOfferSlot + 2> entries_{};
  int count_ = 0;
};

// A stock creeps on a draw of 0..30 of 100, that is when the draw's state is below this: the
// draw is state × 100 / 2^32, rounded down.
constexpr auto kCreepBelow = static_cast<std::uint32_t>(state::FirstStateAnswering(31, 100));

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


}  // namespace

namespace {

// Each system's production of every good, twice: over its bodies that exist ([1] > 0), which make
// its own production, and over those marked in [2], which make what it offers its neighbours.
// Production depends only on the bodies' flags and economy classes, which change rarely (a
// hideout found, a planet taken), so the table is kept and made again only when they changed.
class GalaxyProduction {
 public:
  static const GalaxyProduction& Current() {
    static GalaxyProduction table;
    table.Refresh();
    return table;
  }
  int Own(int s, int g) const { return own_[s][g]; }
  int Offered(int s, int g) const { return offered_[s][g]; }
  // Counts the times the table was made, so a table made from it can tell it is out of date.
  std::uint64_t Version() const { return version_; }

 private:
  using Bodies = std::array<std::int32_t, state::kSystems * state::kBodies * 3>;

  void Refresh() {
    if (version_ > 0 && Unchanged()) return;
    std::size_t i = 0;
    for (int s = 0; s < state::kSystems; ++s) {
      for (int b = 0; b < state::kBodies; ++b) {
        for (auto f = body::kVisible; f <= body::kKind; ++f) bodies_[i++] = BodyData[s][b][f];
      }
    }
    ++version_;
    for (int s = 1; s <= state::kLastSystem; ++s) {
      // How many bodies have each economy class 0..6, other kinds (suns, wormholes, hideouts)
      // in the last count.
      constexpr int kOtherKinds = state::Stored(kLastEconomyClass) + 1;
      std::array<int, kOtherKinds + 1> own{}, offered{};
      for (int b = 1; b <= state::kLastBody; ++b) {
        const state::TBodyRow& body = BodyData[s][b];
        const int kind = body[body::kKind];
        const int c = kind >= 0 && kind < kOtherKinds ? kind : kOtherKinds;
        if (body[body::kVisible] > 0) ++own[c];
        if (Faction{body[body::kOwner]} > kFactionPirates) ++offered[c];
      }
      for (int g = 1; g <= kLastGoodId; ++g) {
        own_[s][g] = offered_[s][g] = 0;
        for (int c = 0; c <= kOtherKinds; ++c) {
          const int prod = state::GetGoodProduction(Good{g}, c < kOtherKinds ? c : -1);
          own_[s][g] += own[c] * prod;
          offered_[s][g] += offered[c] * prod;
        }
      }
    }
  }

  // Are the bodies' flags and classes those the table was made from?
  bool Unchanged() const {
    std::size_t i = 0;
    bool same = true;
    for (int s = 0; s < state::kSystems; ++s) {
      for (int b = 0; b < state::kBodies; ++b) {
        const state::TBodyRow& body = BodyData[s][b];
        same &= body[body::kVisible] == bodies_[i] && body[body::kOwner] == bodies_[i + 1] &&
                body[body::kKind] == bodies_[i + 2];
        i += 3;
      }
    }
    return same;
  }

  std::uint64_t version_ = 0;
  Bodies bodies_{};
  std::array<std::array<int, kLastGoodId + 1>, state::kSystems> own_{};
  std::array<std::array<int, kLastGoodId + 1>, state::kSystems> offered_{};
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
    if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole) continue;
    const int t = body[body::kDestination];
    if (!state::IsSystem(t)) continue;
    const Faction there{SystemData[t][star_system::kOwner]};
    if (AtWar(there, Faction{SystemData[s][star_system::kOwner]})) continue;
    if (SystemData[s][star_system::kCampaign] == 1 || SystemData[t][star_system::kCampaign] == 1)
      continue;
    n.systems[n.count++] = t;
  }
  return n;
}

std::int32_t PriceTarget(int s, int g, const GalaxyProduction& production,
                         const PeacefulNeighbours& neighbours) {
  const std::int32_t base = GoodBasePrice[g];
  int prod = production.Own(s, g);
  if (IsContraband(g) && Faction{SystemData[s][star_system::kOwner]} == kFactionSyndicate)
    prod += 100;
  std::int32_t target = AddPercent(base, TargetPercent(prod));
  if (SystemData[s][star_system::kCampaign] == 1)
    target = Clamp32(static_cast<std::int64_t>(base) + base / 2);

  // Peaceful neighbours that produce the good make it cheaper here.
  for (int i = 0; i < neighbours.count; ++i) {
    const int prod2 = production.Offered(neighbours.systems[i], g);
    target = AddPercent(target, NeighbourPercent(prod2));
  }
  return target;
}

// Every system's price targets, kept with what they were made from: the production table, the
// base prices, whether the system is the syndicate's or besieged, and its peaceful neighbours.
// These change seldom, so most days every system's targets are kept as they were.
class PriceTargets {
 public:
  // Forgets every target when the goods' base prices have changed: once a day, before any Of.
  void CheckBasePrices() {
    if (basePrices_ == GoodBasePrice) return;
    basePrices_ = GoodBasePrice;
    for (System& system : systems_) system.made = false;
  }

  // The targets of system s, for the traded goods.
  const std::array<std::int32_t, kLastGoodId + 1>& Of(int s, const GalaxyProduction& production,
                                                      const TradedGoods& goods) {
    const PeacefulNeighbours neighbours = PeacefulNeighboursOf(s);
    System& system = systems_[s];
    const bool syndicate = Faction{SystemData[s][star_system::kOwner]} == kFactionSyndicate;
    const bool besieged = SystemData[s][star_system::kCampaign] == 1;
    const bool same = system.made && system.production == production.Version() &&
                      system.syndicate == syndicate && system.besieged == besieged &&
                      system.neighbours.count == neighbours.count &&
                      std::equal(neighbours.systems.begin(),
                                 neighbours.systems.begin() + neighbours.count,
                                 system.neighbours.systems.begin());
    if (!same) {
      system = {true, production.Version(), syndicate, besieged, neighbours, {}};
      for (const int g : goods) system.targets[g] = PriceTarget(s, g, production, neighbours);
    }
    return system.targets;
  }

 private:
  struct System {
    bool made = false;
    std::uint64_t production = 0;
    bool syndicate = false, besieged = false;
    PeacefulNeighbours neighbours;
    std::array<std::int32_t, kLastGoodId + 1> targets{};
  };
  state::TDataRow basePrices_{};
  std::array<System, state::kSystems> systems_{};
};

}  // namespace

std::int32_t SystemPriceTarget(int s, Good g) {
  return PriceTarget(s, state::Stored(g), GalaxyProduction::Current(), PeacefulNeighboursOf(s));
}

void UpdateMarketPrices() {
  static PriceTargets targets;
  targets.CheckBasePrices();
  const TradedGoods goods;
  // The target, then the system drift around it.
  const GalaxyProduction& production = GalaxyProduction::Current();
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (SystemData[s][star_system::kPresent] <= 0) continue;
    const auto& target = targets.Of(s, production, goods);
    for (const int g : goods) state::SystemPrice[s][g] = target[g];
  }
  state::RandomStream random;
  std::array<Band, kLastGoodId + 1> bands{};
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (SystemData[s][star_system::kPresent] <= 0) continue;
    state::TDataRow& prices = state::SystemPrice[s];
    for (const int g : goods) bands[g] = BandAround(prices[g]);
    DriftRow(goods, bands, state::SystemPriceTrend[s], random,
             [&](int g, std::int32_t price) { prices[g] = price; });
  }

  // Each market drifts around its system's price; hideouts sell contraband a fifth cheaper.
  // What other screens read as the system's price is then the average of its visible planets.
  std::array<std::int64_t, kLastGoodId + 1> sums{};
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (const int g : goods) {
      bands[g] = BandAround(state::SystemPrice[s][g]);
      sums[g] = 0;
    }
    int planets = 0;
    for (int b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& body = BodyData[s][b];
      if (!IsMarket(body)) continue;
      state::TDataRow& prices = state::MarketPrice[s][b];
      if (body[body::kKind] == state::kKindPirateHideout) {
        DriftRow(goods, bands, state::MarketPriceTrend[s][b], random, [&](int g, std::int32_t price) {
          prices[g] = IsContraband(g) ? price - price / 5 : price;
        });
      } else {
        ++planets;
        DriftRow(goods, bands, state::MarketPriceTrend[s][b], random, [&](int g, std::int32_t price) {
          prices[g] = price;
          sums[g] += price;
        });
      }
    }
    for (const int g : goods) state::SystemPrice[s][g] = planets > 0 ? Clamp32(sums[g] / planets) : 0;
  }
}

void UpdateMarketStocks() {
  const TradedGoods goods;
  // Per good: how far a stock creeps and its ceiling before the day's chance.
  std::array<int, kLastGoodId + 1> step{}, ceiling{}, leeway{};
  for (const int g : goods) {
    step[g] = StockStep(GoodBasePrice[g]);
    ceiling[g] = StockCeiling(GoodBasePrice[g]);
    leeway[g] = ceiling[g] / 3;
  }
  const bool advancedConnections = state::OwnsSkill(kSkillAdvancedConnections);  // half as much again
  const bool connections = state::OwnsSkill(kSkillConnections);  // a quarter more
  {
    state::RandomStream random;
    for (int s = 1; s <= state::kLastSystem; ++s) {
      for (int b = 1; b <= state::kLastBody; ++b) {
        if (!IsMarket(BodyData[s][b])) continue;
        state::TDataRow& stocks = state::MarketStock[s][b];
        // A good's draws: the chance (state 1), then what the stock creeps by if the chance
        // came (state 2) and the ceiling's leeway (state 3, or 2 without the creep). All three
        // states come from the one before the good, so only the chance waits for it.
        std::uint32_t seed = random.State();
        for (const int g : goods) {
          const std::uint32_t first = kJumps[1].From(seed);
          const std::uint32_t second = kJumps[2].From(seed);
          const std::uint32_t third = kJumps[3].From(seed);
          const bool creeps = first < kCreepBelow;
          const std::int32_t stock = stocks[g];
          const std::int32_t crept =
              SaturatingAdd(stock, step[g]) - state::RandomAnswer(second, step[g]);
          // Chosen by masks rather than branches: the chance is a coin toss to the processor.
          const std::uint32_t mask = 0u - static_cast<std::uint32_t>(creeps);
          seed = (third & mask) | (second & ~mask);
          const std::int32_t now = stock ^ ((stock ^ crept) & static_cast<std::int32_t>(mask));
          std::int32_t most = ceiling[g] + state::RandomAnswer(seed, leeway[g]);
          if (advancedConnections) most += most / 2;
          else if (connections) most += most / 4;
          stocks[g] = std::min(now, most);
        }
        random.MoveTo(seed);
      }
    }
  }
  // A market that a mission delivers to runs out of the good.
  for (const WantedGoods::Entry& wanted : WantedGoods()) {
    if (GoodBasePrice[wanted.good] <= 0) continue;
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (WantedGoods::Holds(wanted.bodies, b) && IsMarket(BodyData[wanted.system][b]))
        state::MarketStock[wanted.system][b][wanted.good] = 0;
    }
  }
  // Planets never stock contraband; hideouts stock nothing else.
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& body = BodyData[s][b];
      if (body[body::kVisible] <= 0) continue;
      if (state::IsInhabited(body[body::kKind])) {
        for (int g = state::kFirstContraband; g <= state::kLastGood; ++g) {
          state::MarketStock[s][b][g] = 0;
        }
      } else if (body[body::kKind] == state::kKindPirateHideout) {
        for (int g = 1; g < state::kFirstContraband; ++g) state::MarketStock[s][b][g] = 0;
      }
    }
  }
}

bool HasMarket(std::int32_t s, std::int32_t b) {
  if (s < 1 || s > state::kLastSystem || b < 1 || b > state::kLastBody) return false;
  return IsMarket(BodyData[s][b]);
}

}  // namespace rules
