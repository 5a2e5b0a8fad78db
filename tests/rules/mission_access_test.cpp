// What the missions icon and the invasion button lead to, decided headless from the game state.
#include "rules/mission_access.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "state/fields.h"
#include "state/star_systems.h"
#include "state/variables.h"

namespace {

using rules::MissionsRoute;

// The mission board of the system the cases stand in.
auto& Board() { return state::MissionOffers[kSystemNewManchester]; }

struct Case {
  const char* what;
  std::function<void()> arrange;
  MissionsRoute route;
  bool campaign, ownPeacefulSystem;
  const char* topic;
  std::string text;
};

class MissionAccess : public testing::Test {
 protected:
  // Arranges the case on a fresh state and compares every field of the decision.
  void Check(const Case& c, rules::MissionsAccess (*decide)());

  void SetUp() override {
    state::ClearGameState();
    state::FactionText[1][faction_text::kShortName] = "Federation";
    state::FactionText[2][faction_text::kShortName] = "Outer Rim";
    state::FactionText[3][faction_text::kShortName] = "Syndicate";
    state::PlayerData[player::kFaction] = 1;
    state::PlayerShip[ship::kSystem] = kSystemNewManchester;
    state::SystemData[kSystemNewManchester][star_system::kOwner] = 1;
    for (int slot = 1; slot <= 5; ++slot) Board()[slot][mission::kActive] = 1;
  }
};

void Criminal() { state::PlayerData[player::kCriminalDays] = 1; }
void Foreigner() { state::PlayerData[player::kFaction] = 2; }
void Invaded() {
  state::SystemData[kSystemNewManchester][star_system::kCampaign] = 1;
  state::SystemData[kSystemNewManchester][star_system::kAttacker] = 3;
}
void MissionRunning() { state::ActiveMission[mission::kActive] = 1; }

void MissionAccess::Check(const Case& c, rules::MissionsAccess (*decide)()) {
  SetUp();
  c.arrange();
  const rules::MissionsAccess access = decide();
  EXPECT_EQ(access.route, c.route) << c.what;
  EXPECT_EQ(access.campaign, c.campaign) << c.what;
  EXPECT_EQ(access.ownPeacefulSystem, c.ownPeacefulSystem) << c.what;
  EXPECT_EQ(access.topic, c.topic) << c.what;
  EXPECT_EQ(access.text, c.text) << c.what;
}

const std::string kCriminal =
    "You have been flagged criminal and cannot accept any missions as long as the flag has not "
    "weared off!";
const std::string kForeignSystem =
    "You can only get missions in systems owned by your own faction. This system is owned by the "
    "Federation.";
const std::string kForeignWar =
    "In this system the invaders of the Syndicate attack the defending Federation. You are not "
    "affiliated to them and cannot interfere.";

TEST_F(MissionAccess, TheMissionsIconRefusesOrLeadsOn) {
  const Case cases[] = {
      {"own system at peace", [] {}, MissionsRoute::Missions, false, true, "", ""},
      {"a criminal", Criminal, MissionsRoute::Refusal, false, false, "N/A", kCriminal},
      {"a criminal in a war", [] { Criminal(), Invaded(); }, MissionsRoute::Refusal, false, false,
       "N/A", kCriminal},
      {"a foreign system", Foreigner, MissionsRoute::Refusal, false, false, "N/A", kForeignSystem},
      {"out of any system", [] { state::PlayerShip[ship::kSystem] = 0; }, MissionsRoute::Nothing,
       false, false, "", ""},
      {"the defender in a war", Invaded, MissionsRoute::CampaignScreen, true, false, "", ""},
      {"the attacker in a war",
       [] { Invaded(), state::PlayerData[player::kFaction] = 3; }, MissionsRoute::CampaignScreen,
       true, false, "", ""},
      {"a side of a war with a mission running", [] { Invaded(), MissionRunning(); },
       MissionsRoute::Missions, true, false, "", ""},
      {"neither side of a war", [] { Invaded(), Foreigner(); }, MissionsRoute::Refusal, true, false,
       "N/A", kForeignWar},
  };
  for (const Case& c : cases) Check(c, rules::DecideMissionsIcon);
}

TEST_F(MissionAccess, OpeningTheMissionsNeedsAFullBoardOrARunningMission) {
  const Case cases[] = {
      {"a full board", [] {}, MissionsRoute::MissionBoard, false, false, "", ""},
      {"an empty first slot", [] { Board()[1][mission::kActive] = 0; },
       MissionsRoute::Refusal, false, false, "No mission uplink",
       "An enemy spaceship is spamming all radio frequences. You need to fly to a different "
       "location to get an uplink to the mission database."},
      {"an empty fifth slot", [] { Board()[5][mission::kActive] = 0; },
       MissionsRoute::Refusal, false, false, "No mission uplink",
       "An enemy spaceship is spamming all radio frequences. You need to fly to a different "
       "location to get an uplink to the mission database."},
      {"the sixth slot is not looked at",
       [] { Board()[6][mission::kActive] = 0; },
       MissionsRoute::MissionBoard, false, false, "", ""},
      {"a running mission, board empty",
       [] { MissionRunning(), Board()[1][mission::kActive] = 0; },
       MissionsRoute::MissionPanel, false, false, "", ""},
      {"a running mission out of any system",
       [] { MissionRunning(), state::PlayerShip[ship::kSystem] = 0; },
       MissionsRoute::MissionPanel, false, false, "", ""},
      {"out of any system", [] { state::PlayerShip[ship::kSystem] = 0; }, MissionsRoute::Nothing,
       false, false, "", ""},
  };
  for (const Case& c : cases) Check(c, rules::DecideMissionsOpening);
}

TEST_F(MissionAccess, TheInvasionButtonOpensTheWarToEitherSide) {
  const Case cases[] = {
      {"no war", [] {}, MissionsRoute::Nothing, false, false, "", ""},
      {"the defender", Invaded, MissionsRoute::CampaignScreen, true, false, "", ""},
      {"the defender with a mission running", [] { Invaded(), MissionRunning(); },
       MissionsRoute::CampaignScreen, true, false, "", ""},
      {"neither side", [] { Invaded(), Foreigner(); }, MissionsRoute::Refusal, true, false, "N/A",
       kForeignWar},
      {"a criminal", [] { Invaded(), Criminal(); }, MissionsRoute::Refusal, false, false, "N/A",
       "You have been flagged criminal and cannot take part in the battle as long as the flag has "
       "not weared off!"},
  };
  for (const Case& c : cases) Check(c, rules::DecideInvasionButton);
}

}  // namespace
