// GenerateMissionOffers: one pass over the 24 mission boards, at most one new offer on each.
#include "rules/mission_offers.h"

#include <algorithm>
#include <array>
#include <limits>

#include "rules/briefings.h"
#include "rules/missions.h"
#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/star_map.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::BodyData;
using state::FactionData;
using state::Random;
using state::SystemData;

constexpr int kSearchDraws = 1000;  // draws of a body, a faction or a class before giving up
constexpr int kAttempts = 10;       // attempts per board and call


using state::IsSystem;
bool Present(std::int32_t x) { return IsSystem(x) && SystemData[x][star_system::kPresent] > 0; }
Faction Owner(std::int32_t x) {
  return x >= 0 && x < state::kSystems ? Faction{SystemData[x][star_system::kOwner]}
                                       : kFactionPirates;
}
bool Campaign(std::int32_t x) {
  return IsSystem(x) && SystemData[x][star_system::kCampaign] > 0;
}
Faction Attacker(std::int32_t x) {
  return IsSystem(x) ? Faction{SystemData[x][star_system::kAttacker]} : kFactionPirates;
}
std::int32_t Kind(std::int32_t x) { return EncounterSituationOf(x); }
bool AtWarWith(Faction pf, Faction g) {
  const std::int32_t p = state::Stored(pf);
  return p >= 0 && p < state::kFactions && state::IsPower(g) &&
         FactionData[p][faction::AtWarWith(g)] > 0;
}
state::ShipSize ClassSize(state::ShipClassId c) { return state::GetShipClassSize(c); }
std::int32_t ClassPrice(state::ShipClassId c) {
  return state::GetShipClassStat(c, state::kAttrPrice);
}

// Body numbers 0..14 (the range of Random(15)) as a bit set.
using BodySet = std::uint16_t;
BodySet Bit(std::int32_t b) { return b >= 0 && b < 15 ? static_cast<BodySet>(1u << b) : 0; }

struct Board {
  std::int32_t s = 0;     // the board's system
  std::int32_t slot = 0;  // the slot being filled
  state::TMissionRow* row = nullptr;
};

// Everything one call reads again and again: the player's situation, the bodies a search can
// find in each system and the invasion-target lists, collected once per call (nothing they
// depend on changes while the boards are filled).
class OfferSearch {
 public:
  OfferSearch() {
    pf = Faction{state::PlayerData[player::kFaction]};
    psize = state::GetShipClassSize(state::ShipClassOf(state::PlayerShip));
    current = state::PlayerShip[ship::kSystem];
    currentBody = state::PlayerShip[ship::kBody];
    for (std::int32_t x = 0; x < state::kSystems; ++x) {
      for (std::int32_t b = 0; b < 15; ++b) {
        const state::TBodyRow& body = BodyData[x][b];
        if (body[body::kVisible] <= 0) continue;
        bodies_[x] |= Bit(b);
        if (state::IsInhabited(body[body::kKind])) {
          planets_[x] |= Bit(b);
          if (body[body::kDestination] <= 0) plainPlanets_[x] |= Bit(b);
        }
      }
    }
  }

  Faction pf = kFactionPirates;
  state::ShipSize psize = state::kSizeFighter;
  std::int32_t current = 0, currentBody = 0;

  BodySet Bodies(std::int32_t x) const { return Valid(x) ? bodies_[x] : 0; }
  BodySet Planets(std::int32_t x) const { return Valid(x) ? planets_[x] : 0; }
  BodySet PlainPlanets(std::int32_t x) const { return Valid(x) ? plainPlanets_[x] : 0; }

  const std::vector<std::int32_t>& Invasion(Faction attacker, Faction defender) {
    if (!state::IsFaction(attacker) || !state::IsFaction(defender)) {
      scratch_ = InvasionCandidates(attacker, defender);
      return scratch_;
    }
    Lazy& entry = invasion_[state::Stored(attacker)][state::Stored(defender)];
    if (!entry.made) {
      entry.list = InvasionCandidates(attacker, defender);
      entry.made = true;
    }
    return entry.list;
  }

 private:
  static bool Valid(std::int32_t x) { return x >= 0 && x < state::kSystems; }
  struct Lazy {
    bool made = false;
    std::vector<std::int32_t> list;
  };
  std::array<BodySet, state::kSystems> bodies_{};
  std::array<BodySet, state::kSystems> planets_{};
  std::array<BodySet, state::kSystems> plainPlanets_{};
  std::array<std::array<Lazy, 5>, 5> invasion_{};
  std::vector<std::int32_t> scratch_;
};

// Body numbers drawn with Random(15) until one in `allowed` comes up, at most 1000 draws; 0 when
// none did.
std::int32_t FindBody(BodySet allowed) {
  if (allowed == 0) {
    SkipRandomDraws(kSearchDraws);
    return 0;
  }
  state::RandomStream random;
  for (int draw = 0; draw < kSearchDraws; ++draw) {
    const std::int32_t b = random(15);
    if (allowed & Bit(b)) return b;
  }
  return 0;
}

// The enemy faction of a fight near the board: neither the player's faction nor the owner's.
void DrawEnemyFaction(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  const Faction owner = Owner(board.s);
  for (int draw = 0; draw < kSearchDraws; ++draw) {
    const Faction enemy = ChooseEncounterFaction(Kind(board.s), owner);
    row[mission::kEnemyFaction] = state::Stored(enemy);
    if (enemy != search.pf && enemy != owner) break;
  }
}

bool ClassFits(state::ShipClassId c, state::ShipSize psize, EnemyClassRule rule) {
  if (state::GetShipClassRole(c) != state::kRoleMilitary) return false;
  if (ClassSize(c) < psize) return false;
  return rule != EnemyClassRule::SingleShip || state::GetShipClassStat(c, state::kAttrGroup) == 0;
}

}  // namespace

// A warship at least as big as the player's: ChooseEncounterShipType drawn until one fits, at
// most 1000 times, the last draw standing.
state::ShipClassId DrawEnemyClass(std::int32_t kind, std::int32_t s, state::ShipSize psize,
                                  Faction faction, EnemyClassRule rule) {
  class EnemyClassTest : public EncounterClassTest {
   public:
    EnemyClassTest(state::ShipSize psize, EnemyClassRule rule) : psize_(psize), rule_(rule) {}
    bool Accepts(state::ShipClassId c) const override { return ClassFits(c, psize_, rule_); }
    bool DiscardRollFollows(state::ShipClassId c) const override {
      return rule_ == EnemyClassRule::DiscardSameSize && ClassSize(c) <= psize_;
    }

   private:
    state::ShipSize psize_;
    EnemyClassRule rule_;
  };
  return SearchEncounterShipType(kind, s, state::Stored(psize), faction,
                                 EnemyClassTest(psize, rule));
}

namespace {

Faction CampaignEnemy(OfferSearch& search, std::int32_t x) {
  return Owner(x) == search.pf ? Attacker(x) : Owner(x);
}

// The war enemy of Special Forces and Report for duty; 0 when there is none.
Faction WarEnemy(OfferSearch& search) {
  Faction e = kFactionPirates;
  const std::int32_t p = state::Stored(search.pf);
  if (p >= 0 && p < state::kFactions) {
    for (const Faction g : state::kPowers) {
      if (g != search.pf && FactionData[p][faction::RelationDays(g)] > 0) e = g;
    }
  }
  if (Random(100) < 25) e = state::kPowers[Random(4)];
  return e;
}

std::int32_t Quantity(std::int32_t good, bool large) {
  const std::int32_t price = state::GoodBasePrice[good];
  if (price <= 100) return large ? 5000 : 500;
  if (price <= 300) return large ? 3000 : 300;
  if (price <= 10000) return large ? 2000 : 200;
  return 0;
}

void Offer(Board& board, std::int32_t b, std::int32_t t) {
  state::TMissionRow& row = *board.row;
  row[mission::kActive] = 1;
  row[mission::kTargetBody] = b;
  row[mission::kTargetSystem] = t;
}

// Fleet missions head for body 2 of their target system, which they also keep as the first point.
void FleetOffer(Board& board, std::int32_t t) {
  state::TMissionRow& row = *board.row;
  Offer(board, state::kMainPlanetBody, t);
  row[mission::kFirstPointBody] = state::kMainPlanetBody;
  row[mission::kFirstPointSystem] = t;
  row[mission::kSubject] = 1;
  row[mission::kEnemyFaction] = state::Stored(Owner(t));
}

void Brief(Board& board) {
  if ((*board.row)[mission::kActive] != 0)
    GetMissionBriefing(MissionType{(*board.row)[mission::kType]}, 0, board.s, board.slot);
}

std::int32_t RandomCandidate(const std::vector<std::int32_t>& candidates) {
  if (candidates.empty()) return 0;
  return candidates[Random(static_cast<std::int32_t>(candidates.size()))];
}

// The opening of a fight at a body of the board's own system, drawn from `allowed`: false, and
// no offer, when no body came up.
bool OfferFightInBoardSystem(BodySet allowed, Board& board) {
  const std::int32_t b = FindBody(allowed);
  if (b == 0) return false;
  Offer(board, b, board.s);
  (*board.row)[mission::kSubject] = 1;
  return true;
}

// A fleet mission against one of `candidates`, drawn at random, paying the reward of `weight`;
// no offer without a candidate.
void FleetOfferAmong(const std::vector<std::int32_t>& candidates, std::int32_t weight,
                     Board& board) {
  if (candidates.empty()) return;
  FleetOffer(board, RandomCandidate(candidates));
  (*board.row)[mission::kReward] = ComputeMissionReward(weight);
  Brief(board);
}

// --- Type steps ---------------------------------------------------------------------------------

// Search && Destroy (type 1) and Strike (type 9); a bigger enemy makes them Ambush or Assault.
void HuntStep(OfferSearch& search, Board& board, bool strike) {
  state::TMissionRow& row = *board.row;
  if (!OfferFightInBoardSystem(search.Bodies(board.s), board)) return;
  DrawEnemyFaction(search, board);
  if (strike && Campaign(board.s))
    row[mission::kEnemyFaction] = state::Stored(CampaignEnemy(search, board.s));
  const state::ShipClassId enemyClass =
      DrawEnemyClass(Kind(board.s), board.s, search.psize, Faction{row[mission::kEnemyFaction]},
                     strike ? EnemyClassRule::Plain : EnemyClassRule::DiscardSameSize);
  row[mission::kSubject] = state::Stored(enemyClass);
  row[mission::kReward] = ClassPrice(enemyClass) / (17 + Random(5));
  if (ClassSize(enemyClass) > search.psize)
    row[mission::kType] = state::Stored(strike ? kMissionAssault : kMissionAmbush);
  // An offer to fight no ship is never made.
  if (row[mission::kSubject] == 0) row[mission::kActive] = 0;
  Brief(board);
}

// Patrol, Combat patrol, Escort and Recon: three different nav points in the board's system.
void NavPointStep(OfferSearch& search, Board& board, MissionType type) {
  state::TMissionRow& row = *board.row;
  const std::int32_t s = board.s;
  BodySet first = search.Bodies(s);
  // A patrol never starts at the body the ship is at.
  if (type == kMissionPatrol && s == search.current) first &= static_cast<BodySet>(~Bit(search.currentBody));
  const std::int32_t b1 = FindBody(first);
  const std::int32_t b2 = FindBody(search.Bodies(s) & static_cast<BodySet>(~Bit(b1)));
  const std::int32_t b3 = FindBody(search.Bodies(s) & static_cast<BodySet>(~(Bit(b1) | Bit(b2))));
  if (b1 == 0 || b2 == 0 || b3 == 0) return;
  row[mission::kFirstPointBody] = b1, row[mission::kFirstPointSystem] = s;
  row[mission::kSecondPointBody] = b2, row[mission::kSecondPointSystem] = s;
  row[mission::kThirdPointBody] = b3, row[mission::kThirdPointSystem] = s;
  Offer(board, b1, s);
  row[mission::kSubject] = 1;
  const std::int32_t reward = ComputeMissionReward(1);
  row[mission::kReward] = type == kMissionEscort ? reward : reward / 3;
  Brief(board);
}

// Transport, Supply and Combat transport: a good to bring to a planet of `t`.
void DeliveryStep(OfferSearch& search, Board& board, std::int32_t t, bool large, std::int32_t weight) {
  state::TMissionRow& row = *board.row;
  const std::int32_t b = FindBody(search.Planets(t));
  if (b == 0) return;
  Offer(board, b, t);
  row[mission::kSubject] = Random(12) + 1;
  row[mission::kEnemyFaction] = Quantity(row[mission::kSubject], large);
  row[mission::kReward] = ComputeMissionReward(weight);
  Brief(board);
}

// A system of the board owner's own space other than the current one (Bounty, Supply).
std::int32_t NearbyOwnSystem(OfferSearch& search, Board& board) {
  const Faction owner = Owner(board.s);
  return RedrawInvasionTarget(search.Invasion(owner, owner),
                              [&](std::int32_t t) { return t != search.current; });
}

void BountyStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  const std::int32_t t = NearbyOwnSystem(search, board);
  if (t == 0) return;
  const std::int32_t b = FindBody(search.Bodies(t));
  if (b == 0) return;
  Offer(board, b, t);
  row[mission::kSubject] = 1;
  row[mission::kEnemyFaction] = state::Stored(kFactionPirates);
  const state::ShipClassId enemyClass =
      DrawEnemyClass(Kind(t), board.s, search.psize, kFactionPirates, EnemyClassRule::Plain);
  row[mission::kSubject] = state::Stored(enemyClass);
  if (enemyClass == state::kNoShipClass) row[mission::kActive] = 0;
  row[mission::kReward] = ClassPrice(enemyClass) / (10 + Random(3));
  if (row[mission::kActive] == 0) return;
  Brief(board);
  GetBountyTargetName(0, board.s, board.slot);
}

// Special Forces (type 7) and Report for duty (type 8): a body of a system of the war enemy, or
// of a campaign the player's faction fights in.
void DeploymentStep(OfferSearch& search, Board& board, bool reportForDuty) {
  state::TMissionRow& row = *board.row;
  const Faction e = WarEnemy(search);
  if (e == kFactionPirates) return;
  const Faction pf = search.pf;
  const std::int32_t t = RedrawInvasionTarget(
      search.Invasion(Owner(board.s), e), [&](std::int32_t x) {
        if (x == search.current) return false;
        if (!reportForDuty) return Owner(x) != pf;
        return Campaign(x) && (Attacker(x) == pf || Owner(x) == pf);
      });
  if (t == 0) return;
  const std::int32_t b = FindBody(search.Bodies(t));
  if (b == 0) return;
  Offer(board, b, t);
  row[mission::kFirstPointBody] = b;
  row[mission::kFirstPointSystem] = t;
  row[mission::kSubject] = 1;
  row[mission::kReward] = ComputeMissionReward(reportForDuty ? 1 : 2);
  Brief(board);
}

void InfiltrateStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  const std::int32_t s = board.s;
  const Faction e = CampaignEnemy(search, s);
  std::int32_t t = 0;
  for (std::int32_t b = 1; b <= state::kLastBody && t == 0; ++b) {
    const state::TBodyRow& body = BodyData[s][b];
    if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole ||
        !IsSystem(body[body::kDestination]))
      continue;
    const std::int32_t d = body[body::kDestination];
    if (Owner(d) == e && d != search.current && Owner(d) != search.pf) t = d;
  }
  if (t == 0) t = PickFromCandidates(search.Invasion(Owner(s), e));
  // Without a system behind the lines there is nothing to infiltrate.
  if (t == 0) return;
  row[mission::kFirstPointBody] = 1;
  row[mission::kFirstPointSystem] = t;
  Offer(board, 1, t);
  row[mission::kSubject] = 1;
  row[mission::kReward] = ComputeMissionReward(3);
  Brief(board);
}

// The friendly system of Marine Landing and Evacuation: behind a wormhole of the board's system
// into the player's space, preferably not the current system, else an invasion target.
std::int32_t FriendlySystemNear(OfferSearch& search, std::int32_t s) {
  std::int32_t t = 0;
  for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& body = BodyData[s][b];
    if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole ||
        !IsSystem(body[body::kDestination]))
      continue;
    if (Owner(body[body::kDestination]) != search.pf) continue;
    t = body[body::kDestination];
    if (t != search.current) break;
  }
  if (t == 0) t = PickFromCandidates(search.Invasion(Owner(s), CampaignEnemy(search, s)));
  return t;
}

void MarineLandingStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  if (Attacker(board.s) != search.pf) return;
  const std::int32_t t = FriendlySystemNear(search, board.s);
  const std::int32_t pickUp = FindBody(search.Planets(t));
  const std::int32_t drop = FindBody(search.Planets(search.current));
  if (pickUp == 0 || drop == 0) return;
  row[mission::kFirstPointBody] = pickUp, row[mission::kFirstPointSystem] = t;
  row[mission::kSecondPointBody] = drop, row[mission::kSecondPointSystem] = search.current;
  Offer(board, pickUp, t);
  row[mission::kSubject] = 1;
  row[mission::kReward] = ComputeMissionReward(2);
  Brief(board);
}

void EvacuationStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  if (Owner(board.s) != search.pf) return;
  const std::int32_t pickUp = FindBody(search.Planets(search.current));
  const std::int32_t t = FriendlySystemNear(search, board.s);
  const std::int32_t drop = FindBody(search.Planets(t));
  if (pickUp == 0 || drop == 0) return;
  row[mission::kFirstPointBody] = pickUp, row[mission::kFirstPointSystem] = search.current;
  row[mission::kSecondPointBody] = drop, row[mission::kSecondPointSystem] = t;
  Offer(board, pickUp, search.current);
  row[mission::kSubject] = 1;
  row[mission::kReward] = ComputeMissionReward(2);
  Brief(board);
}

void AbductionStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  const std::int32_t s = board.s;
  std::int32_t t = 0;
  for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& body = BodyData[s][b];
    if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole ||
        !IsSystem(body[body::kDestination]))
      continue;
    if (Random(100) < 60) t = body[body::kDestination];
  }
  if (t == 0) t = search.current;
  const std::int32_t b = FindBody(search.Planets(t));
  if (b == 0) return;
  Offer(board, b, t);
  row[mission::kSubject] = 1;
  const Faction enemy = Campaign(s) ? CampaignEnemy(search, s) : kFactionPirates;
  row[mission::kEnemyFaction] = state::Stored(enemy);
  const state::ShipClassId enemyClass =
      DrawEnemyClass(Kind(t), s, search.psize, enemy, EnemyClassRule::SingleShip);
  row[mission::kSubject] = state::Stored(enemyClass);
  row[mission::kReward] = ClassPrice(enemyClass) / (10 + Random(3));
  if (enemyClass == state::kNoShipClass) {
    row[mission::kActive] = 0;
    return;
  }
  Brief(board);
  row[mission::kFirstPointBody] = Random(10) + 1;
}

void AnalysisStep(Board& board) {
  state::TMissionRow& row = *board.row;
  row[mission::kActive] = 1;
  row[mission::kSubject] = 50;
  row[mission::kReward] = ComputeMissionReward(4);
  Brief(board);
}

void BlitzkriegStep(OfferSearch& search, Board& board) {
  std::int32_t t = 0;
  for (const Faction g : state::kPowers) {
    if (AtWarWith(search.pf, g)) t = state::HomeSystem(g);
  }
  if (t == 0) return;
  FleetOffer(board, t);
  const std::int64_t reward = static_cast<std::int64_t>(ComputeMissionReward(4)) * 3;
  (*board.row)[mission::kReward] = static_cast<std::int32_t>(
      std::min<std::int64_t>(reward, std::numeric_limits<std::int32_t>::max()));
  Brief(board);
}

void FlankingStep(OfferSearch& search, Board& board) {
  const Faction g = Owner(board.s);
  std::vector<std::int32_t> candidates;
  if (g != search.pf && AtWarWith(search.pf, g)) {
    for (std::int32_t x = 1; x <= state::kLastSystem; ++x) {
      if (Present(x) && !Campaign(x) && Owner(x) == g) candidates.push_back(x);
    }
  }
  FleetOfferAmong(candidates, 5, board);
}

void SuppressionStep(OfferSearch& search, Board& board) {
  std::vector<std::int32_t> candidates;
  for (std::int32_t x = 1; x <= state::kLastSystem; ++x) {
    if (Present(x) && !Campaign(x) && Owner(x) == search.pf &&
        x != state::HomeSystem(search.pf)) {
      candidates.push_back(x);
    }
  }
  FleetOfferAmong(candidates, 4, board);
}

void BombingRunStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  if (!OfferFightInBoardSystem(search.PlainPlanets(board.s), board)) return;
  if (Owner(board.s) == search.pf) row[mission::kActive] = 0;
  row[mission::kEnemyFaction] = state::Stored(Owner(board.s));
  row[mission::kReward] = ComputeMissionReward(4);
  Brief(board);
}

void BattleStep(OfferSearch& search, Board& board) {
  state::TMissionRow& row = *board.row;
  if (!OfferFightInBoardSystem(search.Bodies(board.s), board)) return;
  DrawEnemyFaction(search, board);
  if (Campaign(board.s))
    row[mission::kEnemyFaction] = state::Stored(CampaignEnemy(search, board.s));
  row[mission::kReward] = ComputeMissionReward(4);
  Brief(board);
}

// The present systems behind the visible wormholes of x that `owner` holds, in body order.
void AddNeighboursOwnedBy(std::int32_t x, Faction owner, std::vector<std::int32_t>& out) {
  for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& body = BodyData[x][b];
    if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole) continue;
    if (Present(body[body::kDestination]) && Owner(body[body::kDestination]) == owner)
      out.push_back(body[body::kDestination]);
  }
}

void SiegeStep(OfferSearch& search, Board& board) {
  std::vector<std::int32_t> candidates;
  for (std::int32_t x = 1; x <= state::kLastSystem; ++x) {
    if (Present(x) && Campaign(x) && Attacker(x) == search.pf) AddNeighboursOwnedBy(x, Owner(x), candidates);
  }
  for (std::int32_t x = 1; x <= state::kLastSystem; ++x) {
    if (Present(x) && Campaign(x) && Owner(x) == search.pf) AddNeighboursOwnedBy(x, Attacker(x), candidates);
  }
  FleetOfferAmong(candidates, 4, board);
}

void RaidingStep(OfferSearch& search, Board& board) {
  const std::int32_t s = board.s;
  std::vector<std::int32_t> candidates;
  if (Attacker(s) == search.pf) AddNeighboursOwnedBy(s, Owner(s), candidates);
  if (Owner(s) == search.pf) AddNeighboursOwnedBy(s, Attacker(s), candidates);
  FleetOfferAmong(candidates, 4, board);
}

void RunTypeStep(OfferSearch& search, Board& board, MissionType type) {
  switch (type) {
    case kMissionSearchAndDestroy: HuntStep(search, board, false); break;
    case kMissionStrike: HuntStep(search, board, true); break;
    case kMissionPatrol:
    case kMissionCombatPatrol:
    case kMissionEscort:
    case kMissionRecon: NavPointStep(search, board, type); break;
    case kMissionTransport: DeliveryStep(search, board, board.s, false, 2); break;
    case kMissionCombatTransport: DeliveryStep(search, board, board.s, true, 3); break;
    case kMissionSupply: {
      const std::int32_t t = NearbyOwnSystem(search, board);
      if (t != 0) DeliveryStep(search, board, t, true, 3);
      break;
    }
    case kMissionBounty: BountyStep(search, board); break;
    case kMissionSpecialForces: DeploymentStep(search, board, false); break;
    case kMissionReportForDuty: DeploymentStep(search, board, true); break;
    case kMissionInfiltrate: InfiltrateStep(search, board); break;
    case kMissionMarineLanding: MarineLandingStep(search, board); break;
    case kMissionEvacuation: EvacuationStep(search, board); break;
    case kMissionAbduction: AbductionStep(search, board); break;
    case kMissionAnalysis: AnalysisStep(board); break;
    case kMissionBlitzkrieg: BlitzkriegStep(search, board); break;
    case kMissionFlanking: FlankingStep(search, board); break;
    case kMissionSuppression: SuppressionStep(search, board); break;
    case kMissionBombingRun: BombingRunStep(search, board); break;
    case kMissionBattle: BattleStep(search, board); break;
    case kMissionSiege: SiegeStep(search, board); break;
    case kMissionRaiding: RaidingStep(search, board); break;
    default: break;  // Ambush, Assault and Flagship are never drawn
  }
}

bool BoardHas(std::int32_t s, MissionType type) {
  for (std::int32_t k = 1; k <= state::kLastOfferSlot; ++k) {
    const state::TMissionRow& row = state::MissionOffers[s][k];
    if (row[mission::kActive] == 1 && MissionType{row[mission::kType]} == type) return true;
  }
  return false;
}

MissionType BaseDraw(OfferSearch& search, std::int32_t s) {
  if (search.psize == state::kSizeFighter) {
    const std::int32_t r = Random(100);
    MissionType type = r <= 30   ? kMissionSearchAndDestroy
                       : r <= 60 ? kMissionPatrol
                                 : kMissionTransport;
    // A fighter pilot's board always holds the three kinds of work a fighter can do.
    if (!BoardHas(s, kMissionSearchAndDestroy)) type = kMissionSearchAndDestroy;
    if (!BoardHas(s, kMissionPatrol)) type = kMissionPatrol;
    if (!BoardHas(s, kMissionTransport)) type = kMissionTransport;
    return type;
  }
  const bool coalition = search.pf == kFactionCoalition;
  if (search.psize <= state::kSizeCruiser) {
    const std::int32_t r = Random(106);
    if (r <= 30) return kMissionSearchAndDestroy;
    if (r <= 60) return kMissionBounty;
    if (r <= 70) return kMissionSupply;
    if (r <= 90) return kMissionSpecialForces;
    if (r <= 100) return kMissionReportForDuty;
    return coalition ? kMissionAnalysis : kMissionReportForDuty;
  }
  const std::int32_t r = Random(180);
  if (r <= 30) return kMissionSearchAndDestroy;
  if (r <= 70) return kMissionBounty;
  if (r <= 90) return kMissionSpecialForces;
  if (r <= 100) return kMissionReportForDuty;
  if (r <= 105) return coalition ? kMissionAnalysis : kMissionBlitzkrieg;
  if (r <= 120) return kMissionBlitzkrieg;
  if (r <= 140) return kMissionFlanking;
  if (r <= 160) return kMissionSuppression;
  return kMissionSiege;
}

MissionType CampaignDraw(OfferSearch& search) {
  const std::int32_t r = search.psize == state::kSizeBattleship ? Random(210) : Random(120);
  if (r <= 15) return kMissionStrike;
  if (r <= 30) return kMissionEscort;
  if (r <= 45) return kMissionCombatPatrol;
  if (r <= 60) return kMissionRecon;
  if (r <= 70) return kMissionCombatTransport;
  if (r <= 85) return kMissionStrike;
  if (r <= 90) return kMissionInfiltrate;
  if (r <= 100) return kMissionMarineLanding;
  if (r <= 110) return kMissionEvacuation;
  if (search.psize < state::kSizeBattleship || r <= 120) return kMissionAbduction;
  if (r <= 150) return kMissionBombingRun;
  if (r <= 180) return kMissionBattle;
  return kMissionRaiding;
}

// The slot a call fills on board s: the highest empty one; on a full board a random one, one
// time in five; 0 for none.
std::int32_t SlotToFill(std::int32_t s) {
  for (std::int32_t k = state::kLastOfferSlot; k >= 1; --k) {
    if (state::MissionOffers[s][k][mission::kActive] == 0) return k;
  }
  const std::int32_t k = Random(30) + 1;
  return k <= state::kLastOfferSlot ? k : 0;
}

}  // namespace

std::vector<std::int32_t> InvasionCandidates(Faction attacker, Faction defender) {
  std::vector<std::int32_t> candidates;
  for (std::int32_t s = 1; s <= state::kLastSystem; ++s) {
    if (!Present(s) || Faction{SystemData[s][star_system::kOwner]} != attacker) continue;
    for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& body = BodyData[s][b];
      if (body[body::kVisible] <= 0 || body[body::kKind] != state::kKindWormhole) continue;
      const std::int32_t t = body[body::kDestination];
      if (!IsSystem(t) || EconomyClass{SystemData[t][star_system::kClass]} == kEconomyCapital)
        continue;
      // The pirates own no system: as the defender they stand for any owner.
      if (defender == kFactionPirates || Faction{SystemData[t][star_system::kOwner]} == defender)
        candidates.push_back(t);
    }
  }
  return candidates;
}

std::int32_t PickFromCandidates(const std::vector<std::int32_t>& candidates) {
  if (candidates.empty()) return 0;
  if (candidates.size() == 1) return candidates.front();
  return candidates[Random(static_cast<std::int32_t>(candidates.size()))];
}

std::int32_t RedrawInvasionTarget(const std::vector<std::int32_t>& candidates,
                                  const std::function<bool(std::int32_t)>& fits, int maxDraws) {
  if (maxDraws <= 0) return 0;
  // Zero or one candidate: every draw gives the same answer and uses no random number.
  if (candidates.size() <= 1) {
    const std::int32_t t = PickFromCandidates(candidates);
    return fits(t) ? t : 0;
  }
  if (std::none_of(candidates.begin(), candidates.end(), fits)) {
    SkipRandomDraws(static_cast<std::uint64_t>(maxDraws));
    return 0;
  }
  for (int draw = 0; draw < maxDraws; ++draw) {
    const std::int32_t t = PickFromCandidates(candidates);
    if (fits(t)) return t;
  }
  return 0;
}

void SkipRandomDraws(std::uint64_t draws) {
  state::RandSeed = state::RandomJumpOf(draws).From(state::RandSeed);
}

void GenerateMissionOffers(Ui& ui) {
  (void)ui;
  OfferSearch search;
  // The boards offer work for the player's ship; without a ship there is no size to offer for.
  if (!state::IsShipSize(search.psize)) return;
  for (std::int32_t s = 1; s <= state::kLastSystem; ++s) {
    const std::int32_t k = SlotToFill(s);
    if (k == 0) continue;
    Board board{s, k, &state::MissionOffers[s][k]};
    state::TMissionRow& row = *board.row;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      for (int field = 1; field <= 100; ++field) row.At(field) = 0;
      MissionType type = BaseDraw(search, s);
      if (Campaign(s) && search.psize >= state::kSizeCorvette) {
        row[mission::kCampaignSystem] = s;
        type = CampaignDraw(search);
      }
      row[mission::kType] = state::Stored(type);
      RunTypeStep(search, board, type);
      if (row[mission::kActive] != 0) break;
    }
  }
}

}  // namespace rules
