// Special ships around the player and the space finds of a system.
#include <gtest/gtest.h>

#include <string>

#include "rules/space_finds.h"
#include "rules/special_ships.h"
#include "rules/missions.h"
#include "support/script_ui.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_kinds.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"

namespace {

using state::Cargo;
using state::PlayerData;
using state::PlayerShip;
using state::SkillOwned;
using state::SpaceFinds;
using state::SpecialShips;

class Around : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    PlayerData[player::kProfession] = 4;
    PlayerData[player::kFaction] = 1;
    state::BuildNewWorld(state::StartShipClass(kProfessionBountyHunter, kFactionFederation));
    state::Randomize(29);
    ui = support::ScriptUi{};
  }
  static int Active() {
    int n = 0;
    for (int i = 1; i <= 10; ++i) n += SpecialShips[i][special_ship::kActive] != 0;
    return n;
  }
  support::ScriptUi ui;
};

TEST_F(Around, TrackingDecidesHowManyShipsAreSeen) {
  struct Case {
    int tracking, advanced, computer;
    int most;
  };
  const Case cases[] = {{0, 0, 0, 4}, {1, 0, 0, 6}, {0, 1, 0, 10}, {0, 0, 4, 10}};
  for (const Case& c : cases) {
    SetUp();
    SkillOwned[state::Stored(kSkillTracking)] = c.tracking;
    SkillOwned[state::Stored(kSkillAdvancedTracking)] = c.advanced;
    PlayerShip[ship::kTargeting] = c.computer;
    int most = 0;
    for (int day = 0; day < 60; ++day) {
      rules::UpdateSpecialShips(ui);
      most = std::max(most, Active());
      for (int i = 1; i <= 10; ++i) {
        const state::TSpecialShipRow& ship = SpecialShips[i];
        if (!ship[special_ship::kActive]) continue;
        EXPECT_TRUE(ship[special_ship::kClass] >= 1 && ship[special_ship::kClass] <= 19);
        EXPECT_TRUE(ship[special_ship::kKind] >= 1 && ship[special_ship::kKind] <= 3);
        EXPECT_TRUE(ship[special_ship::kDaysLeft] >= 1 && ship[special_ship::kDaysLeft] <= 12);
        EXPECT_EQ(ShipKind{ship[special_ship::kKind]} == kPirateShip,
                  ship[special_ship::kFaction] == 0)
            << "pirates fly for nobody";
      }
    }
    EXPECT_LE(most, c.most);
    EXPECT_GE(most, c.most - 1) << "the places fill up";
  }
}

TEST_F(Around, AnExpiringTreasureShipClearsItsNotice) {
  SpecialShips[3] = test_rows::SpecialShipRow()
                        .Active()
                        .Kind(kTraderShip)
                        .SubKind(kSubKindTreasureFleet)
                        .DaysLeft(1);
  PlayerData[player::kTreasureFleetNotice] = 1;
  rules::UpdateSpecialShips(ui);
  EXPECT_EQ(PlayerData[player::kTreasureFleetNotice], 0);
}

TEST_F(Around, TheBountyTargetTurnsUpAmongThePirates) {
  state::ActiveMission = test_rows::MissionRow()
                             .Active()
                             .Type(kMissionBounty)
                             .Set(mission::kTargetSystem, PlayerShip[ship::kSystem])
                             .Subject(7)
                             .Set(mission::kEnemyFaction, 0)
                             .Set(mission::kFirstPointBody, 3);
  bool found = false;
  for (int day = 0; day < 400 && !found; ++day) {
    rules::UpdateSpecialShips(ui);
    for (int i = 1; i <= 10; ++i) {
      if (SpecialShips[i][special_ship::kActive] == 0 ||
          SpecialShips[i][special_ship::kMissionTarget] != 1)
        continue;
      found = true;
      EXPECT_EQ(SpecialShips[i][special_ship::kClass], 7);
      EXPECT_EQ(SpecialShips[i][special_ship::kSubKind], 2);
      EXPECT_GE(SpecialShips[i][special_ship::kSecondSentenceVariant], 1)
          << "its sensor text is prepared";
      EXPECT_NE(rules::DescribeSpecialShip(i, "\"Black Joe\"").find("\"Black Joe\""), std::string::npos);
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(Around, AMissionTargetAppearsOnlyAmongItsKindAndOnlyInTheTargetSystem) {
  struct Case {
    const char* name;
    MissionType type;
    ShipKind kind;  // the kind of ship that may become the target
    int faction;  // ActiveMission[mission::kEnemyFaction]
    int systemShift;  // 0: the mission's target is the current system
    bool appears;
  };
  const Case cases[] = {
      {"bounty: a pirate", kMissionBounty, kPirateShip, 0, 0, true},
      {"abduction: a military ship", kMissionAbduction, kMilitaryShip, 2, 0, true},
      {"abduction in another system", kMissionAbduction, kMilitaryShip, 2, 1, false},
      {"a patrol hunts nobody", kMissionPatrol, ShipKind{0}, 2, 0, false},
  };
  for (const Case& c : cases) {
    SetUp();
    state::ActiveMission =
        test_rows::MissionRow()
            .Active()
            .Type(c.type)
            .Set(mission::kTargetSystem, PlayerShip[ship::kSystem] + c.systemShift)
            .Subject(9)
            .Set(mission::kEnemyFaction, c.faction)
            .Set(mission::kFirstPointBody, 4);
    int targets = 0;
    for (int day = 0; day < 300; ++day) {
      rules::UpdateSpecialShips(ui);
      for (int i = 1; i <= 10; ++i) {
        const state::TSpecialShipRow& ship = SpecialShips[i];
        if (ship[special_ship::kActive] == 0 || ship[special_ship::kMissionTarget] != 1) continue;
        ++targets;
        EXPECT_EQ(ShipKind{ship[special_ship::kKind]}, c.kind) << c.name;
        EXPECT_EQ(ship[special_ship::kClass], 9) << c.name;
        EXPECT_EQ(ship[special_ship::kFaction], c.faction) << c.name;
        EXPECT_EQ(ship[special_ship::kSubKind], 2) << c.name;
      }
    }
    EXPECT_EQ(targets > 0, c.appears) << c.name;
  }
}

TEST_F(Around, SensorTextsAreDrawnOnceAndNeverEmpty) {
  for (int sub = 1; sub <= 5; ++sub) {
    for (int kind = 1; kind <= 3; ++kind) {
      state::TSpecialShipRow& ship = SpecialShips[2];
      ship = test_rows::SpecialShipRow()
                 .Active()
                 .Kind(ShipKind{kind})
                 .SubKind(SpecialShipSubKind{sub});
      const std::string text = kind == 1   ? rules::DescribeTraderSpecialShip(2)
                               : kind == 2 ? rules::DescribeMilitarySpecialShip(2)
                                           : rules::DescribeSpecialShip(2, "");
      EXPECT_GT(text.size(), 40u);
      EXPECT_GE(ship[special_ship::kFirstSentenceVariant], 1);
      EXPECT_GE(ship[special_ship::kSecondSentenceVariant], 1);
      const std::string again = kind == 1   ? rules::DescribeTraderSpecialShip(2)
                                : kind == 2 ? rules::DescribeMilitarySpecialShip(2)
                                            : rules::DescribeSpecialShip(2, "");
      EXPECT_EQ(again, text);
    }
  }
  SpecialShips[2][special_ship::kFirstSentenceVariant] = 1;
  SpecialShips[2][special_ship::kSecondSentenceVariant] = 1;
  SpecialShips[2][special_ship::kSubKind] = state::Stored(kSubKindWantedPirate);
  SpecialShips[2][special_ship::kPirateNameVariant] = 5;
  EXPECT_EQ(rules::DescribeSpecialShip(2, " "),
            "Your scanners have detected a pirate spaceship not too far away. Oh no! It’s the dread "
            "pirate \"Iceman\". One of the most wanted men in the Galaxy!");
  EXPECT_EQ(rules::PickSpecialShipPirateName(2), "\"Iceman\"");
  EXPECT_EQ(rules::DescribeSpecialShip(11, ""), "");
}

class Finds : public Around {
 protected:
  int s() const { return PlayerShip[ship::kSystem]; }
  void Place(int slot, SpaceFindKind kind) {
    SpaceFinds[s()][slot][space_find::kPresent] = 1;
    SpaceFinds[s()][slot][space_find::kDaysLeft] = 15;
    SpaceFinds[s()][slot][space_find::kKind] = state::Stored(kind);
  }
};

TEST_F(Finds, ATreasureIsWorthAtLeast2500) {
  PlayerData[player::kCredits] = 10000;
  PlayerData[player::kRank] = 3;
  Place(2, kFindTreasure);
  rules::ResolveSpaceFind(2, ui);
  EXPECT_EQ(PlayerData[player::kCredits], 12500);
  EXPECT_EQ(SpaceFinds[s()][2][space_find::kPresent], 0);
  ASSERT_EQ(ui.CountTopic("Treasure:"), 1u);
  EXPECT_EQ(ui.WithTopic("Treasure:")[0].text, "You have found a hidden treasure. It is worth about 2,500 credits.");
  EXPECT_GE(ui.spaceFindRedraws, 1);
}

TEST_F(Finds, AGhostShipLootsWhatTheHoldTakes) {
  struct Case {
    int capacity, carried;
    const char* start;
  };
  const Case cases[] = {
      {100, 100, "Because of your full cargobay you - unfortunately - cannot loot any cargo"},
      {100, 90, "Congratulations! You loot 10E of cargo ("},
      {100, 150, "Because of your full cargobay"},  // an overfull hold loots nothing, never less
      {1000, 0, "Congratulations! You loot "},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kCargoSpace] = c.capacity;
    Cargo[1] = c.carried;
    const int credits = PlayerData[player::kCredits];
    Place(1, kFindGhostShip);
    rules::ResolveSpaceFind(1, ui);
    std::string reward;
    for (const auto& p : ui.popups) if (p.kind == rules::Popup::Reward) reward = p.text;
    EXPECT_EQ(reward.rfind(c.start, 0), 0u) << reward;
    EXPECT_GE(PlayerData[player::kCredits], credits);
    EXPECT_EQ(Cargo[1], c.carried) << "the loot is sold at once";
    if (c.carried >= c.capacity) {
      EXPECT_EQ(PlayerData[player::kCredits], credits);
    }
  }
}

TEST_F(Finds, ALifepodNeedsAFreeSlotToRevealMore) {
  for (int k = 1; k <= 4; ++k) Place(k, kFindTreasure);
  SpaceFinds[s()][3][space_find::kKind] = state::Stored(kFindLifepod);
  rules::ResolveSpaceFind(3, ui);
  ASSERT_EQ(ui.CountTopic("Lifepod:"), 1u);
  EXPECT_EQ(ui.WithTopic("Lifepod:")[0].text,
            "You open the lifepod. The crew is dead and you cannot find anything else of value.");
  EXPECT_EQ(SpaceFinds[s()][3][space_find::kPresent], 0);

  SetUp();
  Place(1, kFindLifepod);
  PlayerShip[ship::kBody] = -1;  // the ship sits at the lifepod
  rules::ResolveSpaceFind(1, ui);
  int present = 0;
  for (int k = 1; k <= 4; ++k) present += SpaceFinds[s()][k][space_find::kPresent];
  EXPECT_EQ(present, 2) << "two new finds, the lifepod gone";
  EXPECT_EQ(SpaceFinds[s()][1][space_find::kPresent], 0);
}

TEST_F(Finds, SecretDataNeedSpySensorsAndStayUntilKept) {
  PlayerShip[ship::kCargoSpace] = 100;
  Place(4, kFindOwnSecretData);
  ui.choiceAnswers = {true};
  PlayerShip[ship::kTargeting] = state::Stored(kComputerQuicklockMk1);
  rules::ResolveSpaceFind(4, ui);
  EXPECT_EQ(ui.CountTopic("N/A"), 1u);
  EXPECT_EQ(SpaceFinds[s()][4][space_find::kPresent], 1) << "the data stay in space";
  ui.choiceAnswers = {false};
  rules::ResolveSpaceFind(4, ui);
  EXPECT_EQ(SpaceFinds[s()][4][space_find::kPresent], 1) << "deleting leaves them too";
  PlayerShip[ship::kTargeting] = state::Stored(kComputerSpySensors);
  ASSERT_TRUE(state::HasSpySensors());
  ui.choiceAnswers = {true};
  rules::ResolveSpaceFind(4, ui);
  EXPECT_EQ(SpaceFinds[s()][4][space_find::kPresent], 0);
  EXPECT_GE(Cargo[18], 10);
  EXPECT_LE(Cargo[18], 29);
  ASSERT_EQ(ui.choices.size(), 3u);
  EXPECT_EQ(ui.choices[0].topic, "Secret data:");
}

TEST_F(Finds, AnArtifactIsSoldOrGivenForFame) {
  Place(1, kFindAlienArtifact);
  PlayerData[player::kCredits] = 0;
  ui.choiceAnswers = {true};
  rules::ResolveSpaceFind(1, ui);
  EXPECT_EQ(PlayerData[player::kCredits], 2500) << "nothing to speak of sells for the least";
  EXPECT_EQ(ui.CountTopic("Black market:"), 1u);

  SetUp();
  Place(1, kFindAlienArtifact);
  ui.choiceAnswers = {false};  // given to the government
  rules::ResolveSpaceFind(1, ui);
  EXPECT_EQ(PlayerData[player::kExperience], state::GetLevelExperience(1) / 4);
  EXPECT_EQ(SpaceFinds[s()][1][space_find::kPresent], 0);
  bool fame = false;
  for (const auto& p : ui.popups) fame = fame || (p.kind == rules::Popup::Fame && p.picture == "FederationLogo.jpg");
  EXPECT_TRUE(fame);
}

TEST_F(Finds, NewFindsAvoidTheShipsSlotAndExpireAfter15Days) {
  PlayerShip[ship::kBody] = -2;
  for (int i = 0; i < 200; ++i) {
    for (int k = 1; k <= 4; ++k) SpaceFinds[s()][k][space_find::kPresent] = 0;
    rules::SpawnSpaceFind(s(), ui);
    EXPECT_EQ(SpaceFinds[s()][2][space_find::kPresent], 0);
  }
  for (int k = 1; k <= 4; ++k) SpaceFinds[s()][k][space_find::kPresent] = k != 2;
  const auto before = SpaceFinds[s()];
  rules::SpawnSpaceFind(s(), ui);
  EXPECT_EQ(SpaceFinds[s()], before) << "no free slot: nothing happens";

  for (int k = 1; k <= 4; ++k) SpaceFinds[s()][k][space_find::kPresent] = 0;
  PlayerShip[ship::kBody] = 2;
  rules::SpawnSpaceFind(s(), ui);
  int slot = 0;
  for (int k = 1; k <= 4; ++k) if (SpaceFinds[s()][k][space_find::kPresent]) slot = k;
  ASSERT_NE(slot, 0);
  for (int day = 0; day < 14; ++day) {
    rules::UpdateSpaceFinds(ui);
    EXPECT_EQ(SpaceFinds[s()][slot][space_find::kPresent], 1) << day;
  }
  rules::UpdateSpaceFinds(ui);
  EXPECT_EQ(SpaceFinds[s()][slot][space_find::kPresent], 0);
}

}  // namespace
