#include "rules/diplomacy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/missions.h"
#include "rules/news.h"
#include "state/fields.h"
#include "state/mission_types.h"
#include "state/ship_classes.h"
#include "support/rows.h"
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
    for (int f = count + 1; f <= state::kLastFaction; ++f) FactionData[f][faction::kAlive] = 0;
  }
  static state::ShipClassId CorvetteClass() {
    for (const state::ShipClassId c : state::kEveryShipClass) {
      if (state::GetShipClassSize(c) == state::kSizeCorvette) return c;
    }
    ADD_FAILURE() << "no corvette in the catalogue";
    return state::kNoShipClass;
  }
};

TEST_F(Diplomacy, InvasionTargetsLieBehindVisibleWormholesAndAreNoCapitals) {
  struct Case {
    std::string name;
    void (*setup)();
    Faction attacker, defender;
    int target;
    int draws;
  };
  constexpr Faction kFed = kFactionFederation, kRim = kFactionOuterRim;
  const Case cases[] = {
      {"one wormhole into the defender", [] {}, kFed, kRim, 3, 0},
      {"capitals are never targets", [] { SystemData[3][star_system::kOwner] = 3; }, kFed, kRim, 0,
       0},
      {"no wormhole into that faction", [] {}, kFed, kFactionCoalition, 0, 0},
      {"hidden wormhole", [] { state::BodyData[2][5][body::kVisible] = 0; }, kFed, kRim, 0, 0},
      {"the attacker's system is gone", [] { SystemData[2][star_system::kPresent] = 0; }, kFed,
       kRim, 0, 0},
      {"twice the same system is listed twice", [] { AddBody(2, 7, kWormhole, 3); }, kFed, kRim, 3,
       1},
      {"faction 0 stands for any owner", [] { SystemData[3][star_system::kOwner] = 4; }, kFed,
       kFactionPirates, 3, 0},
      {"a destination outside the map is ignored", [] { AddBody(2, 7, kWormhole, 25); }, kFed,
       kRim, 3, 0},
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
    EXPECT_EQ(rules::PickInvasionTarget(kFactionFederation, kFactionOuterRim), pick == 0 ? 5 : 3);
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
    if (!c.target) state::BodyData[2][5][body::kVisible] = 0;
    FactionData[1][faction::kRelationDays + 2] = c.counter;
    ui.SetVisible(rules::Screen::Travel);
    ui.Clear();
    state::Randomize(FindSeed([&] { return (Random(1000) < 5) == c.lowRoll; }));
    rules::UpdateFactionDiplomacy(ui);

    EXPECT_EQ(FactionData[1][faction::kAtWarWith + 2], c.war ? 1 : 0) << c.name;
    EXPECT_EQ(FactionData[2][faction::kAtWarWith + 1], c.war ? 1 : 0) << c.name;
    EXPECT_EQ(FactionData[1][faction::kRelationDays + 2], c.counterAfter) << c.name;
    if (c.war) {
      EXPECT_EQ(FactionData[2][faction::kRelationDays + 1], 1)
          << "the other side counts its first day of war";
      EXPECT_EQ(rules::NewsKind{NewsList[1][news::kKind]}, rules::kNewsWarDeclared);
      EXPECT_EQ(NewsList[1][news::kSubject], 1);
      EXPECT_EQ(NewsList[1][news::kSecondFaction], 2);
      EXPECT_EQ(NewsList[1][news::kSystem], 0);
      EXPECT_EQ(NewsHeadline[1], "War - Federation vs. Outer Rim");
      EXPECT_NE(NewsList[1][news::kFirstSentenceVariant], 0)
          << "the text is composed when the news is written";
      EXPECT_TRUE(ui.popups.empty()) << "declarations reach the player through the list only";
    } else {
      EXPECT_EQ(NewsList[1][news::kValid], 0) << c.name;
    }
  }
}

TEST_F(Diplomacy, OnlyOneDeclarationADay) {
  Border();
  AddSystem(5, 3);
  AddBody(1, 9, kWormhole, 5);
  OnlyFactions(3);
  FactionData[1][faction::kRelationDays + 2] = -101;
  FactionData[1][faction::kRelationDays + 3] = -101;
  // Both pairs roll low: the first declares (roll, lifetime, three text variants), the second
  // falls back to its counter step.
  state::Randomize(FindSeed([] {
    if (Random(1000) >= 5) return false;
    for (int i = 0; i < 4; ++i) Random(10);
    return Random(1000) < 5;
  }));
  rules::UpdateFactionDiplomacy(ui);
  EXPECT_EQ(FactionData[1][faction::kAtWarWith + 2], 1);
  EXPECT_EQ(FactionData[1][faction::kAtWarWith + 3], 0);
  EXPECT_EQ(FactionData[1][faction::kRelationDays + 3], -102);
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
    FactionData[1][faction::kAtWarWith + 2] = FactionData[2][faction::kAtWarWith + 1] = 1;
    FactionData[1][faction::kRelationDays + 2] = c.counter;
    state::GameDay = c.day;
    if (c.siegeAttacker > 0) {
      const int s = c.siegeOwner;
      SystemData[s][star_system::kCampaign] = 1;
      SystemData[s][star_system::kAttacker] = c.siegeAttacker;
    }
    state::Randomize(FindSeed([] { return Random(1000) < 200; }));
    rules::UpdateFactionDiplomacy(ui);
    if (c.ceaseFire) {
      EXPECT_EQ(FactionData[1][faction::kAtWarWith + 2], 0) << c.name;
      EXPECT_EQ(FactionData[2][faction::kAtWarWith + 1], 0) << c.name;
      EXPECT_EQ(FactionData[1][faction::kRelationDays + 2], 0) << c.name;
      EXPECT_EQ(FactionData[2][faction::kRelationDays + 1], -1)
          << c.name << ": the other side's first day of peace";
      EXPECT_EQ(rules::NewsKind{NewsList[1][news::kKind]}, rules::kNewsCeaseFire);
      EXPECT_EQ(NewsHeadline[1], "Cease fire - Federation vs. Outer Rim");
    } else {
      EXPECT_EQ(FactionData[1][faction::kAtWarWith + 2], 1) << c.name;
      EXPECT_EQ(FactionData[1][faction::kRelationDays + 2], c.counter + 1)
          << c.name << ": the war days keep counting";
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
    FactionData[1][faction::kAtWarWith + 2] = FactionData[2][faction::kAtWarWith + 1] = 1;
    // A Federation captain in a corvette at system 2; the system under attack has a sun and three
    // planets, so campaign work can be offered there.
    state::PlayerData[player::kFaction] = 1;
    state::PlayerShip[ship::kClass] = state::Stored(CorvetteClass());
    state::PlayerShip[ship::kSystem] = 2;
    state::PlayerShip[ship::kBody] = 5;
    AddBody(3, 1, kSun);
    for (int b = 2; b <= 4; ++b) AddBody(3, b, b - 1);
    for (int k = 1; k <= state::kLastOfferSlot; ++k)
      state::MissionOffers[3][k] = test_rows::MissionRow()
                                       .Active()
                                       .Type(kMissionAmbush)
                                       .Set(mission::kBriefingVariant, 99);
    SystemData[3][star_system::kCampaignMissions] = 7;
    ui.Clear();
    ui.SetVisible(rules::Screen::Travel, c.travelVisible);
    state::NoWarPopups = c.noWarPopups ? 1 : 0;
    state::Randomize(FindSeed([] {
      Random(1000);  // the cease-fire roll comes first (and fails on day 1)
      return Random(100) < 6;
    }));
    rules::UpdateFactionDiplomacy(ui);

    EXPECT_EQ(SystemData[3][star_system::kCampaign], 1);
    EXPECT_EQ(SystemData[3][star_system::kAttacker], 1);
    EXPECT_EQ(SystemData[3][star_system::kCampaignMissions], 0);
    EXPECT_GE(SystemData[3][star_system::kSiegeDays], 200);
    EXPECT_LE(SystemData[3][star_system::kSiegeDays], 399);
    // Each of the six slots was cleared and filled again under the siege: campaign work in the
    // besieged system, serving its campaign, briefed anew.
    for (int k = 1; k <= state::kLastOfferSlot; ++k) {
      const state::TMissionRow& offer = state::MissionOffers[3][k];
      const std::string slot = "slot " + std::to_string(k);
      ASSERT_EQ(offer[mission::kActive], 1) << slot;
      EXPECT_TRUE(MissionType{offer[mission::kType]} == kMissionStrike ||
                  MissionType{offer[mission::kType]} == kMissionAssault ||
                  MissionType{offer[mission::kType]} == kMissionCombatPatrol ||
                  MissionType{offer[mission::kType]} == kMissionCombatTransport ||
                  MissionType{offer[mission::kType]} == kMissionEscort ||
                  MissionType{offer[mission::kType]} == kMissionRecon)
          << slot << " type " << offer[mission::kType];
      EXPECT_EQ(offer[mission::kCampaignSystem], 3) << slot;
      EXPECT_EQ(offer[mission::kTargetSystem], 3) << slot;
      EXPECT_GE(offer[mission::kTargetBody], 1) << slot;
      EXPECT_LE(offer[mission::kTargetBody], 4) << slot;
      EXPECT_GT(offer[mission::kReward], 0) << slot;
      EXPECT_GE(offer[mission::kBriefingVariant], 1) << slot;
      EXPECT_LE(offer[mission::kBriefingVariant], 10) << slot;
    }
    EXPECT_EQ(rules::NewsKind{NewsList[1][news::kKind]}, rules::kNewsInvasion);
    EXPECT_EQ(NewsList[1][news::kSystem], 3);
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

// The Federation's day against the Outer Rim with its rolls at their edges. The draws of the visit
// come in this order: the war or cease-fire roll, then (at war) the invasion roll; a declaration
// then draws the news' lifetime and its three text variants, an invasion the siege length.
TEST_F(Diplomacy, RollsAtTheirEdges) {
  struct Case {
    std::string name;
    bool atWar;
    int counter;
    int day;
    int first, firstRange;     // the first roll of the visit
    int invasion;              // the invasion roll (at war), -1 for none
    bool war, campaign;        // state after the day
  };
  const Case cases[] = {
      {"declaration on 4", false, -101, 1, 4, 1000, -1, true, false},
      {"no declaration on 5", false, -101, 1, 5, 1000, -1, false, false},
      {"cease-fire on 199", true, 100, 201, 199, 1000, 99, false, false},
      {"no cease-fire on 200", true, 100, 201, 200, 1000, 99, true, false},
      {"invasion on 5", true, 0, 1, 0, 1000, 5, true, true},
      {"no invasion on 6", true, 0, 1, 0, 1000, 6, true, false},
  };
  for (const Case& c : cases) {
    SetUp();
    Border();
    OnlyFactions(2);
    FactionData[1][faction::kAtWarWith + 2] = FactionData[2][faction::kAtWarWith + 1] =
        c.atWar ? 1 : 0;
    FactionData[1][faction::kRelationDays + 2] = c.counter;
    state::GameDay = c.day;
    std::vector<int> next;  // the draws right after the rolls
    const std::uint32_t seed = FindSeed([&] {
      if (Random(c.firstRange) != c.first) return false;
      if (c.invasion >= 0 && Random(100) != c.invasion) return false;
      next = {Random(30), Random(10), Random(10), Random(10)};
      return true;
    });
    state::Randomize(seed);
    rules::UpdateFactionDiplomacy(ui);

    EXPECT_EQ(FactionData[1][faction::kAtWarWith + 2], c.war ? 1 : 0) << c.name;
    EXPECT_EQ(SystemData[3][star_system::kCampaign], c.campaign ? 1 : 0) << c.name;
    if (c.campaign) {
      // One candidate draws nothing: the siege length is the next draw, Random(200).
      state::Randomize(seed);
      Random(1000);
      Random(100);
      EXPECT_EQ(SystemData[3][star_system::kSiegeDays], 200 + Random(200)) << c.name;
    }
    if (c.war && !c.atWar) {
      EXPECT_EQ(NewsList[1][news::kLifetime], 20 + next[0]) << c.name;
      EXPECT_EQ(NewsList[1][news::kFirstSentenceVariant], next[1] + 1) << c.name;
      EXPECT_EQ(NewsList[1][news::kSecondSentenceVariant], next[2] + 1) << c.name;
      EXPECT_EQ(NewsList[1][news::kWarThirdSentenceVariant], next[3] + 1) << c.name;
    }
  }

  // The longest siege: the length draw at its top gives 399 days.
  SetUp();
  Border();
  OnlyFactions(2);
  FactionData[1][faction::kAtWarWith + 2] = FactionData[2][faction::kAtWarWith + 1] = 1;
  state::Randomize(FindSeed([] { return Random(1000) >= 0 && Random(100) < 6 && Random(200) == 199; }));
  rules::UpdateFactionDiplomacy(ui);
  EXPECT_EQ(SystemData[3][star_system::kSiegeDays], 399);
}

// A day's first war news ends its declarations and cease-fires, whichever news it was; the
// invasion roll goes on regardless. The Federation can reach the Outer Rim (system 3) and the
// Coalition (system 5).
TEST_F(Diplomacy, TheDaysFirstNewsEndsDeclarationsButNotInvasions) {
  auto twoFronts = [this] {
    Border();
    AddSystem(5, 3);
    AddBody(1, 9, kWormhole, 5);
    OnlyFactions(3);
  };

  // A declaration on the Outer Rim, then the invasion of the Coalition in the same day.
  twoFronts();
  FactionData[1][faction::kRelationDays + 2] = -101;
  FactionData[1][faction::kAtWarWith + 3] = FactionData[3][faction::kAtWarWith + 1] = 1;
  state::Randomize(FindSeed([] {
    if (Random(1000) >= 5) return false;
    for (int i = 0; i < 4; ++i) Random(10);  // the news' lifetime and text variants
    Random(1000);                            // the cease-fire roll, lost on day 1
    return Random(100) < 6;
  }));
  rules::UpdateFactionDiplomacy(ui);
  EXPECT_EQ(FactionData[1][faction::kAtWarWith + 2], 1);
  EXPECT_EQ(SystemData[5][star_system::kCampaign], 1);
  EXPECT_EQ(SystemData[5][star_system::kAttacker], 1);

  // An invasion of the Outer Rim, then a low roll against the Coalition: no declaration. A script
  // records the generator when the invasion news pops up; the next draw is that roll.
  struct SeedAtNews : support::ScriptUi {
    std::uint32_t seed = 0;
    void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                    std::string_view picture) override {
      seed = state::RandSeed;
      support::ScriptUi::ShowNotice(topic, headline, text, picture);
    }
  };
  bool found = false;
  for (std::uint32_t seed = 0; seed < 2'000'000 && !found; ++seed) {
    SetUp();
    twoFronts();
    FactionData[1][faction::kAtWarWith + 2] = FactionData[2][faction::kAtWarWith + 1] = 1;
    FactionData[1][faction::kRelationDays + 3] = -101;
    SeedAtNews newsUi;
    newsUi.SetVisible(rules::Screen::Travel);
    state::Randomize(seed);
    rules::UpdateFactionDiplomacy(newsUi);
    if (SystemData[3][star_system::kCampaign] != 1) continue;
    state::Randomize(newsUi.seed);
    if (Random(1000) >= 5) continue;
    found = true;
    EXPECT_EQ(FactionData[1][faction::kAtWarWith + 3], 0) << "seed " << seed;
    EXPECT_EQ(FactionData[1][faction::kRelationDays + 3], -102) << "seed " << seed;
  }
  EXPECT_TRUE(found);
}

TEST_F(Diplomacy, AFactionBesiegesOneSystemAtATime) {
  Border();
  OnlyFactions(2);
  AddSystem(5, 2);
  AddBody(1, 9, kWormhole, 5);
  FactionData[1][faction::kAtWarWith + 2] = FactionData[2][faction::kAtWarWith + 1] = 1;
  SystemData[5][star_system::kCampaign] = 1;
  SystemData[5][star_system::kAttacker] = 1;
  state::Randomize(11);
  rules::UpdateFactionDiplomacy(ui);
  EXPECT_EQ(SystemData[3][star_system::kCampaign], 0);
  // The Federation draws only its cease-fire roll; the Outer Rim has no way into the Federation.
  EXPECT_EQ(state::RandSeed, SeedAfter(11, 1 + 1 + 1));
}

}  // namespace
