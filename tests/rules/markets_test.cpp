#include "rules/markets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <set>
#include <string>

#include "state/fields.h"
#include "state/goods.h"
#include "state/mission_types.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::BodyData;
using state::MarketPrice;
using state::MarketPriceTrend;
using state::MarketStock;
using state::SystemData;
using state::SystemPrice;
using state::SystemPriceTrend;

class Markets : public World {};

// The goods these cases use, by base price: supplies 100 (the main product of class 1, secondary
// of 5 and 6), synthetics 100, rum 500 (banned everywhere), religious goods 1000 (neither
// produced nor banned).

TEST_F(Markets, TargetFollowsProductionSiegeAndPeacefulNeighbours) {
  struct Case {
    std::string name;
    std::function<void()> setup;
    Good good;
    int target;
  };
  auto farms = [](int s, int count) {
    for (int i = 0; i < count; ++i) AddBody(s, 2 + i, 1);
  };
  const Case cases[] = {
      {"nobody produces it",
       [] {
         AddBody(1, 1, kSun);
         AddBody(1, 2, 2);
       },
       kGoodSupplies, 130},
      {"one secondary producer", [] { AddBody(1, 2, 5); }, kGoodSupplies, 115},
      {"one main producer", [&] { farms(1, 1); }, kGoodSupplies, 105},
      {"two main producers", [&] { farms(1, 2); }, kGoodSupplies, 95},
      {"three main producers", [&] { farms(1, 3); }, kGoodSupplies, 85},
      {"five main producers", [&] { farms(1, 5); }, kGoodSupplies, 70},
      {"six main producers", [&] { farms(1, 6); }, kGoodSupplies, 60},
      {"hidden producers do not count",
       [&] {
         farms(1, 6);
         for (int b = 2; b <= 7; ++b) BodyData[1][b][body::kVisible] = 0;
       },
       kGoodSupplies, 130},
      {"banned contraband outside the Syndicate",
       [] {
         AddBody(1, 1, kSun);
         AddBody(1, 2, 1);
         AddBody(1, 3, kHideout);
       },
       kGoodRum, 650},
      {"banned contraband in the Syndicate",
       [] {
         SystemData[1][star_system::kOwner] = 4;
         AddBody(1, 1, kSun);
         AddBody(1, 2, 1);
       },
       kGoodRum, 300},
      {"unbanned contraband in the Syndicate",
       [] {
         SystemData[1][star_system::kOwner] = 4;
         AddBody(1, 2, 1);
       },
       kGoodReligious, 600},
      {"a siege sets half again the base price",
       [&] {
         farms(1, 6);
         SystemData[1][star_system::kCampaign] = 1;
       },
       kGoodSupplies, 150},
      {"peaceful neighbour with two producers",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 2);
       },
       kGoodSupplies, 128},
      {"peaceful neighbour with six producers",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 6);
       },
       kGoodSupplies, 104},
      {"two neighbours apply one after the other",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 6);
         AddSystem(3, 1);
         Link(1, 10, 3, 9);
         farms(3, 6);
       },
       kGoodSupplies, 84},
      {"neighbour at war with the system's owner",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 2);
         Link(1, 9, 2, 9);
         farms(2, 6);
         state::FactionData[2][faction::kAtWarWith + 1] = 1;
         state::FactionData[1][faction::kAtWarWith + 2] = 1;
       },
       kGoodSupplies, 130},
      {"besieged neighbour",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 6);
         SystemData[2][star_system::kCampaign] = 1;
       },
       kGoodSupplies, 130},
      {"besieged system ignores its neighbours",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 6);
         SystemData[1][star_system::kCampaign] = 1;
       },
       kGoodSupplies, 150},
      {"neighbour bodies without an owner do not count",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 6);
         for (int b = 2; b <= 7; ++b) BodyData[2][b][body::kOwner] = 0;
       },
       kGoodSupplies, 130},
      {"hidden wormhole leads nowhere",
       [&] {
         AddBody(1, 2, 2);
         AddSystem(2, 1);
         Link(1, 9, 2, 9);
         farms(2, 6);
         BodyData[1][9][body::kVisible] = 0;
       },
       kGoodSupplies, 130},
  };
  for (const Case& c : cases) {
    SetUp();
    AddSystem(1, 1);
    c.setup();
    EXPECT_EQ(rules::SystemPriceTarget(1, c.good), c.target) << c.name;
  }
}

// The production behind the targets is kept from day to day; a body that changes is seen at once.
TEST_F(Markets, TargetFollowsABodyThatChangesAfterTheFirstDay) {
  AddSystem(1, 1);
  AddBody(1, 2, 2);
  AddSystem(2, 1);
  Link(1, 9, 2, 9);
  EXPECT_EQ(rules::SystemPriceTarget(1, kGoodSupplies), 130);
  BodyData[1][2][body::kKind] = 1;  // the planet turns to farming
  EXPECT_EQ(rules::SystemPriceTarget(1, kGoodSupplies), 105);
  for (int b = 2; b <= 7; ++b) AddBody(2, b, 1);  // the neighbour's farms appear
  EXPECT_EQ(rules::SystemPriceTarget(1, kGoodSupplies), 84);
  BodyData[2][3][body::kOwner] = 0;  // one of them loses its owner
  EXPECT_EQ(rules::SystemPriceTarget(1, kGoodSupplies), 90);
}

// Trends far outside the band pin every price to the band's edge and restart the trend at 0.
TEST_F(Markets, PricesStayWithinTheirBandsAndHideoutsSellContrabandCheaper) {
  AddSystem(1, 1);
  AddBody(1, 2, 1);         // planet: Supplies target 105
  AddBody(1, 3, kHideout);  // Rum target 650 (two banning bodies)
  for (int g = 1; g <= state::kLastGood; ++g) {
    SystemPriceTrend[1][g] = 1000;
    MarketPriceTrend[1][2][g] = 1000;
    MarketPriceTrend[1][3][g] = -1000;
  }
  rules::UpdateMarketPrices();

  struct Case {
    int body;
    Good good;
    int price;
  };
  const Case cases[] = {
      {2, kGoodSupplies, 126},  // system 105 + 10 = 115, planet 115 + 11
      {3, kGoodSupplies, 104},  // 115 - 11; no discount outside contraband
      {2, kGoodRum, 786},       // system 650 + 65 = 715, planet 715 + 71
      {3, kGoodRum, 516},       // 715 - 71 = 644, a fifth off
  };
  for (const Case& c : cases) {
    const int g = state::Stored(c.good);
    EXPECT_EQ(MarketPrice[1][c.body][g], c.price) << c.body << "/" << g;
    EXPECT_EQ(MarketPriceTrend[1][c.body][g], 0);
    EXPECT_EQ(SystemPriceTrend[1][g], 0);
  }
  // The system price is the average of its planets only.
  EXPECT_EQ(SystemPrice[1][state::Stored(kGoodSupplies)], 126);
  EXPECT_EQ(SystemPrice[1][state::Stored(kGoodRum)], 786);
}

TEST_F(Markets, SystemPriceIsThePlanetAverageAndZeroWithoutPlanets) {
  AddSystem(1, 1);
  AddBody(1, 2, 1);
  AddBody(1, 3, 4);
  AddBody(1, 4, kHideout);
  AddBody(1, 5, 0);  // a class-0 world has no market
  AddSystem(2, 1);
  AddBody(2, 1, kSun);
  AddBody(2, 2, kHideout);
  for (int day = 0; day < 30; ++day) {
    rules::UpdateMarketPrices();
    for (int g = 1; g <= state::kLastGood; ++g) {
      ASSERT_EQ(SystemPrice[1][g], (MarketPrice[1][2][g] + MarketPrice[1][3][g]) / 2) << g;
      ASSERT_EQ(SystemPrice[2][g], 0);
      ASSERT_GT(MarketPrice[2][2][g], 0);
      ASSERT_EQ(MarketPrice[1][5][g], 0);
    }
  }
}

TEST_F(Markets, DrawsTwoNumbersPerPriceAndOnlyForGoodsWithABasePrice) {
  AddSystem(1, 1);
  AddBody(1, 1, kSun);
  AddBody(1, 2, 1);
  state::Randomize(77);
  rules::UpdateMarketPrices();
  EXPECT_EQ(state::RandSeed, SeedAfter(77, 2 * 18 + 2 * 18));

  // Stocks: one roll per good, one more on a day it grows, one for the ceiling.
  for (int g = state::kFirstContraband; g <= state::kLastGood; ++g) state::GoodBasePrice[g] = 0;
  state::Randomize(78);
  rules::UpdateMarketStocks();
  int grown = 0;
  for (int g = 1; g < state::kFirstContraband; ++g) grown += MarketStock[1][2][g] > 0 ? 1 : 0;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(state::RandSeed, SeedAfter(78, 12 * 2 + grown));
}

// The day's rolls at their edges, one good in one system: the first drift draw is added and the
// second subtracted; a stock grows on a roll of 30 and not on 31, by the step less a second draw.
TEST_F(Markets, RollsAtTheirEdges) {
  auto onlySupplies = [] {
    for (int g = 2; g <= 100; ++g) state::GoodBasePrice[g] = 0;
  };
  struct Drift {
    int up, down, trend;
  };
  for (const Drift& c : {Drift{2, 0, 2}, Drift{0, 2, -2}, Drift{1, 0, 1}}) {
    SetUp();
    onlySupplies();
    AddSystem(1, 1);  // no bodies: only the system drifts, and nobody produces (target 130)
    state::Randomize(FindSeed([&] { return state::Random(3) == c.up && state::Random(3) == c.down; }));
    rules::UpdateMarketPrices();
    EXPECT_EQ(SystemPriceTrend[1][state::Stored(kGoodSupplies)], c.trend) << c.up << "-" << c.down;
  }
  // After the drift the system price is rebuilt from the planets: read the drift off the planet.
  SetUp();
  onlySupplies();
  AddSystem(1, 1);
  AddBody(1, 2, 2);  // not a producer of Supplies: target 130
  state::Randomize(FindSeed([] {
    return state::Random(3) == 0 && state::Random(3) == 1 && state::Random(3) == 2 &&
           state::Random(3) == 0;
  }));
  rules::UpdateMarketPrices();
  EXPECT_EQ(MarketPriceTrend[1][2][state::Stored(kGoodSupplies)], 2);
  EXPECT_EQ(MarketPrice[1][2][state::Stored(kGoodSupplies)], 130 - 1 + 2);

  struct Growth {
    int roll;
    bool grows;
  };
  for (const Growth& c : {Growth{30, true}, Growth{31, false}}) {
    SetUp();
    onlySupplies();
    AddSystem(1, 1);
    AddBody(1, 2, 2);
    MarketStock[1][2][state::Stored(kGoodSupplies)] = 10;
    int taken = -1;
    const std::uint32_t seed = FindSeed([&] {
      if (state::Random(100) != c.roll) return false;
      taken = c.grows ? state::Random(5) : 0;
      return true;
    });
    state::Randomize(seed);
    rules::UpdateMarketStocks();
    EXPECT_EQ(MarketStock[1][2][state::Stored(kGoodSupplies)], c.grows ? 10 + 5 - taken : 10) << "roll " << c.roll;
    EXPECT_EQ(state::RandSeed, SeedAfter(seed, c.grows ? 3 : 2)) << "roll " << c.roll;
  }
}

TEST_F(Markets, StockStepAndCeilingFollowTheBasePriceAndConnections) {
  struct Case {
    int base, step, ceiling;
    int skill;  // 0 none, 5 "Connections", 6 "Advanced connections"
  };
  const Case cases[] = {
      {100, 5, 100, 0}, {199, 5, 100, 0}, {200, 1, 50, 0}, {201, 3, 50, 0}, {499, 3, 50, 0},
      {500, 1, 50, 0},  {501, 1, 30, 0},  {1000, 1, 30, 0}, {100, 5, 100, 5}, {100, 5, 100, 6},
      {501, 1, 30, 5},  {501, 1, 30, 6},
  };
  auto withSkill = [](int c, int skill) {
    return skill == 6 ? c + c / 2 : skill == 5 ? c + c / 4 : c;
  };
  for (const Case& c : cases) {
    SetUp();
    AddSystem(1, 1);
    AddBody(1, 2, 1);
    for (int g = 2; g <= 100; ++g) state::GoodBasePrice[g] = 0;
    state::GoodBasePrice[1] = c.base;
    if (c.skill > 0) state::SkillOwned[c.skill] = 1;

    std::set<int> grown, capped;
    for (int day = 0; day < 400; ++day) {
      MarketStock[1][2][1] = 0;
      rules::UpdateMarketStocks();
      grown.insert(MarketStock[1][2][1]);
      MarketStock[1][2][1] = 1'000'000;  // after the player sold a mountain of it
      rules::UpdateMarketStocks();
      capped.insert(MarketStock[1][2][1]);
    }
    const std::string label = std::to_string(c.base) + " skill " + std::to_string(c.skill);
    EXPECT_EQ(*grown.begin(), 0) << label;
    EXPECT_EQ(*std::next(grown.begin()), 1) << label;
    EXPECT_EQ(*grown.rbegin(), c.step) << label;
    EXPECT_EQ(*capped.begin(), withSkill(c.ceiling, c.skill)) << label;
    EXPECT_EQ(*capped.rbegin(), withSkill(c.ceiling + c.ceiling / 3 - 1, c.skill)) << label;
  }
}

TEST_F(Markets, StockNearTheLimitOfItsRangeDoesNotWrap) {
  AddSystem(1, 1);
  AddBody(1, 2, 1);
  MarketStock[1][2][state::Stored(kGoodSupplies)] = INT_MAX;
  for (int day = 0; day < 20; ++day) {
    rules::UpdateMarketStocks();
    ASSERT_GE(MarketStock[1][2][state::Stored(kGoodSupplies)], 0);
    ASSERT_LE(MarketStock[1][2][state::Stored(kGoodSupplies)], 133);
  }
}

TEST_F(Markets, PlanetsStockNoContrabandAndHideoutsNothingElse) {
  AddSystem(1, 1);
  AddBody(1, 2, 3);
  AddBody(1, 3, kHideout);
  AddBody(1, 4, kHideout);
  BodyData[1][4][body::kVisible] = 0;  // an undiscovered hideout keeps what it had
  for (int b = 2; b <= 4; ++b) {
    for (int g = 1; g <= state::kLastGood; ++g) MarketStock[1][b][g] = 20;
  }
  MarketPrice[1][4][state::Stored(kGoodSupplies)] = 4321;
  rules::UpdateMarketPrices();
  rules::UpdateMarketStocks();
  for (int g = 1; g <= state::kLastGood; ++g) {
    const bool contraband = g >= state::kFirstContraband;
    EXPECT_EQ(MarketStock[1][2][g] == 0, contraband) << g;
    EXPECT_EQ(MarketStock[1][3][g] == 0, !contraband) << g;
    EXPECT_EQ(MarketStock[1][4][g], 20) << g;
  }
  EXPECT_EQ(MarketPrice[1][4][state::Stored(kGoodSupplies)], 4321);
}

TEST_F(Markets, GoodsATransportMissionDeliversAreNotForSaleAtTheDestination) {
  struct Case {
    std::string name;
    std::function<void()> setup;
    bool body2Empty, body3Empty;
  };
  auto transport = [](state::TMissionRow& row, int active, MissionType type, int body, int system) {
    row[mission::kActive] = active;
    row[mission::kType] = state::Stored(type);
    row[mission::kTargetBody] = body;
    row[mission::kTargetSystem] = system;
    row[mission::kSubject] = state::Stored(kGoodSynthetics);
  };
  using state::ActiveMission;
  using state::MissionOffers;
  const Case cases[] = {
      {"transport offer", [&] { transport(MissionOffers[1][2], 1, kMissionTransport, 2, 1); }, true, false},
      {"inactive offer", [&] { transport(MissionOffers[1][2], 0, kMissionTransport, 2, 1); }, false, false},
      {"offer of another type", [&] { transport(MissionOffers[1][2], 1, kMissionCombatTransport, 2, 1); }, false, false},
      {"offer bound for another system", [&] { transport(MissionOffers[1][2], 1, kMissionTransport, 2, 2); }, false,
       false},
      {"accepted transport", [&] { transport(ActiveMission, 1, kMissionTransport, 2, 1); }, true, false},
      {"accepted delivery of type 11", [&] { transport(ActiveMission, 1, kMissionCombatTransport, 2, 1); }, true, false},
      {"accepted supply run to the system", [&] { transport(ActiveMission, 1, kMissionSupply, 0, 1); }, true,
       true},
      {"finished supply run", [&] { transport(ActiveMission, 0, kMissionSupply, 0, 1); }, false, false},
      {"accepted mission of another type", [&] { transport(ActiveMission, 1, kMissionBounty, 2, 1); }, false,
       false},
  };
  for (const Case& c : cases) {
    SetUp();
    AddSystem(1, 1);
    AddBody(1, 2, 2);
    AddBody(1, 3, 2);
    MarketStock[1][2][state::Stored(kGoodSynthetics)] = 50;
    MarketStock[1][3][state::Stored(kGoodSynthetics)] = 50;
    c.setup();
    for (int day = 0; day < 3; ++day) rules::UpdateMarketStocks();
    EXPECT_EQ(MarketStock[1][2][state::Stored(kGoodSynthetics)] == 0, c.body2Empty) << c.name;
    EXPECT_EQ(MarketStock[1][3][state::Stored(kGoodSynthetics)] == 0, c.body3Empty) << c.name;
  }
}

}  // namespace
