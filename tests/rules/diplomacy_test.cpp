#include "rules/diplomacy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/news.h"
#include "support/script_ui.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::FactionData;
using state::NewsHeadline;
using state::NewsList;
using state::Random;
using state::SystemData;

class Diplomacy : public World {
 protected:
  support::ScriptUi ui;

  // Federation: capital 1 and system 2; Outer Rim: system 3 and capital 4. System 2 has a
  // wormhole into 3 and into 4; nothing leads back.
  void Border() {
    AddSystem(1, 1, 6);
    AddSystem(2, 1);
    AddSystem(3, 2);
    AddSystem(4, 2, 6);
    AddBody(2, 5, kWormhole, 3);
    AddBody(2, 6, kWormhole, 4);
  }
  void OnlyFactions(int count) {
    for (int f = count + 1; f <= state::kLastFaction; ++f) FactionData[f][1] = 0;
  }
};

TEST_F(Diplomacy, InvasionTargetsLieBehindVisibleWormholesAndAreNoCapitals) {
  struct Case {
    std::string name;
    void (*setup)();
    int attacker, defender;
    int target;
    int draws;
  };
  const Case cases[] = {
      {"one wormhole into the defender", [] {}, 1, 2, 3, 0},
      {"capitals are never targets", [] { SystemData[3][2] = 3; }, 1, 2, 0, 0},
      {"no wormhole into that faction", [] {}, 1, 3, 0, 0},
      {"hidden wormhole", [] { state::BodyData[2][5][1] = 0; }, 1, 2, 0, 0},
      {"the attacker's system is gone", [] { SystemData[2][1] = 0; }, 1, 2, 0, 0},
      {"twice the same system is listed twice",
       [] { AddBody(2, 7, kWormhole, 3); }, 1, 2, 3, 1},
      {"faction 0 stands for any owner", [] { SystemData[3][2] = 4; }, 1, 0, 3, 0},
      {"a destination outside the map is ignored", [] { AddBody(2, 7, kWormhole, 25); }, 1, 2, 3, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    Border();
    c.setup();
    state::Randomize(3);
    EXPECT_EQ(rules::PickInvasionTarget(c.attacker, c.defender), c.target) << c.name;
    EXPECT_EQ(state::RandSeed, SeedAfter(3, c.draws)) << c.name;
  }

  // Two candidates: the list is in system and body order, and one draw picks.
  SetUp();
  Border();
  AddSystem(5, 2);
  AddBody(1, 9, kWormhole, 5);
  for (int pick : {0, 1}) {
    const std::uint32_t seed = FindSeed([&] { return Random(2) == pick; });
    state::Randomize(seed);
    EXPECT_EQ(rules::PickInvasionTarget(1, 2), pick == 0 ? 5 : 3);
  }
}

TEST_F(Diplomacy, WarIsDeclaredOnlyAfterMoreThanOneHundredDaysOfPeaceAndWithATarget) {
  struct Case {
    std::string name;
    int counter;
    bool lowRoll;
    bool target;
    bool war;
    int counterAfter;
  };
  const Case cases[] = {
      {"long peace and a low roll", -101, true, true, true, 0},
      {"exactly one hundred days", -100, true, true, false, -101},
      {"high roll", -101, false, true, false, -102},
      {"nowhere to attack", -101, true, false, false, -101},
  };
  for (const Case& c : cases) {
    SetUp();
    Border();
    OnlyFactions(2);
    if (!c.target) state::BodyData[2][5][1] = 0;
    FactionData[1][22] = c.counter;
    ui.SetVisible(rules::Screen::Travel);
    ui.Clear();
    state::Randomize(FindSeed([&] { return (Random(1000) < 5) == c.lowRoll; }));
    rules::UpdateFactionDiplomacy(ui);

    EXPECT_EQ(FactionData[1][12], c.war ? 1 : 0) << c.name;
    EXPECT_EQ(FactionData[2][11], c.war ? 1 : 0) << c.name;
    EXPECT_EQ(FactionData[1][22], c.counterAfter) << c.name;
    if (c.war) {
      EXPECT_EQ(FactionData[2][21], 1) << "the other side counts its first day of war";
      EXPECT_EQ(NewsList[1][2], rules::kNewsWarDeclared);
      EXPECT_EQ(NewsList[1][3], 1);
      EXPECT_EQ(NewsList[1][4], 2);
      EXPECT_EQ(NewsList[1][13], 0);
      EXPECT_EQ(NewsHeadline[1], "War - Federation vs. Outer Rim");
      EXPECT_NE(NewsList[1][21], 0) << "the text is composed when the news is written";
      EXPECT_TRUE(ui.popups.empty()) << "declarations reach the player through the list only";
    } else {
      EXPECT_EQ(NewsList[1][1], 0) << c.name;
    }
  }
}

TEST_F(Diplomacy, OnlyOneDeclarationADay) {
  Border();
  AddSystem(5, 3);
  AddBody(1, 9, kWormhole, 5);
  OnlyFactions(3);
  FactionData[1][22] = -101;
  FactionData[1][23] = -101;
  // Both pairs roll low: the first declares (roll, lifetime, three text variants), the second
  // falls back to its counter step.
  state::Randomize(FindSeed([] {
    if (Random(1000) >= 5) return false;
    for (int i = 0; i < 4; ++i) Random(10);
    return Random(1000) < 5;
  }));
  rules::UpdateFactionDiplomacy(ui);
  EXPECT_EQ(FactionData[1][12], 1);
  EXPECT_EQ(FactionData[1][13], 0);
  EXPECT_EQ(FactionData[1][23], -102);
}

TEST_F(Diplomacy, CeaseFireNeedsALongWarLaterThanDay200AndNoSiegeBetweenThem) {
  struct Case {
    std::string name;
    int counter;
    int day;
    int siegeAttacker, siegeOwner;  // a running campaign (0: none)
    bool ceaseFire;
  };
  const Case cases[] = {
      {"long war", 100, 201, 0, 0, true},
      {"one day short", 99, 201, 0, 0, false},
      {"too early in the game", 100, 200, 0, 0, false},
      {"the Federation besieges the Outer Rim", 100, 201, 1, 2, false},
      {"the Outer Rim besieges the Federation", 100, 201, 2, 1, false},
      {"a siege against a third faction", 100, 201, 1, 3, true},
  };
  for (const Case& c : cases) {
    SetUp();
    OnlyFactions(2);
    AddSystem(1, 1);
    AddSystem(2, 2);
    AddSystem(3, 3);
    FactionData[1][12] = FactionData[2][11] = 1;
    FactionData[1][22] = c.counter;
    state::GameDay = c.day;
    if (c.siegeAttacker > 0) {
      const int s = c.siegeOwner;
      SystemData[s][20] = 1;
      SystemData[s][21] = c.siegeAttacker;
    }
    state::Randomize(FindSeed([] { return Random(1000) < 200; }));
    rules::UpdateFactionDiplomacy(ui);
    if (c.ceaseFire) {
      EXPECT_EQ(FactionData[1][12], 0) << c.name;
      EXPECT_EQ(FactionData[2][11], 0) << c.name;
      EXPECT_EQ(FactionData[1][22], 0) << c.name;
      EXPECT_EQ(FactionData[2][21], -1) << c.name << ": the other side's first day of peace";
      EXPECT_EQ(NewsList[1][2], rules::kNewsCeaseFire);
      EXPECT_EQ(NewsHeadline[1], "Cease fire - Federation vs. Outer Rim");
    } else {
      EXPECT_EQ(FactionData[1][12], 1) << c.name;
      EXPECT_EQ(FactionData[1][22], c.counter + 1) << c.name << ": the war days keep counting";
    }
  }
}

TEST_F(Diplomacy, AnInvasionStartsACampaignRefillsTheBoardAndPopsUpItsNews) {
  struct Case {
    bool travelVisible;
    bool noWarPopups;
    bool popup;
  };
  const Case cases[] = {{true, false, true}, {false, false, false}, {true, true, false}};
  for (const Case& c : cases) {
    SetUp();
    Border();
    OnlyFactions(2);
    FactionData[1][12] = FactionData[2][11] = 1;
    for (int k = 1; k <= state::kLastOfferSlot; ++k) {
      state::MissionOffers[3][k][1] = 1;
      state::MissionOffers[3][k][2] = 4;
    }
    SystemData[3][25] = 7;
    ui.Clear();
    ui.SetVisible(rules::Screen::Travel, c.travelVisible);
    state::NoWarPopups = c.noWarPopups ? 1 : 0;
    state::Randomize(FindSeed([] {
      Random(1000);  // the cease-fire roll comes first (and fails on day 1)
      return Random(100) < 6;
    }));
    rules::UpdateFactionDiplomacy(ui);

    EXPECT_EQ(SystemData[3][20], 1);
    EXPECT_EQ(SystemData[3][21], 1);
    EXPECT_EQ(SystemData[3][25], 0);
    EXPECT_GE(SystemData[3][27], 200);
    EXPECT_LE(SystemData[3][27], 399);
    for (int k = 1; k <= state::kLastOfferSlot; ++k) {
      EXPECT_EQ(state::MissionOffers[3][k][1], 0);
      EXPECT_EQ(state::MissionOffers[3][k][2], 4) << "only the active flag is cleared";
    }
    EXPECT_EQ(NewsList[1][2], rules::kNewsInvasion);
    EXPECT_EQ(NewsList[1][13], 3);
    EXPECT_EQ(NewsHeadline[1], "System 3 system under attack!");
    ASSERT_EQ(ui.popups.size(), c.popup ? 1u : 0u);
    if (c.popup) {
      EXPECT_EQ(ui.popups[0].kind, rules::Popup::Notice);
      EXPECT_EQ(ui.popups[0].topic, "War news!!");
      EXPECT_EQ(ui.popups[0].headline, "System 3 system under attack!");
      EXPECT_EQ(ui.popups[0].text, rules::BuildNewsText(1));
      EXPECT_EQ(ui.popups[0].picture, "news.jpg");
    }
  }
}

TEST_F(Diplomacy, AFactionBesiegesOneSystemAtATime) {
  Border();
  OnlyFactions(2);
  AddSystem(5, 2);
  AddBody(1, 9, kWormhole, 5);
  FactionData[1][12] = FactionData[2][11] = 1;
  SystemData[5][20] = 1;
  SystemData[5][21] = 1;
  state::Randomize(11);
  rules::UpdateFactionDiplomacy(ui);
  EXPECT_EQ(SystemData[3][20], 0);
  // The Federation draws only its cease-fire roll; the Outer Rim has no way into the Federation.
  EXPECT_EQ(state::RandSeed, SeedAfter(11, 1 + 1 + 1));
}

}  // namespace
