// The mission boards: rewards, opponents, how boards fill, the cheap searches that must draw
// exactly like the plain ones, and a property run that checks every offer made.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "rules/briefings.h"
#include "rules/diplomacy.h"
#include "rules/mission_offers.h"
#include "rules/missions.h"
#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using state::FactionData;
using state::MissionOffers;
using state::Random;
using state::SystemData;

// This model of the boards works in the numbers the mission rows hold: a class and its size
// category as stored.
int SizeOf(int c) { return state::Stored(state::GetShipClassSize(state::ShipClassId{c})); }
state::ShipRole RoleOf(int c) { return state::GetShipClassRole(state::ShipClassId{c}); }
int StatOf(int c, state::ShipClassAttribute a) {
  return state::GetShipClassStat(state::ShipClassId{c}, a);
}

int ClassOfSize(int size) {
  for (const state::ShipClassId c : state::kEveryShipClass) {
    if (state::Stored(state::GetShipClassSize(c)) == size) return state::Stored(c);
  }
  return 0;
}

void SetWar(int f, int g, bool war) {
  FactionData[f][faction::kAtWarWith + g] = FactionData[g][faction::kAtWarWith + f] = war ? 1 : 0;
  FactionData[f][faction::kRelationDays + g] = FactionData[g][faction::kRelationDays + f] =
      war ? 40 : -40;
}

class Offers : public ::testing::Test {
 protected:
  void SetUp() override { NewWorld(1, 2, 1); }

  void NewWorld(int faction, int size, std::uint32_t seed) {
    state::ClearGameState();
    state::PlayerData[player::kProfession] = 3;
    state::PlayerData[player::kFaction] = faction;
    state::BuildNewWorld(state::StartShipClass(kProfessionMercenary, Faction{faction}));
    state::PlayerShip[ship::kClass] = ClassOfSize(size);
    state::Randomize(seed);
  }

  support::ScriptUi ui;
};

TEST_F(Offers, SkippingDrawsLandsWhereDrawingWould) {
  for (const std::uint64_t n : {0ull, 1ull, 2ull, 7ull, 999ull, 1000ull, 123457ull}) {
    state::Randomize(0xdeadbeef);
    for (std::uint64_t i = 0; i < n; ++i) Random(15);
    const std::uint32_t drawn = state::RandSeed;
    state::Randomize(0xdeadbeef);
    rules::SkipRandomDraws(n);
    EXPECT_EQ(state::RandSeed, drawn) << n;
  }
}

TEST_F(Offers, CollectedInvasionTargetsDrawLikeTheirRule) {
  SetWar(1, 4, true);
  for (int a = 0; a <= 4; ++a) {
    for (int d = 0; d <= 4; ++d) {
      for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        state::Randomize(seed);
        const int expected = rules::PickInvasionTarget(Faction{a}, Faction{d});
        const std::uint32_t after = state::RandSeed;
        state::Randomize(seed);
        EXPECT_EQ(rules::PickFromCandidates(rules::InvasionCandidates(Faction{a}, Faction{d})), expected)
            << a << d;
        EXPECT_EQ(state::RandSeed, after);
      }
    }
  }
}

TEST_F(Offers, RedrawingFromTheListDrawsLikeRedrawingTheRule) {
  const int current = state::PlayerShip[ship::kSystem];
  struct Case {
    const char* name;
    std::function<bool(int)> fits;
  };
  const Case cases[] = {
      {"not the current system", [&](int t) { return t != current; }},
      {"a rare one", [](int t) { return t == 23; }},
      {"none at all", [](int) { return false; }},
      {"any", [](int) { return true; }},
  };
  for (const Case& c : cases) {
    for (int a = 1; a <= 4; ++a) {
      for (int d = 0; d <= 4; ++d) {
        state::Randomize(77 + a * 5 + d);
        int plain = 0;
        for (int draw = 0; draw < 1000; ++draw) {
          const int t = rules::PickInvasionTarget(Faction{a}, Faction{d});
          if (c.fits(t)) {
            plain = t;
            break;
          }
        }
        const std::uint32_t after = state::RandSeed;
        state::Randomize(77 + a * 5 + d);
        EXPECT_EQ(rules::RedrawInvasionTarget(rules::InvasionCandidates(Faction{a}, Faction{d}), c.fits), plain)
            << c.name << " " << a << "," << d;
        EXPECT_EQ(state::RandSeed, after) << c.name << " " << a << "," << d;
      }
    }
  }
}

TEST_F(Offers, TheEnemyClassDrawMatchesThePlainSearch) {
  using rules::EnemyClassRule;
  for (int psize = 1; psize <= 5; ++psize) {
    for (int faction = 0; faction <= 4; ++faction) {
      for (int kind = rules::kSituationCapital; kind <= rules::kSituationCampaign; ++kind) {
        for (const EnemyClassRule rule :
             {EnemyClassRule::Plain, EnemyClassRule::DiscardSameSize, EnemyClassRule::SingleShip}) {
          // Several seeds: a search steps over the tries no fitting class can follow, and where
          // those end depends on the numbers drawn.
          for (std::uint32_t seed = 1000 + psize * 100 + faction * 10 + kind; seed < 60000;
               seed += 9973) {
            state::Randomize(seed);
            int plain = 0;
            for (int draw = 0; draw < 1000; ++draw) {
              plain = state::Stored(rules::ChooseEncounterShipType(kind, 5, psize, Faction{faction}));
              if (rule == EnemyClassRule::DiscardSameSize && SizeOf(plain) <= psize &&
                  Random(100) <= 40) {
                plain = 0;
              }
              if (RoleOf(plain) != state::kRoleMilitary) continue;
              if (SizeOf(plain) < psize) continue;
              if (rule == EnemyClassRule::SingleShip && StatOf(plain, state::kAttrGroup) != 0) {
                continue;
              }
              break;
            }
            const std::uint32_t after = state::RandSeed;
            state::Randomize(seed);
            EXPECT_EQ(state::Stored(
                          rules::DrawEnemyClass(kind, 5, state::ShipSize{psize}, Faction{faction}, rule)),
                      plain)
                << psize << " " << faction << " " << kind << " " << static_cast<int>(rule);
            EXPECT_EQ(state::RandSeed, after);
          }
        }
      }
    }
  }
}

// The search a new special ship's class comes from: no warship on some days, no pirate trader,
// and a search that can accept nothing at all, in systems of the player's faction and others.
TEST_F(Offers, EncounterSearchesDrawLikeThePlainLoop) {
  class Test : public rules::EncounterClassTest {
   public:
    Test(int faction, int mode) : faction_(faction), mode_(mode) {}
    bool Accepts(state::ShipClassId c) const override {
      const state::ShipRole role = state::GetShipClassRole(c);
      if (mode_ == 2) return false;
      if (mode_ == 1 && role == state::kRoleMilitary) return false;
      return c != state::kNoShipClass &&
             !(role == state::kRoleCivilian && Faction{faction_} == kFactionPirates);
    }

   private:
    int faction_, mode_;
  };
  for (const int s : {1, 5, 12, 16}) {
    for (int size = 1; size <= 5; ++size) {
      for (int faction = 0; faction <= 4; ++faction) {
        for (int kind = rules::kSituationCapital; kind <= rules::kSituationCampaign; ++kind) {
          for (int mode = 0; mode <= 2; ++mode) {
            const Test test(faction, mode);
            const std::uint32_t seed = 7000 + s * 1000 + size * 100 + faction * 10 + kind + mode;
            state::Randomize(seed);
            int plain = 0;
            for (int draw = 0; draw < 1000; ++draw) {
              plain = state::Stored(rules::ChooseEncounterShipType(kind, s, size, Faction{faction}));
              if (test.Accepts(state::ShipClassId{plain})) break;
            }
            const std::uint32_t after = state::RandSeed;
            state::Randomize(seed);
            EXPECT_EQ(state::Stored(rules::SearchEncounterShipType(kind, s, size, Faction{faction}, test)),
                      plain)
                << s << " " << size << " " << faction << " " << kind << " " << mode;
            EXPECT_EQ(state::RandSeed, after);
          }
        }
      }
    }
  }
}

TEST_F(Offers, RewardsLieInTheirBands) {
  struct Case {
    int size;
    int weight;
    int low, high;
  };
  const Case cases[] = {{1, 1, 5000, 9999}, {4, 1, 20000, 39999}, {5, 1, 125000, 249999},
                        {2, 3, 30000, 59999}, {5, 5, 625000, 1249999}};
  for (const Case& c : cases) {
    state::PlayerShip[ship::kClass] = ClassOfSize(c.size);
    int lowest = c.high, highest = c.low;
    for (int i = 0; i < 3000; ++i) {
      const int r = rules::ComputeMissionReward(c.weight);
      lowest = std::min(lowest, r);
      highest = std::max(highest, r);
    }
    EXPECT_GE(lowest, c.low) << c.size;
    EXPECT_LE(highest, c.high) << c.size;
    EXPECT_LT(lowest, c.low + (c.high - c.low) / 20) << "the whole band is reached";
    EXPECT_GT(highest, c.high - (c.high - c.low) / 20);
  }
}

TEST_F(Offers, OpponentFactionsFollowTheirTable) {
  SetWar(2, 3, true);
  struct Case {
    int kind, r, expected;
  };
  const Case cases[] = {{1, 20, 0}, {1, 21, 2}, {1, 70, 2}, {1, 71, 3}, {2, 30, 0}, {2, 31, 2},
                        {2, 60, 2}, {2, 61, 3}, {3, 20, 0}, {3, 21, 2}, {3, 40, 2}, {3, 41, 3},
                        {4, 50, 0}};
  for (const Case& c : cases) {
    std::uint32_t seed = 0;
    for (;; ++seed) {
      state::Randomize(seed);
      if (Random(100) == c.r) break;
    }
    state::Randomize(seed);
    EXPECT_EQ(rules::ChooseEncounterFaction(c.kind, kFactionOuterRim), Faction{c.expected})
        << c.kind << " " << c.r;
  }
  // At war with nobody, the enemy share goes to the faction itself.
  SetWar(2, 3, false);
  EXPECT_EQ(rules::PickWarEnemyFaction(kFactionOuterRim), kFactionPirates);
  for (int i = 0; i < 200; ++i)
    EXPECT_NE(rules::ChooseEncounterFaction(3, kFactionOuterRim), kFactionCoalition);
}

TEST_F(Offers, AnEmptyBoardFillsFromTheTopAndAFighterGetsEachKindOfWorkFirst) {
  NewWorld(1, 1, 9);
  std::vector<int> types;
  for (int call = 0; call < 6; ++call) {
    rules::GenerateMissionOffers(ui);
    const int slot = 6 - call;
    ASSERT_EQ(MissionOffers[1][slot][mission::kActive], 1) << "slot " << slot;
    types.push_back(MissionOffers[1][slot][mission::kType]);
    if (slot > 1) { EXPECT_EQ(MissionOffers[1][slot - 1][mission::kActive], 0); }
  }
  EXPECT_EQ(types[0], state::Stored(kMissionTransport));
  EXPECT_EQ(types[1], state::Stored(kMissionPatrol));
  EXPECT_TRUE(types[2] == state::Stored(kMissionSearchAndDestroy) ||
              types[2] == state::Stored(kMissionAmbush));
}

TEST_F(Offers, AFullBoardChangesOneTimeInFive) {
  for (int call = 0; call < 6; ++call) rules::GenerateMissionOffers(ui);
  int changes = 0;
  const int calls = 3000;
  std::set<int> slots;
  for (int call = 0; call < calls; ++call) {
    const auto before = MissionOffers[3];
    rules::GenerateMissionOffers(ui);
    for (int k = 1; k <= 6; ++k) {
      if (MissionOffers[3][k] != before[k]) {
        ++changes;
        slots.insert(k);
        break;
      }
    }
  }
  EXPECT_GT(changes, calls / 5 - calls / 25);
  EXPECT_LT(changes, calls / 5 + calls / 25);
  EXPECT_EQ(slots.size(), 6u);
}

// What an offer on board s must be for a player of faction pf in a ship of size psize.
void ExpectValidOffer(int s, int k, int pf, int psize) {
  const state::TMissionRow& o = MissionOffers[s][k];
  const int type = o[mission::kType];
  const std::string where = "board " + std::to_string(s) + " slot " + std::to_string(k) + " type " +
                            std::to_string(type) + " size " + std::to_string(psize) + " faction " +
                            std::to_string(pf);
  const bool campaign = SystemData[s][star_system::kCampaign] > 0 && psize >= 2;
  std::set<int> allowed;
  if (psize == 1) {
    allowed = {1, 2, 3, 4};
  } else if (campaign) {
    allowed = {9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    if (psize == 5) allowed.insert({23, 24, 26});
  } else {
    allowed = {1, 4, 5, 7, 8};
    if (psize < 5) allowed.insert(6);
    if (psize == 5) allowed.insert({20, 21, 22, 25});
    if (pf == 3) allowed.insert(19);
  }
  ASSERT_TRUE(allowed.count(type)) << where;
  EXPECT_EQ(o[mission::kCampaignSystem], campaign ? s : 0) << where;
  EXPECT_GE(o[mission::kBriefingVariant], 1) << where << ": the briefing was drawn";

  const auto visibleBody = [](int system, int body) {
    return system >= 1 && system <= 24 && SystemData[system][star_system::kPresent] > 0 &&
           body >= 1 && body <= 15 && state::BodyData[system][body][body::kVisible] > 0;
  };
  if (type != state::Stored(kMissionAnalysis)) {
    EXPECT_TRUE(visibleBody(o[mission::kTargetSystem], o[mission::kTargetBody])) << where;
  }

  const int unit = 10000 * psize * (psize == 5 ? 5 : 1) / 2;
  const auto inBand = [&](int weight) {
    return o[mission::kReward] >= weight * unit && o[mission::kReward] < 2 * weight * unit;
  };
  switch (type) {
    case 1: case 4: case 9: case 12: case 5: case 18: {
      ASSERT_GE(o[mission::kEnemyClass], 1) << where << ": a real enemy class";
      ASSERT_LE(o[mission::kEnemyClass], state::Stored(state::kLastShipClass)) << where;
      const int price = StatOf(o[mission::kEnemyClass], state::kAttrPrice);
      const bool hunt = type == 5 || type == 18;
      bool matches = false;
      for (int d = hunt ? 10 : 17; d <= (hunt ? 12 : 21); ++d)
        matches = matches || o[mission::kReward] == price / d;
      EXPECT_TRUE(matches) << where;
      const bool bigger = SizeOf(o[mission::kEnemyClass]) > psize;
      if (type == 1 || type == 9) { EXPECT_FALSE(bigger) << where; }
      if (type == 4 || type == 12) { EXPECT_TRUE(bigger) << where; }
      if (type == 5) {
        EXPECT_TRUE(o[mission::kNameVariant] >= 1 && o[mission::kNameVariant] <= 10) << where;
      }
      if (type == 5) {
        EXPECT_NE(o[mission::kTargetSystem], state::PlayerShip[ship::kSystem]) << where;
      }
      break;
    }
    case 2: case 10: case 14: case 15: {
      EXPECT_TRUE(inBand(1) || (type != 14 && o[mission::kReward] >= unit / 3 &&
                                o[mission::kReward] < 2 * unit / 3 + 1))
          << where;
      const std::set<int> points{o[mission::kFirstPointBody], o[mission::kSecondPointBody],
                                 o[mission::kThirdPointBody]};
      EXPECT_EQ(points.size(), 3u) << where;
      for (auto p = mission::kFirstPointBody; p <= mission::kThirdPointBody; p = p + 2)
        EXPECT_TRUE(visibleBody(o[p + 1], o[p]) && o[p + 1] == s) << where;
      break;
    }
    case 3: case 6: case 11: {
      EXPECT_TRUE(o[mission::kGood] >= 1 && o[mission::kGood] <= 12) << where;
      const std::set<int> quantities = type == 3 ? std::set<int>{500, 300, 200} : std::set<int>{5000, 3000, 2000};
      EXPECT_TRUE(quantities.count(o[mission::kQuantity])) << where;
      EXPECT_GE(state::BodyData[o[mission::kTargetSystem]][o[mission::kTargetBody]][body::kKind], 1)
          << where << ": a planet";
      EXPECT_TRUE(inBand(type == 3 ? 2 : 3)) << where;
      break;
    }
    case 7: case 8:
      EXPECT_NE(o[mission::kTargetSystem], state::PlayerShip[ship::kSystem]) << where;
      if (type == 7) {
        EXPECT_NE(SystemData[o[mission::kTargetSystem]][star_system::kOwner], pf) << where;
      }
      if (type == 8) {
        EXPECT_TRUE(SystemData[o[mission::kTargetSystem]][star_system::kCampaign] > 0 &&
                    (SystemData[o[mission::kTargetSystem]][star_system::kAttacker] == pf ||
                     SystemData[o[mission::kTargetSystem]][star_system::kOwner] == pf))
            << where;
      }
      EXPECT_TRUE(inBand(type == 7 ? 2 : 1)) << where;
      break;
    case 13: EXPECT_EQ(o[mission::kTargetBody], 1) << where; EXPECT_TRUE(inBand(3)) << where; break;
    case 16: case 17:
      EXPECT_TRUE(visibleBody(o[mission::kFirstPointSystem], o[mission::kFirstPointBody]) &&
                  visibleBody(o[mission::kSecondPointSystem], o[mission::kSecondPointBody]))
          << where;
      EXPECT_TRUE(inBand(2)) << where;
      break;
    case 19: EXPECT_EQ(o[mission::kPlanetsLeft], 50); EXPECT_TRUE(inBand(4)) << where; break;
    case 20:
      EXPECT_TRUE(o[mission::kReward] >= 12 * unit && o[mission::kReward] < 24 * unit) << where;
      break;
    case 21: EXPECT_TRUE(inBand(5)) << where; break;
    case 23: EXPECT_NE(SystemData[s][star_system::kOwner], pf) << where; [[fallthrough]];
    default: EXPECT_TRUE(inBand(4)) << where; break;
  }
}

TEST_F(Offers, EveryOfferIsValidAcrossSeedsShipSizesAndFactions) {
  int offers = 0;
  std::set<int> typesSeen;
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    for (int faction = 1; faction <= 4; ++faction) {
      for (int size = 1; size <= 5; ++size) {
        NewWorld(faction, size, seed * 7919u + faction * 31u + size);
        // A war or two and campaigns where the wars are.
        for (int f = 1; f <= 4; ++f) {
          for (int g = f + 1; g <= 4; ++g) SetWar(f, g, Random(3) > 0);
        }
        for (int x = 1; x <= 24; ++x) {
          const int owner = SystemData[x][star_system::kOwner];
          const int attacker = Random(4) + 1;
          if (SystemData[x][star_system::kClass] != 6 && attacker != owner &&
              FactionData[owner][faction::kAtWarWith + attacker] > 0 && Random(3) == 0) {
            SystemData[x][star_system::kCampaign] = 1;
            SystemData[x][star_system::kAttacker] = attacker;
          }
        }
        for (int call = 0; call < 20; ++call) rules::GenerateMissionOffers(ui);
        for (int s = 1; s <= 24; ++s) {
          for (int k = 1; k <= 6; ++k) {
            if (MissionOffers[s][k][mission::kActive] == 0) continue;
            ++offers;
            typesSeen.insert(MissionOffers[s][k][mission::kType]);
            ExpectValidOffer(s, k, faction, size);
          }
        }
      }
    }
  }
  EXPECT_GT(offers, 5000);
  for (int type = 1; type <= 26; ++type) EXPECT_TRUE(typesSeen.count(type)) << "type " << type << " is offered";
  EXPECT_FALSE(typesSeen.count(state::Stored(kMissionFlagship)));
}

TEST_F(Offers, TypesWithoutATargetMakeNoOffer) {
  // A battleship of a faction at peace with everybody, no campaigns: Blitzkrieg, Flanking, Siege
  // and Raiding find nothing; Special Forces and Report for duty only by the 25 percent draw.
  NewWorld(2, 5, 4);
  for (int call = 0; call < 60; ++call) rules::GenerateMissionOffers(ui);
  for (int s = 1; s <= 24; ++s) {
    for (int k = 1; k <= 6; ++k) {
      const int type = MissionOffers[s][k][mission::kType];
      if (MissionOffers[s][k][mission::kActive] == 0) continue;
      EXPECT_NE(type, state::Stored(kMissionBlitzkrieg));
      EXPECT_NE(type, state::Stored(kMissionFlanking));
      EXPECT_NE(type, state::Stored(kMissionSiege));
      EXPECT_NE(type, state::Stored(kMissionReportForDuty)) << "no campaign to report to";
      ExpectValidOffer(s, k, 2, 5);
    }
  }
  // Without a ship there is nothing to offer, and nothing is drawn.
  state::PlayerShip[ship::kClass] = 0;
  const std::uint32_t seed = state::RandSeed;
  MissionOffers[3][2][mission::kActive] = 0;
  rules::GenerateMissionOffers(ui);
  EXPECT_EQ(MissionOffers[3][2][mission::kActive], 0);
  EXPECT_EQ(state::RandSeed, seed);
}

// --- The boards filled the plain way ----------------------------------------------------------
//
// GenerateMissionOffers collects its search lists once and skips runs of draws that can never
// succeed. The boards it fills must be the boards the plain rules fill, draw for draw: every
// search drawn one try at a time, straight over the tables. Where the rules leave a choice the
// game made one (no offer without a target system or war enemy; a patrol never starts at the
// ship's own body; a fight against no ship class is never offered), and the plain version below
// makes the same one.
namespace plain {

using state::BodyData;

int pf = 0, psize = 0, current = 0, currentBody = 0;

int Owner(int x) { return SystemData[x][star_system::kOwner]; }
bool Campaign(int x) { return SystemData[x][star_system::kCampaign] > 0; }
int Kind(int x) {
  int kind = EconomyClass{SystemData[x][star_system::kClass]} == kEconomyCapital
                 ? rules::kSituationCapital
                 : rules::kSituationOrdinary;
  if (Campaign(x)) kind = rules::kSituationCampaign;
  return kind;
}
int CampaignEnemy(int x) {
  return Owner(x) == pf ? SystemData[x][star_system::kAttacker] : Owner(x);
}

// Random(15) until the body passes, at most 1000 draws; 0 when none did.
int Body(int x, const std::function<bool(int)>& extra = [](int) { return true; }, bool planet = false) {
  for (int draw = 0; draw < 1000; ++draw) {
    const int b = Random(15);
    if (x < 0 || x > 24) continue;
    const state::TBodyRow& body = BodyData[x][b];
    if (body[body::kVisible] > 0 && (!planet || body[body::kKind] >= 1) && extra(b)) return b;
  }
  return 0;
}
int Planet(int x, const std::function<bool(int)>& extra = [](int) { return true; }) {
  return Body(x, extra, true);
}

int RedrawTarget(int attacker, int defender, const std::function<bool(int)>& fits) {
  for (int draw = 0; draw < 1000; ++draw) {
    const int t = rules::PickInvasionTarget(Faction{attacker}, Faction{defender});
    if (fits(t)) return t;
  }
  return 0;
}

void EnemyFaction(state::TMissionRow& o, int s) {
  for (int draw = 0; draw < 1000; ++draw) {
    o[mission::kEnemyFaction] = state::Stored(rules::ChooseEncounterFaction(Kind(s), Faction{Owner(s)}));
    if (o[mission::kEnemyFaction] != pf && o[mission::kEnemyFaction] != Owner(s)) break;
  }
}

int EnemyClass(int kind, int s, int faction, bool discard, bool single) {
  int c = 0;
  for (int draw = 0; draw < 1000; ++draw) {
    c = state::Stored(rules::ChooseEncounterShipType(kind, s, psize, Faction{faction}));
    if (discard && SizeOf(c) <= psize && Random(100) <= 40) c = 0;
    if (RoleOf(c) == state::kRoleMilitary && SizeOf(c) >= psize &&
        (!single || StatOf(c, state::kAttrGroup) == 0)) {
      break;
    }
  }
  return c;
}

int WarEnemy() {
  int e = 0;
  for (int g = 1; g <= 4; ++g) {
    if (g != pf && FactionData[pf][faction::kRelationDays + g] > 0) e = g;
  }
  if (Random(100) < 25) e = Random(4) + 1;
  return e;
}

int Quantity(int good, bool large) {
  const int price = state::GoodBasePrice[good];
  if (price <= 100) return large ? 5000 : 500;
  if (price <= 300) return large ? 3000 : 300;
  if (price <= 10000) return large ? 2000 : 200;
  return 0;
}

int Pick(const std::vector<int>& candidates) {
  return candidates.empty() ? 0 : candidates[Random(static_cast<int>(candidates.size()))];
}

void Neighbours(int x, int owner, std::vector<int>& out) {
  for (int b = 1; b <= 15; ++b) {
    const state::TBodyRow& body = BodyData[x][b];
    if (body[body::kVisible] > 0 && body[body::kKind] == -1 && body[body::kDestination] >= 1 &&
        body[body::kDestination] <= 24 &&
        SystemData[body[body::kDestination]][star_system::kPresent] > 0 &&
        Owner(body[body::kDestination]) == owner) {
      out.push_back(body[body::kDestination]);
    }
  }
}

// The friendly system of Marine Landing and Evacuation.
int FriendlyNear(int s) {
  int t = 0;
  for (int b = 1; b <= 15; ++b) {
    const state::TBodyRow& body = BodyData[s][b];
    if (body[body::kVisible] > 0 && body[body::kKind] == -1 && body[body::kDestination] >= 1 &&
        body[body::kDestination] <= 24 && Owner(body[body::kDestination]) == pf) {
      t = body[body::kDestination];
      if (t != current) break;
    }
  }
  if (t == 0) t = rules::PickInvasionTarget(Faction{Owner(s)}, Faction{CampaignEnemy(s)});
  return t;
}

void FleetTarget(state::TMissionRow& o, int t) {
  o[mission::kActive] = 1;
  o[mission::kTargetBody] = o[mission::kFirstPointBody] = 2;
  o[mission::kTargetSystem] = o[mission::kFirstPointSystem] = t;
  o[mission::kSubject] = 1;
  o[mission::kEnemyFaction] = Owner(t);
}

// One attempt's type step; returns whether the briefing is due.
void TypeStep(state::TMissionRow& o, int s, int slot) {
  const int type = o[mission::kType];
  const int home[] = {0, 1, 12, 16, 13};
  switch (type) {
    case 1: case 9: {
      const int b = Body(s);
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b, o[mission::kTargetSystem] = s,
      o[mission::kSubject] = 1;
      EnemyFaction(o, s);
      if (type == 9 && Campaign(s)) o[mission::kEnemyFaction] = CampaignEnemy(s);
      o[mission::kEnemyClass] = EnemyClass(Kind(s), s, o[mission::kEnemyFaction], type == 1, false);
      o[mission::kReward] = StatOf(o[mission::kEnemyClass], state::kAttrPrice) / (17 + Random(5));
      if (SizeOf(o[mission::kEnemyClass]) > psize) o[mission::kType] = type == 1 ? 4 : 12;
      if (o[mission::kEnemyClass] == 0) o[mission::kActive] = 0;
      break;
    }
    case 2: case 10: case 14: case 15: {
      const int b1 = Body(s, [&](int b) { return !(type == 2 && s == current && b == currentBody); });
      const int b2 = Body(s, [&](int b) { return b != b1; });
      const int b3 = Body(s, [&](int b) { return b != b1 && b != b2; });
      if (b1 == 0 || b2 == 0 || b3 == 0) return;
      o[mission::kFirstPointBody] = b1, o[mission::kFirstPointSystem] = s,
      o[mission::kSecondPointBody] = b2, o[mission::kSecondPointSystem] = s,
      o[mission::kThirdPointBody] = b3, o[mission::kThirdPointSystem] = s;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b1, o[mission::kTargetSystem] = s,
      o[mission::kSubject] = 1;
      o[mission::kReward] =
          type == 14 ? rules::ComputeMissionReward(1) : rules::ComputeMissionReward(1) / 3;
      break;
    }
    case 3: case 11: case 6: {
      int t = s;
      if (type == 6) {
        t = RedrawTarget(Owner(s), Owner(s), [](int x) { return x != current; });
        if (t == 0) return;
      }
      const int b = Planet(t);
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b, o[mission::kTargetSystem] = t;
      o[mission::kGood] = Random(12) + 1;
      o[mission::kQuantity] = Quantity(o[mission::kGood], type != 3);
      o[mission::kReward] = rules::ComputeMissionReward(type == 3 ? 2 : 3);
      break;
    }
    case 5: {
      const int t = RedrawTarget(Owner(s), Owner(s), [](int x) { return x != current; });
      if (t == 0) return;
      const int b = Body(t);
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b, o[mission::kTargetSystem] = t,
      o[mission::kSubject] = 1, o[mission::kEnemyFaction] = 0;
      o[mission::kEnemyClass] = EnemyClass(Kind(t), s, 0, false, false);
      if (o[mission::kEnemyClass] == 0) o[mission::kActive] = 0;
      o[mission::kReward] = StatOf(o[mission::kEnemyClass], state::kAttrPrice) / (10 + Random(3));
      if (o[mission::kActive] == 0) return;
      rules::GetMissionBriefing(MissionType{o[mission::kType]}, 0, s, slot);
      rules::GetBountyTargetName(0, s, slot);
      return;
    }
    case 7: case 8: {
      const int e = WarEnemy();
      if (e == 0) return;
      const int t = RedrawTarget(Owner(s), e, [&](int x) {
        if (x == current) return false;
        if (type == 7) return Owner(x) != pf;
        return Campaign(x) && (SystemData[x][star_system::kAttacker] == pf || Owner(x) == pf);
      });
      if (t == 0) return;
      const int b = Body(t);
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = o[mission::kFirstPointBody] = b,
      o[mission::kTargetSystem] = o[mission::kFirstPointSystem] = t, o[mission::kSubject] = 1;
      o[mission::kReward] = rules::ComputeMissionReward(type == 7 ? 2 : 1);
      break;
    }
    case 13: {
      const int e = CampaignEnemy(s);
      int t = 0;
      for (int b = 1; b <= 15 && t == 0; ++b) {
        const state::TBodyRow& body = BodyData[s][b];
        const int d = body[body::kDestination];
        if (body[body::kVisible] > 0 && body[body::kKind] == -1 && d >= 1 && d <= 24 &&
            Owner(d) == e && d != current && Owner(d) != pf)
          t = d;
      }
      if (t == 0) t = rules::PickInvasionTarget(Faction{Owner(s)}, Faction{e});
      if (t == 0) return;
      o[mission::kActive] = 1, o[mission::kFirstPointBody] = 1, o[mission::kFirstPointSystem] = t,
      o[mission::kTargetBody] = 1, o[mission::kTargetSystem] = t, o[mission::kSubject] = 1;
      o[mission::kReward] = rules::ComputeMissionReward(3);
      break;
    }
    case 16: case 17: {
      if (type == 16 && SystemData[s][star_system::kAttacker] != pf) return;
      if (type == 17 && Owner(s) != pf) return;
      int pickUp = 0, pickUpSystem = 0, drop = 0, dropSystem = 0;
      if (type == 16) {
        pickUpSystem = FriendlyNear(s);
        pickUp = Planet(pickUpSystem);
        dropSystem = current;
        drop = Planet(current);
      } else {
        pickUpSystem = current;
        pickUp = Planet(current);
        dropSystem = FriendlyNear(s);
        drop = Planet(dropSystem);
      }
      if (pickUp == 0 || drop == 0) return;
      o[mission::kFirstPointBody] = pickUp, o[mission::kFirstPointSystem] = pickUpSystem,
      o[mission::kSecondPointBody] = drop, o[mission::kSecondPointSystem] = dropSystem;
      o[mission::kActive] = 1, o[mission::kTargetBody] = pickUp,
      o[mission::kTargetSystem] = pickUpSystem, o[mission::kSubject] = 1;
      o[mission::kReward] = rules::ComputeMissionReward(2);
      break;
    }
    case 18: {
      int t = 0;
      for (int b = 1; b <= 15; ++b) {
        const state::TBodyRow& body = BodyData[s][b];
        if (body[body::kVisible] > 0 && body[body::kKind] == -1 && Random(100) < 60)
          t = body[body::kDestination];
      }
      if (t == 0) t = current;
      const int b = Planet(t);
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b, o[mission::kTargetSystem] = t,
      o[mission::kSubject] = 1, o[mission::kEnemyFaction] = 0;
      if (Campaign(s)) o[mission::kEnemyFaction] = CampaignEnemy(s);
      o[mission::kEnemyClass] = EnemyClass(Kind(t), s, o[mission::kEnemyFaction], false, true);
      o[mission::kReward] = StatOf(o[mission::kEnemyClass], state::kAttrPrice) / (10 + Random(3));
      if (o[mission::kSubject] == 0) {
        o[mission::kActive] = 0;
        return;
      }
      rules::GetMissionBriefing(MissionType{o[mission::kType]}, 0, s, slot);
      o[mission::kFirstPointBody] = Random(10) + 1;
      return;
    }
    case 19:
      o[mission::kActive] = 1, o[mission::kSubject] = 50;
      o[mission::kReward] = rules::ComputeMissionReward(4);
      break;
    case 20: {
      int t = 0;
      for (int g = 1; g <= 4; ++g) {
        if (FactionData[pf][faction::kAtWarWith + g] > 0) t = home[g];
      }
      if (t == 0) return;
      FleetTarget(o, t);
      o[mission::kReward] = rules::ComputeMissionReward(4) * 3;
      break;
    }
    case 21: case 22: {
      std::vector<int> candidates;
      for (int x = 1; x <= 24; ++x) {
        if (SystemData[x][star_system::kPresent] <= 0 || Campaign(x)) continue;
        const int g = Owner(x);
        if (type == 21 && g != pf && FactionData[pf][faction::kAtWarWith + g] > 0 && Owner(s) == g)
          candidates.push_back(x);
        if (type == 22 && g == pf && x != home[pf]) candidates.push_back(x);
      }
      if (candidates.empty()) return;
      FleetTarget(o, Pick(candidates));
      o[mission::kReward] = rules::ComputeMissionReward(type == 21 ? 5 : 4);
      break;
    }
    case 23: {
      const int b = Planet(s, [&](int b) { return BodyData[s][b][body::kAsteroidField] <= 0; });
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b, o[mission::kTargetSystem] = s,
      o[mission::kSubject] = 1;
      if (Owner(s) == pf) o[mission::kActive] = 0;
      o[mission::kEnemyFaction] = Owner(s);
      o[mission::kReward] = rules::ComputeMissionReward(4);
      break;
    }
    case 24: {
      const int b = Body(s);
      if (b == 0) return;
      o[mission::kActive] = 1, o[mission::kTargetBody] = b, o[mission::kTargetSystem] = s,
      o[mission::kSubject] = 1;
      EnemyFaction(o, s);
      if (Campaign(s)) o[mission::kEnemyFaction] = CampaignEnemy(s);
      o[mission::kReward] = rules::ComputeMissionReward(4);
      break;
    }
    case 25: case 26: {
      std::vector<int> candidates;
      if (type == 25) {
        for (int x = 1; x <= 24; ++x) {
          if (SystemData[x][star_system::kPresent] > 0 && Campaign(x) &&
              SystemData[x][star_system::kAttacker] == pf)
            Neighbours(x, Owner(x), candidates);
        }
        for (int x = 1; x <= 24; ++x) {
          if (SystemData[x][star_system::kPresent] > 0 && Campaign(x) && Owner(x) == pf)
            Neighbours(x, SystemData[x][star_system::kAttacker], candidates);
        }
      } else {
        if (SystemData[s][star_system::kAttacker] == pf) Neighbours(s, Owner(s), candidates);
        if (Owner(s) == pf) Neighbours(s, SystemData[s][star_system::kAttacker], candidates);
      }
      if (candidates.empty()) return;
      FleetTarget(o, Pick(candidates));
      o[mission::kReward] = rules::ComputeMissionReward(4);
      break;
    }
    default:
      return;
  }
  if (o[mission::kActive] != 0) rules::GetMissionBriefing(MissionType{o[mission::kType]}, 0, s, slot);
}

bool BoardHas(int s, int type) {
  for (int k = 1; k <= 6; ++k) {
    if (MissionOffers[s][k][mission::kActive] == 1 && MissionOffers[s][k][mission::kType] == type)
      return true;
  }
  return false;
}

void GenerateMissionOffers() {
  pf = state::PlayerData[player::kFaction];
  psize = state::Stored(state::GetShipClassSize(state::ShipClassOf(state::PlayerShip)));
  current = state::PlayerShip[ship::kSystem];
  currentBody = state::PlayerShip[ship::kBody];
  if (psize < 1 || psize > 5) return;
  for (int s = 1; s <= 24; ++s) {
    int k = 0;
    for (int slot = 6; slot >= 1 && k == 0; --slot) {
      if (MissionOffers[s][slot][mission::kActive] == 0) k = slot;
    }
    if (k == 0) {
      k = Random(30) + 1;
      if (k > 6) continue;
    }
    state::TMissionRow& o = MissionOffers[s][k];
    for (int attempt = 0; attempt < 10; ++attempt) {
      for (int field = 1; field <= 100; ++field) o.At(field) = 0;
      int type = 0;
      if (psize == 1) {
        const int r = Random(100);
        type = r <= 30 ? 1 : r <= 60 ? 2 : 3;
        if (!BoardHas(s, 1)) type = 1;
        if (!BoardHas(s, 2)) type = 2;
        if (!BoardHas(s, 3)) type = 3;
      } else if (psize <= 4) {
        const int r = Random(106);
        type = r <= 30 ? 1 : r <= 60 ? 5 : r <= 70 ? 6 : r <= 90 ? 7 : r <= 100 ? 8 : pf == 3 ? 19 : 8;
      } else {
        const int r = Random(180);
        type = r <= 30 ? 1 : r <= 70 ? 5 : r <= 90 ? 7 : r <= 100 ? 8 : r <= 105 ? (pf == 3 ? 19 : 20)
             : r <= 120 ? 20 : r <= 140 ? 21 : r <= 160 ? 22 : 25;
      }
      if (Campaign(s) && psize >= 2) {
        o[mission::kCampaignSystem] = s;
        const int r = psize == 5 ? Random(210) : Random(120);
        type = r <= 15 ? 9 : r <= 30 ? 14 : r <= 45 ? 10 : r <= 60 ? 15 : r <= 70 ? 11 : r <= 85 ? 9
             : r <= 90 ? 13 : r <= 100 ? 16 : r <= 110 ? 17 : r <= 120 ? 18 : r <= 150 ? 23
             : r <= 180 ? 24 : 26;
      }
      o[mission::kType] = type;
      TypeStep(o, s, k);
      if (o[mission::kActive] != 0) break;
    }
  }
}

}  // namespace plain

TEST_F(Offers, TheBoardsFillDrawForDrawAsThePlainRulesSay) {
  int compared = 0;
  for (std::uint32_t seed = 1; seed <= 2; ++seed) {
    for (int faction = 1; faction <= 4; ++faction) {
      for (int size = 1; size <= 5; ++size) {
        NewWorld(faction, size, seed * 131u + faction * 17u + size);
        for (int f = 1; f <= 4; ++f) {
          for (int g = f + 1; g <= 4; ++g) SetWar(f, g, Random(3) > 0);
        }
        for (int x = 1; x <= 24; ++x) {
          const int owner = SystemData[x][star_system::kOwner];
          const int attacker = Random(4) + 1;
          if (attacker != owner && Random(3) == 0) {
            SystemData[x][star_system::kCampaign] = 1;
            SystemData[x][star_system::kAttacker] = attacker;
          }
        }
        // Ship in a campaign system now and then, at a space find now and then.
        state::PlayerShip[ship::kSystem] = Random(24) + 1;
        state::PlayerShip[ship::kBody] = Random(3) == 0 ? -1 : Random(6) + 1;
        for (int call = 0; call < 12; ++call) {
          const auto boards = MissionOffers;
          const std::uint32_t before = state::RandSeed;
          rules::GenerateMissionOffers(ui);
          const auto fast = MissionOffers;
          const std::uint32_t after = state::RandSeed;
          MissionOffers = boards;
          state::Randomize(before);
          plain::GenerateMissionOffers();
          const std::string where = "faction " + std::to_string(faction) + " size " + std::to_string(size) +
                                    " seed " + std::to_string(seed) + " call " + std::to_string(call);
          ASSERT_EQ(state::RandSeed, after) << where;
          for (int s = 1; s <= 24; ++s) {
            for (int k = 1; k <= 6; ++k) {
              ASSERT_EQ(MissionOffers[s][k], fast[s][k]) << where << " board " << s << " slot " << k;
            }
          }
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 2 * 4 * 5 * 12);
}

}  // namespace
