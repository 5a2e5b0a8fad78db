#include "rules/mission_arrival.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fight_script.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "support/rows.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::ActiveMission;
using state::PlayerData;
using state::PlayerShip;
using Topics = std::vector<std::string>;

using state::kClassShadowcat;

// The enemy class as mission::kSubject holds it.
constexpr int kShadowcatSubject = state::Stored(kClassShadowcat);
constexpr int kReward = 12345;
constexpr int kCredits = 1000;
constexpr int kCampaignSystem = 5;

const std::string kEncounter = "Mission encounter!";
const std::string kFleetAhead = "Enemy fleet ahead!";
const std::string kCompleted = "Mission completed!";
const std::string kFailed = "Mission failed...!";
const std::string kFame = "";
const std::string kNewChance = "New chance";

const std::string kFleetCompleted = "You have completed your mission and receive a reward of $12,345";

// How the scripted fight or battle ends; None where the mission has no fight.
enum class Script { None, Destroyed, Escaped, Lost, BothLost, FleetWon, FleetLost, FleetLostShip, FleetWonShipLost };

class MissionArrival : public World {
 protected:
  FightScript ui;

  // The ship at "Target Rock" (body 4 of system 3) with a mission of `type` aimed there; its nav
  // points lead on to "Ceres" and then "Vesta" in the same system. The mission serves the
  // campaign in system 5.
  void SetUp() override {
    World::SetUp();
    ui = FightScript();
    AddSystem(3, 1);
    AddBody(3, 1, kSun);
    AddBody(3, 2, 2);
    AddBody(3, 3, 3);
    AddBody(3, 4, 4);
    state::BodyText[3][2][body_text::kName] = "Ceres";
    state::BodyText[3][3][body_text::kName] = "Vesta";
    state::BodyText[3][4][body_text::kName] = "Target Rock";
    AddSystem(kCampaignSystem, 1);
    state::SystemData[kCampaignSystem][star_system::kCampaign] = 1;
    state::SystemData[kCampaignSystem][star_system::kAttacker] = 2;
    state::FactionText[1][faction_text::kLogo] = "FederationLogo";
    PlayerData[player::kCredits] = kCredits;
    PlayerData[player::kFaction] = 1;
    PlayerData[player::kLevel] = 5;
    PlayerData[player::kExperience] = 0;
    PlayerData[player::kLifePoints] = 3;
    PlayerShip = test_rows::ShipRow().Alive().Class(kClassShadowcat).Body(4).System(3);
    state::TravelMayClose = 0;
    state::TutorialActive = 0;
  }

  static void Mission(MissionType type, int subject) {
    ActiveMission = test_rows::MissionRow()
                        .Active()
                        .Type(type)
                        .Reward(kReward)
                        .Target(3, 4)
                        .Subject(subject)
                        .EnemyFaction(kFactionOuterRim)
                        .FirstPoint(3, 4)
                        .SecondPoint(3, 2)
                        .ThirdPoint(3, 3)
                        .CampaignSystem(kCampaignSystem);
  }

  void Play(Script script) {
    switch (script) {
      case Script::Destroyed: ui.outcome = FightOutcome::EnemyDestroyed; break;
      case Script::Escaped: ui.outcome = FightOutcome::EnemyEscaped; break;
      case Script::Lost: ui.outcome = FightOutcome::PlayerDestroyed; break;
      case Script::BothLost: ui.outcome = FightOutcome::BothDestroyed; break;
      case Script::FleetWon: ui.fleetWon = true; break;
      case Script::FleetLost: ui.fleetWon = false; break;
      case Script::FleetLostShip: ui.fleetWon = false, ui.shipLostInFleetBattle = true; break;
      case Script::FleetWonShipLost: ui.fleetWon = true, ui.shipLostInFleetBattle = true; break;
      case Script::None: break;
    }
  }
};

struct Case {
  const char* name;
  MissionType type;
  int subject;  // mission::kSubject: enemy class, stage or 1
  Script script;
  bool spy;
  int lives;
  Topics topics;
  std::string keyTopic;  // the popup whose text is checked
  std::string keyText;
  bool completed;
  bool stillActive;
  int experience;
  int livesAfter;
  bool gameOver;
  int subjectAfter;
  int targetBodyAfter;
};

const std::string kPatrolDone = "You have completed your patrol and receive a reward of $12,345";
const std::string kDestroyedDone = "You have completed your mission and receive a reward of $12,345";
const std::string kNav1 =
    "You have reached the first Nav point on your patrol. Now head to the next nav point at Ceres";
const std::string kNav2 =
    "You have reached the second Nav point on your patrol. Now head to the last nav point at Vesta";
const std::string kSpy =
    "You have reached the correct position, however you need to have the ship upgrade: \"Spy "
    "equipment\". You can upgrade your ship at every friendly port.";
const std::string kConvoy =
    "As you come closer to your mission destination you are joined by a small fleet of allied "
    "ships. Soon you detect an enemy freighter convoi trying to escape. Take them out!";
const std::string kHostileFleet =
    "As you come closer to your mission destination you are joined by a small fleet of allied "
    "ships. Your sensors have already detected the hostile fleet. Take them out!";
const std::string kDefenders =
    "As you come closer to your mission destination you are joined by a small fleet of allied "
    "ships. There are some defenders scrambling from the orbit to prevent the bombardement. Take "
    "them out!";

// clang-format off
const Case kCases[] = {
  // Ship fights: one arrival decides.
  {"S&D won", kMissionSearchAndDestroy, kShadowcatSubject, Script::Destroyed, false, 3, {kEncounter, kCompleted, kFame}, kCompleted, kDestroyedDone, true, false, 800, 3, false, kShadowcatSubject, 4},
  {"S&D fled", kMissionSearchAndDestroy, kShadowcatSubject, Script::Escaped, false, 3, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, kShadowcatSubject, 4},
  {"S&D ship lost", kMissionSearchAndDestroy, kShadowcatSubject, Script::Lost, false, 3, {kEncounter, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 2, false, kShadowcatSubject, 4},
  {"S&D both lost", kMissionSearchAndDestroy, kShadowcatSubject, Script::BothLost, false, 3, {kEncounter, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 2, false, kShadowcatSubject, 4},
  {"S&D last life", kMissionSearchAndDestroy, kShadowcatSubject, Script::Lost, false, 1, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 0, true, kShadowcatSubject, 4},
  {"S&D both lost, last life", kMissionSearchAndDestroy, kShadowcatSubject, Script::BothLost, false, 1, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 0, true, kShadowcatSubject, 4},
  {"Ambush won", kMissionAmbush, kShadowcatSubject, Script::Destroyed, false, 3, {kEncounter, kCompleted, kFame}, kCompleted, kDestroyedDone, true, false, 3200, 3, false, kShadowcatSubject, 4},
  {"Ambush fled", kMissionAmbush, kShadowcatSubject, Script::Escaped, false, 3, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, kShadowcatSubject, 4},
  {"Ambush both lost", kMissionAmbush, kShadowcatSubject, Script::BothLost, false, 2, {kEncounter, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 1, false, kShadowcatSubject, 4},
  {"Strike won", kMissionStrike, kShadowcatSubject, Script::Destroyed, false, 3, {kEncounter, kCompleted, kFame}, kCompleted, kDestroyedDone, true, false, 1500, 3, false, kShadowcatSubject, 4},
  {"Strike fled", kMissionStrike, kShadowcatSubject, Script::Escaped, false, 3, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, kShadowcatSubject, 4},
  {"Strike ship lost", kMissionStrike, kShadowcatSubject, Script::Lost, false, 3, {kEncounter, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 2, false, kShadowcatSubject, 4},
  {"Strike last life", kMissionStrike, kShadowcatSubject, Script::BothLost, false, 1, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 0, true, kShadowcatSubject, 4},
  {"Assault won", kMissionAssault, kShadowcatSubject, Script::Destroyed, false, 3, {kEncounter, kCompleted, kFame}, kCompleted, kDestroyedDone, true, false, 4000, 3, false, kShadowcatSubject, 4},
  {"Assault fled", kMissionAssault, kShadowcatSubject, Script::Escaped, false, 3, {kEncounter, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, kShadowcatSubject, 4},
  {"Assault ship lost", kMissionAssault, kShadowcatSubject, Script::Lost, false, 3, {kEncounter, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 2, false, kShadowcatSubject, 4},

  // Nav points: three arrivals.
  {"Patrol point 1", kMissionPatrol, 1, Script::None, false, 3, {"Navpoint # 1"}, "Navpoint # 1", kNav1, false, true, 0, 3, false, 2, 2},
  {"Patrol point 2", kMissionPatrol, 2, Script::None, false, 3, {"Navpoint # 2"}, "Navpoint # 2", kNav2, false, true, 0, 3, false, 3, 3},
  {"Patrol done", kMissionPatrol, 3, Script::None, false, 3, {kCompleted, kFame}, kCompleted, kPatrolDone, true, false, 400, 3, false, 3, 4},
  {"Combat patrol point 1", kMissionCombatPatrol, 1, Script::None, false, 3, {"Navpoint # 1"}, "Navpoint # 1", kNav1, false, true, 0, 3, false, 2, 2},
  {"Combat patrol point 2", kMissionCombatPatrol, 2, Script::None, false, 3, {"Navpoint # 2"}, "Navpoint # 2", kNav2, false, true, 0, 3, false, 3, 3},
  {"Combat patrol done", kMissionCombatPatrol, 3, Script::None, false, 3, {kCompleted, kFame}, kCompleted, kPatrolDone, true, false, 800, 3, false, 3, 4},
  {"Escort point 1", kMissionEscort, 1, Script::None, false, 3, {"Navpoint # 1"}, "Navpoint # 1", "You have safely escorted the transporter to the first Nav point. Now head to the next nav point at Ceres", false, true, 0, 3, false, 2, 2},
  {"Escort point 2", kMissionEscort, 2, Script::None, false, 3, {"Navpoint # 2"}, "Navpoint # 2", "You have safely escorted the transporter to the second Nav point. Now head to the last nav point at Vesta", false, true, 0, 3, false, 3, 3},
  {"Escort done", kMissionEscort, 3, Script::None, false, 3, {kCompleted, kFame}, kCompleted, "You have completed your escort and receive a reward of $12,345", true, false, 800, 3, false, 3, 4},
  {"Recon without spy sensors", kMissionRecon, 1, Script::None, false, 3, {"Recon mission..."}, "Recon mission...", kSpy, false, true, 0, 3, false, 1, 4},
  {"Recon point 1", kMissionRecon, 1, Script::None, true, 3, {"Navpoint # 1"}, "Navpoint # 1", "You have collected the recon data at this first Nav point. Now head to the next nav point at Ceres", false, true, 0, 3, false, 2, 2},
  {"Recon point 2", kMissionRecon, 2, Script::None, true, 3, {"Navpoint # 2"}, "Navpoint # 2", "You have ollected the recon data at the second Nav point on your patrol. Now head to the last nav point at Vesta", false, true, 0, 3, false, 3, 3},
  {"Recon done", kMissionRecon, 3, Script::None, true, 3, {kCompleted, kFame}, kCompleted, "You have completed your recon patrol and receive a reward of $12,345", true, false, 1300, 3, false, 3, 4},

  // Pick-up and drop.
  {"Marines picked up", kMissionMarineLanding, 1, Script::None, false, 3, {"Navpoint # 1"}, "Navpoint # 1", "You pick up the Marine landing vehicles. They are eager for combat and you can hear them cheer in the cargo space. Now head to the next nav point at Ceres", false, true, 0, 3, false, 2, 2},
  {"Marines dropped", kMissionMarineLanding, 2, Script::None, false, 3, {kCompleted, kFame}, kCompleted, "You drop the Marines and leave fast as they begin their landing operations. You have completed your mission and receive a reward of $12345", true, false, 2000, 3, false, 2, 4},
  {"Civilians picked up", kMissionEvacuation, 1, Script::None, false, 3, {"Navpoint # 1"}, "Navpoint # 1", "You pick up some shuttles with civilians. Let´s get them out of here fast! Head to the next nav point at Ceres", false, true, 0, 3, false, 2, 2},
  {"Civilians dropped", kMissionEvacuation, 2, Script::None, false, 3, {kCompleted, kFame}, kCompleted, "You drop the civilian shuttles at their destination. They are safe now. You have completed your mission and receive a reward of $12345", true, false, 2000, 3, false, 2, 4},

  // One arrival.
  {"Special Forces", kMissionSpecialForces, 1, Script::None, false, 3, {kCompleted, kFame}, kCompleted, "You have transported the Special Forces team to it´s target location and receive a reward of $12345", true, false, 1500, 3, false, 1, 4},
  {"Report for duty", kMissionReportForDuty, 1, Script::None, false, 3, {kCompleted, kFame}, kCompleted, "You have reported to the battlegroup commander and can receive new missions to influence the outcome of the battle.", true, false, 1000, 3, false, 1, 4},
  {"Infiltrate without spy sensors", kMissionInfiltrate, 1, Script::None, false, 3, {"Infiltrate mission..."}, "Infiltrate mission...", kSpy, false, true, 0, 3, false, 1, 4},
  {"Infiltrate", kMissionInfiltrate, 1, Script::None, true, 3, {kCompleted, kFame}, kCompleted, "You have been able to infiltrate the system and gather the secret data. You receive a reward of $12345", true, false, 1500, 3, false, 1, 4},

  // Hunts: only a hint here.
  {"Bounty hint", kMissionBounty, 1, Script::None, false, 3, {"Bounty mission..."}, "Bounty mission...", "This is the position where the criminal you are looking for has been seen the last time. Look for him on your radar here and in neighboring systems...", false, true, 0, 3, false, 1, 4},
  {"Abduction hint", kMissionAbduction, 1, Script::None, false, 3, {"Abduction mission..."}, "Abduction mission...", "This is the position where your target has been seen the last time. Look for him on your radar here and in neighboring systems...", false, true, 0, 3, false, 1, 4},

  // Deliveries end at the trade window.
  {"Transport", kMissionTransport, 5, Script::None, false, 3, {}, "", "", false, true, 0, 3, false, 5, 4},
  {"Supply", kMissionSupply, 5, Script::None, false, 3, {}, "", "", false, true, 0, 3, false, 5, 4},
  {"Combat transport", kMissionCombatTransport, 5, Script::None, false, 3, {}, "", "", false, true, 0, 3, false, 5, 4},

  // Fleet battles.
  {"Blitzkrieg won", kMissionBlitzkrieg, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kFleetAhead, "As you come closer to the enemy homeworld you are joined by a small fleet of allied ships. There are some defenders scrambling from the orbit to prevent the bombardement. Take them out!", true, false, 10000, 3, false, 1, 4},
  {"Blitzkrieg lost", kMissionBlitzkrieg, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Flanking won", kMissionFlanking, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kFleetAhead, kConvoy, true, false, 10000, 3, false, 1, 4},
  {"Flanking lost", kMissionFlanking, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Suppression won", kMissionSuppression, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kFleetAhead, "As you come closer to your mission destination you are joined by a small fleet of allied ships. Soon you detect a couple of rebels in captured vessels on an attack course. Take them out!", true, false, 10000, 3, false, 1, 4},
  {"Suppression lost", kMissionSuppression, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Bombing run won", kMissionBombingRun, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kFleetAhead, kDefenders, true, false, 20000, 3, false, 1, 4},
  {"Bombing run lost", kMissionBombingRun, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Battle won", kMissionBattle, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kFleetAhead, kHostileFleet, true, false, 20000, 3, false, 1, 4},
  {"Battle lost", kMissionBattle, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Siege won", kMissionSiege, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kFleetAhead, kHostileFleet, true, false, 20000, 3, false, 1, 4},
  {"Siege lost", kMissionSiege, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Raiding won", kMissionRaiding, 1, Script::FleetWon, false, 3, {kFleetAhead, kCompleted, kFame}, kCompleted, kFleetCompleted, true, false, 10000, 3, false, 1, 4},
  {"Raiding lost", kMissionRaiding, 1, Script::FleetLost, false, 3, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 3, false, 1, 4},
  {"Battle lost with the ship", kMissionBattle, 1, Script::FleetLostShip, false, 3, {kFleetAhead, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 2, false, 1, 4},
  {"Battle won without the ship", kMissionBattle, 1, Script::FleetWonShipLost, false, 3, {kFleetAhead, kFailed, kNewChance}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 2, false, 1, 4},
  {"Siege lost, last life", kMissionSiege, 1, Script::FleetLostShip, false, 1, {kFleetAhead, kFailed}, kFailed, "You were not able to complete this mission successfully.", false, false, 0, 0, true, 1, 4},
};
// clang-format on

TEST_F(MissionArrival, EveryMissionTypeMovesOnAtItsTarget) {
  for (const Case& c : kCases) {
    SetUp();
    Mission(c.type, c.subject);
    Play(c.script);
    PlayerData[player::kLifePoints] = c.lives;
    PlayerShip[ship::kTargeting] = c.spy ? 5 : 0;
    ASSERT_EQ(state::HasSpySensors(), c.spy);

    rules::CheckMissionOnArrival(ui);

    EXPECT_EQ(ui.Topics(), c.topics) << c.name;
    if (!c.keyTopic.empty()) {
      const auto key = ui.WithTopic(c.keyTopic);
      ASSERT_EQ(key.size(), 1u) << c.name;
      EXPECT_EQ(key[0].text, c.keyText) << c.name;
    }
    EXPECT_EQ(ActiveMission[mission::kActive], c.stillActive ? 1 : 0) << c.name;
    EXPECT_EQ(PlayerData[player::kCredits], kCredits + (c.completed ? kReward : 0)) << c.name;
    EXPECT_EQ(PlayerData[player::kExperience], c.experience) << c.name;
    EXPECT_EQ(PlayerData[player::kMissionsCompleted], c.completed ? 1 : 0) << c.name;
    EXPECT_EQ(state::SystemData[kCampaignSystem][star_system::kCampaignMissions],
              c.completed ? 1 : 0)
        << c.name;
    EXPECT_EQ(PlayerData[player::kLifePoints], c.livesAfter) << c.name;
    EXPECT_EQ(PlayerShip[ship::kAlive], c.gameOver ? 0 : 1) << c.name;
    EXPECT_EQ(state::TravelMayClose, c.gameOver ? 1 : 0) << c.name;
    EXPECT_EQ(ui.travelClosings, c.gameOver ? 1 : 0) << c.name;
    EXPECT_EQ(ActiveMission[mission::kSubject], c.subjectAfter) << c.name;
    EXPECT_EQ(ActiveMission[mission::kTargetBody], c.targetBodyAfter) << c.name;
    EXPECT_EQ(ActiveMission[mission::kTargetSystem], 3) << c.name;
    const bool ended = !c.stillActive;
    EXPECT_EQ(ui.missionPanelHidden, ended ? 1 : 0) << c.name;
    const bool shipFight = c.type == kMissionSearchAndDestroy || c.type == kMissionAmbush ||
                           c.type == kMissionStrike || c.type == kMissionAssault;
    EXPECT_EQ(ui.fights, shipFight ? 1 : 0) << c.name;
    EXPECT_EQ(ui.fleetFactions.size(), c.type >= kMissionBlitzkrieg ? 1u : 0u) << c.name;
  }
}

TEST_F(MissionArrival, AwayFromTheTargetNothingHappens) {
  for (int type = 1; type <= 26; ++type) {
    if (MissionType{type} == kMissionAnalysis) continue;  // an analysis counts every planet
    SetUp();
    Mission(MissionType{type}, 1);
    PlayerShip[ship::kTargeting] = state::Stored(kComputerSpySensors);
    PlayerShip[ship::kBody] = 2;  // the right system, another body
    rules::CheckMissionOnArrival(ui);
    PlayerShip[ship::kBody] = 4;
    PlayerShip[ship::kSystem] = 4;  // the right body number in another system
    rules::CheckMissionOnArrival(ui);
    EXPECT_TRUE(ui.popups.empty()) << type;
    EXPECT_EQ(ui.fights, 0) << type;
    EXPECT_EQ(ActiveMission[mission::kActive], 1) << type;
    EXPECT_EQ(ActiveMission[mission::kSubject], 1) << type;
  }
}

TEST_F(MissionArrival, NoMissionNoTypeOrNoShipMeansNoCheck) {
  struct Case {
    const char* name;
    int active;
    MissionType type;
    int alive;
  };
  const Case cases[] = {
      {"no mission", 0, kMissionSearchAndDestroy, 1},
      {"flagship", 1, kMissionFlagship, 1},
      {"type 0", 1, kNoMissionType, 1},
      {"ship destroyed", 1, kMissionSearchAndDestroy, 0},
      {"type out of range", 1, MissionType{99}, 1},
  };
  for (const Case& c : cases) {
    SetUp();
    Mission(c.type, kShadowcatSubject);
    ActiveMission[mission::kActive] = c.active;
    PlayerShip[ship::kAlive] = c.alive;
    rules::CheckMissionOnArrival(ui);
    EXPECT_TRUE(ui.popups.empty()) << c.name;
    EXPECT_EQ(ui.fights, 0) << c.name;
    EXPECT_EQ(PlayerData[player::kLifePoints], 3) << c.name;
  }
}

TEST_F(MissionArrival, AMissionFightIsSetUpAndAnnounced) {
  Mission(kMissionSearchAndDestroy, kShadowcatSubject);
  rules::CheckMissionOnArrival(ui);
  ASSERT_EQ(ui.setups.size(), 1u);
  EXPECT_EQ(ui.setups[0].enemyClass, kClassShadowcat);
  EXPECT_EQ(ui.setups[0].enemyFaction, 2);
  EXPECT_EQ(ui.setups[0].enemyKind, kMilitaryShip);
  EXPECT_EQ(ui.setups[0].enemyTier, 0);
  const support::ShownPopup& alert = ui.popups.at(0);
  EXPECT_EQ(alert.kind, rules::Popup::Picture);
  EXPECT_EQ(alert.text, "You have encountered a hostile Shadowcat. It is your mission to engage!");
  EXPECT_EQ(alert.picture, state::GetShipFactionImage(kClassShadowcat, kFactionOuterRim) + "_Scene.jpg");
  EXPECT_EQ(ui.popups.at(1).picture, "GeneralMissionPic.jpg");
  EXPECT_EQ(ui.popups.at(2).kind, rules::Popup::Fame);
  EXPECT_EQ(ui.popups.at(2).picture, "FederationLogo.jpg");
  EXPECT_EQ(ui.popups.at(2).text,
            "You receive some experience points. The more you have the more likely you will be "
            "promoted.");
  EXPECT_TRUE(ui.tutorialSteps.empty());
}

TEST_F(MissionArrival, FleetBattlesFightTheMissionsEnemy) {
  Mission(kMissionBattle, 1);
  ActiveMission[mission::kEnemyFaction] = 4;
  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(ui.fleetFactions, std::vector<std::int32_t>{4});
  EXPECT_EQ(ui.popups.at(0).picture, "Battlefleet.jpg");
  EXPECT_EQ(ui.popups.at(1).text, kFleetCompleted);
}

TEST_F(MissionArrival, TheRewardSkillsPayMoreThanTheMessageNames) {
  Mission(kMissionSpecialForces, 1);
  state::SkillOwned[state::Stored(kSkillRewards)] = 1;    // Rewards: a tenth more
  state::SkillOwned[state::Stored(kSkillLegendary)] = 1;  // Legendary: double experience
  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(PlayerData[player::kCredits], kCredits + kReward + kReward / 10);
  EXPECT_EQ(PlayerData[player::kExperience], 3000);
  EXPECT_EQ(ui.WithTopic(kCompleted).at(0).text,
            "You have transported the Special Forces team to it´s target location and receive a "
            "reward of $12345");
}

TEST_F(MissionArrival, AMissionWithoutCampaignGivesNoCampaignPoints) {
  Mission(kMissionReportForDuty, 1);
  ActiveMission[mission::kCampaignSystem] = 0;
  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(state::SystemData[kCampaignSystem][star_system::kCampaignMissions], 0);
  EXPECT_EQ(PlayerData[player::kMissionsCompleted], 1);
}

// A success scores for the player's side of the mission's campaign by the mission's type; the
// points go to the attacker when the player's faction attacks there, else to the defender.
TEST_F(MissionArrival, ASuccessScoresForThePlayersSideOfTheCampaign) {
  struct Case {
    MissionType type;
    int subject;
    Script script;
    int points;
  };
  const Case cases[] = {
      {kMissionSearchAndDestroy, kShadowcatSubject, Script::Destroyed, 60},
      {kMissionAssault, kShadowcatSubject, Script::Destroyed, 120},
      {kMissionPatrol, 3, Script::None, 60},
      {kMissionCombatPatrol, 3, Script::None, 28},
      {kMissionEscort, 3, Script::None, 28},
      {kMissionRecon, 3, Script::None, 28},
      {kMissionSpecialForces, 1, Script::None, 60},
      {kMissionMarineLanding, 2, Script::None, 60},
      {kMissionBlitzkrieg, 1, Script::FleetWon, 60},
      {kMissionBombingRun, 1, Script::FleetWon, 120},
      {kMissionSiege, 1, Script::FleetWon, 240},
      {kMissionRaiding, 1, Script::FleetWon, 240},
  };
  for (const bool attacking : {false, true}) {
    for (const Case& c : cases) {
      SetUp();
      state::SystemData[kCampaignSystem][star_system::kAttacker] = attacking ? 1 : 2;
      Mission(c.type, c.subject);
      Play(c.script);
      PlayerShip[ship::kTargeting] = state::Stored(kComputerSpySensors);
      rules::CheckMissionOnArrival(ui);
      ASSERT_EQ(ActiveMission[mission::kActive], 0) << state::Stored(c.type);
      EXPECT_EQ(state::SystemData[kCampaignSystem][star_system::kAttackerPoints],
                attacking ? c.points : 0)
          << state::Stored(c.type);
      EXPECT_EQ(state::SystemData[kCampaignSystem][star_system::kDefenderPoints],
                attacking ? 0 : c.points)
          << state::Stored(c.type);
    }
  }
}

TEST_F(MissionArrival, AnOpenMissionPanelIsReopenedOnTheNewTarget) {
  Mission(kMissionPatrol, 1);
  ui.SetVisible(rules::Screen::MissionPanel);
  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(ui.missionPanelToggles, 2);
  EXPECT_EQ(ui.popups.at(0).picture, "GeneralMissionPic.jpg");

  // Closed, it stays closed.
  SetUp();
  Mission(kMissionPatrol, 1);
  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(ui.missionPanelToggles, 0);
}

TEST_F(MissionArrival, TheTutorialFightMovesTheTutorialOn) {
  struct Case {
    MissionType type;
    int step;
    std::vector<int> steps;
  };
  const Case cases[] = {
      {kMissionSearchAndDestroy, 12, {13, 20}},
      {kMissionSearchAndDestroy, 13, {20}},
      {kMissionSearchAndDestroy, 21, {}},
      {kMissionStrike, 12, {}},
  };
  for (const Case& c : cases) {
    SetUp();
    Mission(c.type, kShadowcatSubject);
    state::TutorialActive = 1;
    state::TutorialStep = c.step;
    rules::CheckMissionOnArrival(ui);
    EXPECT_EQ(ui.tutorialSteps, c.steps) << state::Stored(c.type) << " " << c.step;
  }
  state::TutorialActive = 0;
}

TEST_F(MissionArrival, AnAnalysisRecordsEachPlanetOnce) {
  AddBody(3, 5, kWormhole, 4);
  Mission(kMissionAnalysis, 50);
  ActiveMission[mission::kTargetBody] = ActiveMission[mission::kTargetSystem] = 0;

  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(ActiveMission[mission::kPlanetsLeft], 49);
  EXPECT_EQ(state::BodyData[3][4][body::kAnalysed], 1);
  EXPECT_EQ(ui.missionPanelUpdates, 1);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0].kind, rules::Popup::Text);
  EXPECT_EQ(ui.popups[0].topic, "Analysis mission...");
  EXPECT_EQ(ui.popups[0].text,
            "You download the current economical data of this planet to your computer. Only 49 "
            "planets left!");

  // The same planet again, the sun, a wormhole and a space find add nothing.
  for (int body : {4, 1, 5, -1}) {
    PlayerShip[ship::kBody] = body;
    rules::CheckMissionOnArrival(ui);
  }
  EXPECT_EQ(ActiveMission[mission::kPlanetsLeft], 49);
  EXPECT_EQ(ui.popups.size(), 1u);

  // The last planet completes it.
  ui = FightScript();
  ActiveMission[mission::kPlanetsLeft] = 1;
  PlayerShip[ship::kBody] = 2;
  rules::CheckMissionOnArrival(ui);
  EXPECT_EQ(ui.Topics(), (Topics{"Analysis mission...", kCompleted, kFame}));
  EXPECT_EQ(ui.popups[0].text,
            "You download the current economical data of this planet to your computer. Only 0 "
            "planets left!");
  EXPECT_EQ(ui.popups[1].text,
            "You have collected all the requested economical data! You have completed your "
            "mission and receive a reward of $12,345");
  EXPECT_EQ(ActiveMission[mission::kActive], 0);
  EXPECT_EQ(PlayerData[player::kExperience], 15000);
  EXPECT_EQ(PlayerData[player::kCredits], kCredits + kReward);
}

}  // namespace
