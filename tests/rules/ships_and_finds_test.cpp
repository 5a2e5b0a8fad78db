// Special ships around the player and the space finds of a system.
#include <gtest/gtest.h>

#include <string>

#include "rules/space_finds.h"
#include "rules/special_ships.h"
#include "rules/missions.h"
#include "rules/turns_ui.h"
#include "state/equipment.h"
#include "state/new_world.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"

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
    PlayerData[3] = 4;
    PlayerData[4] = 1;
    state::BuildNewWorld(state::StartShipClass(4, 1));
    state::Randomize(29);
    ui = turns::TurnsUi{};
  }
  static int Active() {
    int n = 0;
    for (int i = 1; i <= 10; ++i) n += SpecialShips[i][1] != 0;
    return n;
  }
  turns::TurnsUi ui;
};

TEST_F(Around, TrackingDecidesHowManyShipsAreSeen) {
  struct Case {
    int tracking, advanced, computer;
    int most;
  };
  const Case cases[] = {{0, 0, 0, 4}, {1, 0, 0, 6}, {0, 1, 0, 10}, {0, 0, 4, 10}};
  for (const Case& c : cases) {
    SetUp();
    SkillOwned[11] = c.tracking;
    SkillOwned[12] = c.advanced;
    PlayerShip[72] = c.computer;
    int most = 0;
    for (int day = 0; day < 60; ++day) {
      rules::UpdateSpecialShips(ui);
      most = std::max(most, Active());
      for (int i = 1; i <= 10; ++i) {
        const state::TSpecialShipRow& ship = SpecialShips[i];
        if (!ship[1]) continue;
        EXPECT_TRUE(ship[2] >= 1 && ship[2] <= 19);
        EXPECT_TRUE(ship[3] >= 1 && ship[3] <= 3);
        EXPECT_TRUE(ship[6] >= 1 && ship[6] <= 12);
        EXPECT_EQ(ship[3] == rules::kSpecialPirate, ship[5] == 0) << "pirates fly for nobody";
      }
    }
    EXPECT_LE(most, c.most);
    EXPECT_GE(most, c.most - 1) << "the places fill up";
  }
}

TEST_F(Around, AnExpiringTreasureShipClearsItsNotice) {
  SpecialShips[3][1] = 1;
  SpecialShips[3][3] = rules::kSpecialTrader;
  SpecialShips[3][9] = 4;
  SpecialShips[3][6] = 1;
  PlayerData[42] = 1;
  rules::UpdateSpecialShips(ui);
  EXPECT_EQ(PlayerData[42], 0);
}

TEST_F(Around, TheBountyTargetTurnsUpAmongThePirates) {
  state::ActiveMission[1] = 1;
  state::ActiveMission[2] = rules::kMissionBounty;
  state::ActiveMission[7] = PlayerShip[14];
  state::ActiveMission[8] = 7;
  state::ActiveMission[9] = 0;
  state::ActiveMission[10] = 3;
  bool found = false;
  for (int day = 0; day < 400 && !found; ++day) {
    rules::UpdateSpecialShips(ui);
    for (int i = 1; i <= 10; ++i) {
      if (SpecialShips[i][1] == 0 || SpecialShips[i][20] != 1) continue;
      found = true;
      EXPECT_EQ(SpecialShips[i][2], 7);
      EXPECT_EQ(SpecialShips[i][9], 2);
      EXPECT_GE(SpecialShips[i][22], 1) << "its sensor text is prepared";
      EXPECT_NE(rules::DescribeSpecialShip(i, "\"Black Joe\"").find("\"Black Joe\""), std::string::npos);
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(Around, AMissionTargetAppearsOnlyAmongItsKindAndOnlyInTheTargetSystem) {
  struct Case {
    const char* name;
    int type;
    int kind;     // the kind of ship that may become the target
    int faction;  // ActiveMission[9]
    int systemShift;  // 0: the mission's target is the current system
    bool appears;
  };
  const Case cases[] = {
      {"bounty: a pirate", rules::kMissionBounty, rules::kSpecialPirate, 0, 0, true},
      {"abduction: a military ship", rules::kMissionAbduction, rules::kSpecialMilitary, 2, 0, true},
      {"abduction in another system", rules::kMissionAbduction, rules::kSpecialMilitary, 2, 1, false},
      {"a patrol hunts nobody", rules::kMissionPatrol, 0, 2, 0, false},
  };
  for (const Case& c : cases) {
    SetUp();
    state::ActiveMission[1] = 1;
    state::ActiveMission[2] = c.type;
    state::ActiveMission[7] = PlayerShip[14] + c.systemShift;
    state::ActiveMission[8] = 9;
    state::ActiveMission[9] = c.faction;
    state::ActiveMission[10] = 4;
    int targets = 0;
    for (int day = 0; day < 300; ++day) {
      rules::UpdateSpecialShips(ui);
      for (int i = 1; i <= 10; ++i) {
        const state::TSpecialShipRow& ship = SpecialShips[i];
        if (ship[1] == 0 || ship[20] != 1) continue;
        ++targets;
        EXPECT_EQ(ship[3], c.kind) << c.name;
        EXPECT_EQ(ship[2], 9) << c.name;
        EXPECT_EQ(ship[5], c.faction) << c.name;
        EXPECT_EQ(ship[9], 2) << c.name;
      }
    }
    EXPECT_EQ(targets > 0, c.appears) << c.name;
  }
}

TEST_F(Around, SensorTextsAreDrawnOnceAndNeverEmpty) {
  for (int sub = 1; sub <= 5; ++sub) {
    for (int kind = 1; kind <= 3; ++kind) {
      state::TSpecialShipRow& ship = SpecialShips[2];
      ship.fill(0);
      ship[1] = 1;
      ship[3] = kind;
      ship[9] = sub;
      const std::string text = kind == 1   ? rules::DescribeTraderSpecialShip(2)
                               : kind == 2 ? rules::DescribeMilitarySpecialShip(2)
                                           : rules::DescribeSpecialShip(2, "");
      EXPECT_GT(text.size(), 40u);
      EXPECT_GE(ship[21], 1);
      EXPECT_GE(ship[22], 1);
      const std::string again = kind == 1   ? rules::DescribeTraderSpecialShip(2)
                                : kind == 2 ? rules::DescribeMilitarySpecialShip(2)
                                            : rules::DescribeSpecialShip(2, "");
      EXPECT_EQ(again, text);
    }
  }
  SpecialShips[2][21] = 1;
  SpecialShips[2][22] = 1;
  SpecialShips[2][9] = 2;
  SpecialShips[2][23] = 5;
  EXPECT_EQ(rules::DescribeSpecialShip(2, " "),
            "Your scanners have detected a pirate spaceship not too far away. Oh no! It’s the dread "
            "pirate \"Iceman\". One of the most wanted men in the Galaxy!");
  EXPECT_EQ(rules::PickSpecialShipPirateName(2), "\"Iceman\"");
  EXPECT_EQ(rules::DescribeSpecialShip(11, ""), "");
}

class Finds : public Around {
 protected:
  int s() const { return PlayerShip[14]; }
  void Place(int slot, int kind) {
    SpaceFinds[s()][slot][1] = 1;
    SpaceFinds[s()][slot][2] = 15;
    SpaceFinds[s()][slot][3] = kind;
  }
};

TEST_F(Finds, ATreasureIsWorthAtLeast2500) {
  PlayerData[2] = 10000;
  PlayerData[14] = 3;
  Place(2, rules::kFindTreasure);
  rules::ResolveSpaceFind(2, ui);
  EXPECT_EQ(PlayerData[2], 12500);
  EXPECT_EQ(SpaceFinds[s()][2][1], 0);
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
    PlayerShip[20] = c.capacity;
    Cargo[1] = c.carried;
    const int credits = PlayerData[2];
    Place(1, rules::kFindGhostShip);
    rules::ResolveSpaceFind(1, ui);
    std::string reward;
    for (const auto& p : ui.popups) if (p.kind == rules::Popup::Reward) reward = p.text;
    EXPECT_EQ(reward.rfind(c.start, 0), 0u) << reward;
    EXPECT_GE(PlayerData[2], credits);
    EXPECT_EQ(Cargo[1], c.carried) << "the loot is sold at once";
    if (c.carried >= c.capacity) {
      EXPECT_EQ(PlayerData[2], credits);
    }
  }
}

TEST_F(Finds, ALifepodNeedsAFreeSlotToRevealMore) {
  for (int k = 1; k <= 4; ++k) Place(k, rules::kFindTreasure);
  SpaceFinds[s()][3][3] = rules::kFindLifepod;
  rules::ResolveSpaceFind(3, ui);
  ASSERT_EQ(ui.CountTopic("Lifepod:"), 1u);
  EXPECT_EQ(ui.WithTopic("Lifepod:")[0].text,
            "You open the lifepod. The crew is dead and you cannot find anything else of value.");
  EXPECT_EQ(SpaceFinds[s()][3][1], 0);

  SetUp();
  Place(1, rules::kFindLifepod);
  PlayerShip[13] = -1;  // the ship sits at the lifepod
  rules::ResolveSpaceFind(1, ui);
  int present = 0;
  for (int k = 1; k <= 4; ++k) present += SpaceFinds[s()][k][1];
  EXPECT_EQ(present, 2) << "two new finds, the lifepod gone";
  EXPECT_EQ(SpaceFinds[s()][1][1], 0);
}

TEST_F(Finds, SecretDataNeedSpySensorsAndStayUntilKept) {
  PlayerShip[20] = 100;
  Place(4, rules::kFindOwnSecretData);
  ui.choiceAnswers = {true};
  PlayerShip[72] = 0;
  rules::ResolveSpaceFind(4, ui);
  EXPECT_EQ(ui.CountTopic("N/A"), 1u);
  EXPECT_EQ(SpaceFinds[s()][4][1], 1) << "the data stay in space";
  ui.choiceAnswers = {false};
  rules::ResolveSpaceFind(4, ui);
  EXPECT_EQ(SpaceFinds[s()][4][1], 1) << "deleting leaves them too";
  PlayerShip[72] = 5;  // spy sensors
  ASSERT_TRUE(state::HasSpySensors());
  ui.choiceAnswers = {true};
  rules::ResolveSpaceFind(4, ui);
  EXPECT_EQ(SpaceFinds[s()][4][1], 0);
  EXPECT_GE(Cargo[18], 10);
  EXPECT_LE(Cargo[18], 29);
  ASSERT_EQ(ui.choices.size(), 3u);
  EXPECT_EQ(ui.choices[0].topic, "Secret data:");
}

TEST_F(Finds, AnArtifactIsSoldOrGivenForFame) {
  Place(1, rules::kFindAlienArtifact);
  PlayerData[2] = 0;
  ui.choiceAnswers = {true};
  rules::ResolveSpaceFind(1, ui);
  EXPECT_EQ(PlayerData[2], 2500) << "nothing to speak of sells for the least";
  EXPECT_EQ(ui.CountTopic("Black market:"), 1u);

  SetUp();
  Place(1, rules::kFindAlienArtifact);
  rules::ResolveSpaceFind(1, ui);
  EXPECT_EQ(PlayerData[7], state::GetLevelExperience(1) / 4);
  EXPECT_EQ(SpaceFinds[s()][1][1], 0);
  bool fame = false;
  for (const auto& p : ui.popups) fame = fame || (p.kind == rules::Popup::Fame && p.picture == "FederationLogo.jpg");
  EXPECT_TRUE(fame);
}

TEST_F(Finds, NewFindsAvoidTheShipsSlotAndExpireAfter15Days) {
  PlayerShip[13] = -2;
  for (int i = 0; i < 200; ++i) {
    for (int k = 1; k <= 4; ++k) SpaceFinds[s()][k][1] = 0;
    rules::SpawnSpaceFind(s(), ui);
    EXPECT_EQ(SpaceFinds[s()][2][1], 0);
  }
  for (int k = 1; k <= 4; ++k) SpaceFinds[s()][k][1] = k != 2;
  const auto before = SpaceFinds[s()];
  rules::SpawnSpaceFind(s(), ui);
  EXPECT_EQ(SpaceFinds[s()], before) << "no free slot: nothing happens";

  for (int k = 1; k <= 4; ++k) SpaceFinds[s()][k][1] = 0;
  PlayerShip[13] = 2;
  rules::SpawnSpaceFind(s(), ui);
  int slot = 0;
  for (int k = 1; k <= 4; ++k) if (SpaceFinds[s()][k][1]) slot = k;
  ASSERT_NE(slot, 0);
  for (int day = 0; day < 14; ++day) {
    rules::UpdateSpaceFinds(ui);
    EXPECT_EQ(SpaceFinds[s()][slot][1], 1) << day;
  }
  rules::UpdateSpaceFinds(ui);
  EXPECT_EQ(SpaceFinds[s()][slot][1], 0);
}

}  // namespace
