// The mission boards: rewards, opponents, how boards fill, the cheap searches that must draw
// exactly like the plain ones, and a property run that checks every offer made.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "rules/diplomacy.h"
#include "rules/mission_offers.h"
#include "rules/missions.h"
#include "rules/turns_ui.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

using state::FactionData;
using state::MissionOffers;
using state::Random;
using state::SystemData;

int ClassOfSize(int size) {
  for (int c = 1; c <= state::kLastShipClass; ++c) {
    if (state::GetShipClassSize(c) == size) return c;
  }
  return 0;
}

void SetWar(int f, int g, bool war) {
  FactionData[f][10 + g] = FactionData[g][10 + f] = war ? 1 : 0;
  FactionData[f][20 + g] = FactionData[g][20 + f] = war ? 40 : -40;
}

class Offers : public ::testing::Test {
 protected:
  void SetUp() override { NewWorld(1, 2, 1); }

  void NewWorld(int faction, int size, std::uint32_t seed) {
    state::ClearGameState();
    state::PlayerData[3] = 3;
    state::PlayerData[4] = faction;
    state::BuildNewWorld(state::StartShipClass(3, faction));
    state::PlayerShip[2] = ClassOfSize(size);
    state::Randomize(seed);
  }

  turns::TurnsUi ui;
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
        const int expected = rules::PickInvasionTarget(a, d);
        const std::uint32_t after = state::RandSeed;
        state::Randomize(seed);
        EXPECT_EQ(rules::PickFromCandidates(rules::InvasionCandidates(a, d)), expected) << a << d;
        EXPECT_EQ(state::RandSeed, after);
      }
    }
  }
}

TEST_F(Offers, RedrawingFromTheListDrawsLikeRedrawingTheRule) {
  const int current = state::PlayerShip[14];
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
          const int t = rules::PickInvasionTarget(a, d);
          if (c.fits(t)) {
            plain = t;
            break;
          }
        }
        const std::uint32_t after = state::RandSeed;
        state::Randomize(77 + a * 5 + d);
        EXPECT_EQ(rules::RedrawInvasionTarget(rules::InvasionCandidates(a, d), c.fits), plain)
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
      for (int kind = 1; kind <= 3; ++kind) {
        for (const EnemyClassRule rule :
             {EnemyClassRule::Plain, EnemyClassRule::DiscardSameSize, EnemyClassRule::SingleShip}) {
          const std::uint32_t seed = 1000 + psize * 100 + faction * 10 + kind;
          state::Randomize(seed);
          int plain = 0;
          for (int draw = 0; draw < 1000; ++draw) {
            plain = rules::ChooseEncounterShipType(kind, 5, psize, faction);
            if (rule == EnemyClassRule::DiscardSameSize && state::GetShipClassSize(plain) <= psize &&
                Random(100) <= 40) {
              plain = 0;
            }
            if (state::GetShipClassStat(plain, state::kAttrRole) != 1) continue;
            if (state::GetShipClassSize(plain) < psize) continue;
            if (rule == EnemyClassRule::SingleShip && state::GetShipClassStat(plain, state::kAttrGroup) != 0) continue;
            break;
          }
          const std::uint32_t after = state::RandSeed;
          state::Randomize(seed);
          EXPECT_EQ(rules::DrawEnemyClass(kind, 5, psize, faction, rule), plain)
              << psize << " " << faction << " " << kind << " " << static_cast<int>(rule);
          EXPECT_EQ(state::RandSeed, after);
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
    state::PlayerShip[2] = ClassOfSize(c.size);
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
    EXPECT_EQ(rules::ChooseEncounterFaction(c.kind, 2), c.expected) << c.kind << " " << c.r;
  }
  // At war with nobody, the enemy share goes to the faction itself.
  SetWar(2, 3, false);
  EXPECT_EQ(rules::PickWarEnemyFaction(2), 0);
  for (int i = 0; i < 200; ++i) EXPECT_NE(rules::ChooseEncounterFaction(3, 2), 3);
}

TEST_F(Offers, AnEmptyBoardFillsFromTheTopAndAFighterGetsEachKindOfWorkFirst) {
  NewWorld(1, 1, 9);
  std::vector<int> types;
  for (int call = 0; call < 6; ++call) {
    rules::GenerateMissionOffers(ui);
    const int slot = 6 - call;
    ASSERT_EQ(MissionOffers[1][slot][1], 1) << "slot " << slot;
    types.push_back(MissionOffers[1][slot][2]);
    if (slot > 1) { EXPECT_EQ(MissionOffers[1][slot - 1][1], 0); }
  }
  EXPECT_EQ(types[0], rules::kMissionTransport);
  EXPECT_EQ(types[1], rules::kMissionPatrol);
  EXPECT_TRUE(types[2] == rules::kMissionSearchAndDestroy || types[2] == rules::kMissionAmbush);
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
  const int type = o[2];
  const std::string where = "board " + std::to_string(s) + " slot " + std::to_string(k) + " type " +
                            std::to_string(type) + " size " + std::to_string(psize) + " faction " +
                            std::to_string(pf);
  const bool campaign = SystemData[s][20] > 0 && psize >= 2;
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
  EXPECT_EQ(o[20], campaign ? s : 0) << where;
  EXPECT_GE(o[30], 1) << where << ": the briefing was drawn";

  const auto visibleBody = [](int system, int body) {
    return system >= 1 && system <= 24 && SystemData[system][1] > 0 && body >= 1 && body <= 15 &&
           state::BodyData[system][body][1] > 0;
  };
  if (type != rules::kMissionAnalysis) { EXPECT_TRUE(visibleBody(o[7], o[6])) << where; }

  const int unit = 10000 * psize * (psize == 5 ? 5 : 1) / 2;
  const auto inBand = [&](int weight) { return o[3] >= weight * unit && o[3] < 2 * weight * unit; };
  switch (type) {
    case 1: case 4: case 9: case 12: case 5: case 18: {
      ASSERT_GE(o[8], 1) << where << ": a real enemy class";
      ASSERT_LE(o[8], state::kLastShipClass) << where;
      const int price = state::GetShipClassStat(o[8], state::kAttrPrice);
      const bool hunt = type == 5 || type == 18;
      bool matches = false;
      for (int d = hunt ? 10 : 17; d <= (hunt ? 12 : 21); ++d) matches = matches || o[3] == price / d;
      EXPECT_TRUE(matches) << where;
      const bool bigger = state::GetShipClassSize(o[8]) > psize;
      if (type == 1 || type == 9) { EXPECT_FALSE(bigger) << where; }
      if (type == 4 || type == 12) { EXPECT_TRUE(bigger) << where; }
      if (type == 5) { EXPECT_TRUE(o[10] >= 1 && o[10] <= 10) << where; }
      if (type == 5) { EXPECT_NE(o[7], state::PlayerShip[14]) << where; }
      break;
    }
    case 2: case 10: case 14: case 15: {
      EXPECT_TRUE(inBand(1) || (type != 14 && o[3] >= unit / 3 && o[3] < 2 * unit / 3 + 1)) << where;
      const std::set<int> points{o[10], o[12], o[14]};
      EXPECT_EQ(points.size(), 3u) << where;
      for (int p = 10; p <= 14; p += 2) EXPECT_TRUE(visibleBody(o[p + 1], o[p]) && o[p + 1] == s) << where;
      break;
    }
    case 3: case 6: case 11: {
      EXPECT_TRUE(o[8] >= 1 && o[8] <= 12) << where;
      const std::set<int> quantities = type == 3 ? std::set<int>{500, 300, 200} : std::set<int>{5000, 3000, 2000};
      EXPECT_TRUE(quantities.count(o[9])) << where;
      EXPECT_GE(state::BodyData[o[7]][o[6]][3], 1) << where << ": a planet";
      EXPECT_TRUE(inBand(type == 3 ? 2 : 3)) << where;
      break;
    }
    case 7: case 8:
      EXPECT_NE(o[7], state::PlayerShip[14]) << where;
      if (type == 7) { EXPECT_NE(SystemData[o[7]][2], pf) << where; }
      if (type == 8) { EXPECT_TRUE(SystemData[o[7]][20] > 0 && (SystemData[o[7]][21] == pf || SystemData[o[7]][2] == pf)) << where; }
      EXPECT_TRUE(inBand(type == 7 ? 2 : 1)) << where;
      break;
    case 13: EXPECT_EQ(o[6], 1) << where; EXPECT_TRUE(inBand(3)) << where; break;
    case 16: case 17:
      EXPECT_TRUE(visibleBody(o[11], o[10]) && visibleBody(o[13], o[12])) << where;
      EXPECT_TRUE(inBand(2)) << where;
      break;
    case 19: EXPECT_EQ(o[8], 50); EXPECT_TRUE(inBand(4)) << where; break;
    case 20: EXPECT_TRUE(o[3] >= 12 * unit && o[3] < 24 * unit) << where; break;
    case 21: EXPECT_TRUE(inBand(5)) << where; break;
    case 23: EXPECT_NE(SystemData[s][2], pf) << where; [[fallthrough]];
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
          const int owner = SystemData[x][2];
          const int attacker = Random(4) + 1;
          if (SystemData[x][3] != 6 && attacker != owner && FactionData[owner][10 + attacker] > 0 && Random(3) == 0) {
            SystemData[x][20] = 1;
            SystemData[x][21] = attacker;
          }
        }
        for (int call = 0; call < 20; ++call) rules::GenerateMissionOffers(ui);
        for (int s = 1; s <= 24; ++s) {
          for (int k = 1; k <= 6; ++k) {
            if (MissionOffers[s][k][1] == 0) continue;
            ++offers;
            typesSeen.insert(MissionOffers[s][k][2]);
            ExpectValidOffer(s, k, faction, size);
          }
        }
      }
    }
  }
  EXPECT_GT(offers, 5000);
  for (int type = 1; type <= 26; ++type) EXPECT_TRUE(typesSeen.count(type)) << "type " << type << " is offered";
  EXPECT_FALSE(typesSeen.count(rules::kMissionFlagship));
}

TEST_F(Offers, TypesWithoutATargetMakeNoOffer) {
  // A battleship of a faction at peace with everybody, no campaigns: Blitzkrieg, Flanking, Siege
  // and Raiding find nothing; Special Forces and Report for duty only by the 25 percent draw.
  NewWorld(2, 5, 4);
  for (int call = 0; call < 60; ++call) rules::GenerateMissionOffers(ui);
  for (int s = 1; s <= 24; ++s) {
    for (int k = 1; k <= 6; ++k) {
      const int type = MissionOffers[s][k][2];
      if (MissionOffers[s][k][1] == 0) continue;
      EXPECT_NE(type, rules::kMissionBlitzkrieg);
      EXPECT_NE(type, rules::kMissionFlanking);
      EXPECT_NE(type, rules::kMissionSiege);
      EXPECT_NE(type, rules::kMissionReportForDuty) << "no campaign to report to";
      ExpectValidOffer(s, k, 2, 5);
    }
  }
  // Without a ship there is nothing to offer, and nothing is drawn.
  state::PlayerShip[2] = 0;
  const std::uint32_t seed = state::RandSeed;
  MissionOffers[3][2][1] = 0;
  rules::GenerateMissionOffers(ui);
  EXPECT_EQ(MissionOffers[3][2][1], 0);
  EXPECT_EQ(state::RandSeed, seed);
}

}  // namespace
