#include "rules/mission_arrival.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "audio/sound.h"
#include "rules/campaigns.h"
#include "rules/credits.h"
#include "rules/missions.h"
#include "rules/ship_loss.h"
#include "rules/tutorial.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::ActiveMission;

constexpr std::string_view kMissionPicture = "GeneralMissionPic.jpg";

constexpr std::string_view kSpyEquipmentText =
    "You have reached the correct position, however you need to have the ship upgrade: \"Spy "
    "equipment\". You can upgrade your ship at every friendly port.";
constexpr std::string_view kCompletedText =
    "You have completed your mission and receive a reward of $";

// The body's name, or nothing for a place outside the star map.
std::string BodyName(std::int32_t system, std::int32_t body) {
  if (system < 1 || system > state::kLastSystem || body < 1 || body > state::kLastBody) return {};
  return state::BodyText[system][body][body_text::kName];
}

bool AtTarget() {
  return state::PlayerShip[ship::kSystem] == ActiveMission[mission::kTargetSystem] &&
         state::PlayerShip[ship::kBody] == ActiveMission[mission::kTargetBody];
}

// The credits a success names: most missions show them with thousands separators, a few as the
// bare number, Report for duty not at all.
std::string RewardText(MissionType type) {
  switch (type) {
    case kMissionReportForDuty:
      return {};
    case kMissionSpecialForces: case kMissionInfiltrate: case kMissionMarineLanding:
    case kMissionEvacuation:
      return std::to_string(ActiveMission[mission::kReward]);
    default:
      return state::FormatThousands(ActiveMission[mission::kReward]);
  }
}

// A fight or battle that was not won fails the mission, and so does one that cost the ship: no
// reward is paid to a destroyed ship. The ship's loss follows the failure.
void AfterBattle(bool won, std::string_view successText, std::int32_t experience, Ui& ui) {
  if (won && state::PlayerShip[ship::kAlive] != 0) {
    PayOutActiveMission(successText, experience, ui);
    return;
  }
  ShowMissionFailed(ui);
  if (state::PlayerShip[ship::kAlive] == 0) EndGameIfShipLost(ui);
}

std::int32_t ShipFightExperience(MissionType type) {
  switch (type) {
    case kMissionSearchAndDestroy: return 800;
    case kMissionAmbush: return 3200;
    case kMissionStrike: return 1500;
    default: return 4000;  // Assault
  }
}

void ShipFight(MissionType type, Ui& ui) {
  const state::ShipClassId enemyClass{ActiveMission[mission::kEnemyClass]};
  const Faction enemyFaction{ActiveMission[mission::kEnemyFaction]};
  ui.SetupShipCombat(enemyClass, enemyFaction, kMilitaryShip, 0);
  const std::string name = state::GetShipClassName(enemyClass);
  const std::string picture = state::GetShipFactionImage(enemyClass, enemyFaction) + "_Scene.jpg";
  audio::PlayAlertSound();
  ui.Message(Popup::Picture, "Mission encounter!",
             "You have encountered a hostile " + name + ". It is your mission to engage!", picture);
  const bool tutorialFight = type == kMissionSearchAndDestroy;
  if (tutorialFight) FollowTutorial(ui, TutorialEvent::MissionFightBegins);
  ui.RunShipCombat();
  if (tutorialFight) FollowTutorial(ui, TutorialEvent::MissionFightOver);
  AfterBattle(state::EnemyShip[ship::kAlive] == 0, kCompletedText, ShipFightExperience(type), ui);
}

struct FleetBattle {
  MissionType type;
  std::string_view text;
  std::int32_t experience;
};

constexpr std::string_view kConvoyText =
    "As you come closer to your mission destination you are joined by a small fleet of allied "
    "ships. Soon you detect an enemy freighter convoi trying to escape. Take them out!";
constexpr std::string_view kHostileFleetText =
    "As you come closer to your mission destination you are joined by a small fleet of allied "
    "ships. Your sensors have already detected the hostile fleet. Take them out!";

constexpr FleetBattle kFleetBattles[] = {
    {kMissionBlitzkrieg,
     "As you come closer to the enemy homeworld you are joined by a small fleet of allied ships. "
     "There are some defenders scrambling from the orbit to prevent the bombardement. Take them "
     "out!",
     10000},
    {kMissionFlanking, kConvoyText, 10000},
    {kMissionSuppression,
     "As you come closer to your mission destination you are joined by a small fleet of allied "
     "ships. Soon you detect a couple of rebels in captured vessels on an attack course. Take them "
     "out!",
     10000},
    {kMissionBombingRun,
     "As you come closer to your mission destination you are joined by a small fleet of allied "
     "ships. There are some defenders scrambling from the orbit to prevent the bombardement. Take "
     "them out!",
     20000},
    {kMissionBattle, kHostileFleetText, 20000},
    {kMissionSiege, kHostileFleetText, 20000},
    {kMissionRaiding, kConvoyText, 10000},
};

void FleetFight(MissionType type, Ui& ui) {
  const FleetBattle& battle =
      kFleetBattles[state::Stored(type) - state::Stored(kMissionBlitzkrieg)];
  audio::PlayAlertSound();
  ui.Message(Popup::Picture, "Enemy fleet ahead!", battle.text, "Battlefleet.jpg");
  const bool won =
      ui.RunFleetBattle(Faction{ActiveMission[mission::kEnemyFaction]}, kFleetKindMission);
  AfterBattle(won, kCompletedText, battle.experience, ui);
}

struct NavRoute {
  MissionType type;
  std::string_view first, second, success;
  std::int32_t experience;
};

constexpr std::string_view kPatrolFirst =
    "You have reached the first Nav point on your patrol. Now head to the next nav point at ";
constexpr std::string_view kPatrolSecond =
    "You have reached the second Nav point on your patrol. Now head to the last nav point at ";
constexpr std::string_view kPatrolSuccess =
    "You have completed your patrol and receive a reward of $";

constexpr NavRoute kNavRoutes[] = {
    {kMissionPatrol, kPatrolFirst, kPatrolSecond, kPatrolSuccess, 400},
    {kMissionCombatPatrol, kPatrolFirst, kPatrolSecond, kPatrolSuccess, 800},
    {kMissionEscort,
     "You have safely escorted the transporter to the first Nav point. Now head to the next nav "
     "point at ",
     "You have safely escorted the transporter to the second Nav point. Now head to the last nav "
     "point at ",
     "You have completed your escort and receive a reward of $", 800},
    {kMissionRecon,
     "You have collected the recon data at this first Nav point. Now head to the next nav point "
     "at ",
     "You have ollected the recon data at the second Nav point on your patrol. Now head to the "
     "last nav point at ",
     "You have completed your recon patrol and receive a reward of $", 1300},
    // Pick-up and drop: the pick-up text takes the first place; there is no second nav point.
    {kMissionMarineLanding,
     "You pick up the Marine landing vehicles. They are eager for combat and you can hear them "
     "cheer in the cargo space. Now head to the next nav point at ",
     {},
     "You drop the Marines and leave fast as they begin their landing operations. You have "
     "completed your mission and receive a reward of $",
     2000},
    {kMissionEvacuation,
     "You pick up some shuttles with civilians. Let´s get them out of here fast! Head to the next "
     "nav point at ",
     {},
     "You drop the civilian shuttles at their destination. They are safe now. You have completed "
     "your mission and receive a reward of $",
     2000},
};

const NavRoute& RouteOf(MissionType type) {
  for (const NavRoute& route : kNavRoutes) {
    if (route.type == type) return route;
  }
  return kNavRoutes[0];
}

// The mission moves on to the point in fields [body], [system] and names it as the next goal.
void NextNavPoint(std::int32_t stage, mission::Field bodyField, std::string_view text, Ui& ui) {
  ActiveMission[mission::kStage] = stage + 1;
  ActiveMission[mission::kTargetBody] = ActiveMission[bodyField];
  ActiveMission[mission::kTargetSystem] = ActiveMission[bodyField + 1];
  ui.Message(Popup::Picture, "Navpoint # " + std::to_string(stage),
             std::string(text) + BodyName(ActiveMission[mission::kTargetSystem],
                                          ActiveMission[mission::kTargetBody]),
             kMissionPicture);
  if (ui.IsVisible(Screen::MissionPanel)) {
    ui.OpenMissions();
    ui.OpenMissions();
  }
}

void FollowNavPoints(MissionType type, Ui& ui) {
  if (type == kMissionRecon && !state::HasSpySensors()) {
    ui.Message(Popup::Text, "Recon mission...", kSpyEquipmentText);
    return;
  }
  const NavRoute& route = RouteOf(type);
  switch (ActiveMission[mission::kStage]) {
    case 1: NextNavPoint(1, mission::kSecondPointBody, route.first, ui); break;
    case 2: NextNavPoint(2, mission::kThirdPointBody, route.second, ui); break;
    case 3: PayOutActiveMission(route.success, route.experience, ui); break;
    default: break;
  }
}

void PickUpAndDrop(MissionType type, Ui& ui) {
  const NavRoute& route = RouteOf(type);
  switch (ActiveMission[mission::kStage]) {
    case 1: NextNavPoint(1, mission::kDropBody, route.first, ui); break;
    case 2: PayOutActiveMission(route.success, route.experience, ui); break;
    default: break;
  }
}

// An Analysis records every planet not recorded before, wherever the ship arrives.
void Analyse(Ui& ui) {
  const std::int32_t b = state::PlayerShip[ship::kBody];
  const std::int32_t x = state::PlayerShip[ship::kSystem];
  if (x >= 1 && x <= state::kLastSystem && b >= 1 && b <= state::kLastBody) {
    state::TBodyRow& body = state::BodyData[x][b];
    if (body[body::kVisible] > 0 && state::IsInhabited(body[body::kKind]) && body[body::kAnalysed] == 0) {
      body[body::kAnalysed] = 1;
      AddSaturated(ActiveMission[mission::kPlanetsLeft], -1);
      ui.UpdateMissionPanel();
      ui.Message(Popup::Text, "Analysis mission...",
                 "You download the current economical data of this planet to your computer. "
                 "Only " + std::to_string(ActiveMission[mission::kPlanetsLeft]) + " planets left!");
    }
  }
  if (ActiveMission[mission::kPlanetsLeft] <= 0) {
    PayOutActiveMission(
        "You have collected all the requested economical data! You have completed your "
        "mission and receive a reward of $",
        15000, ui);
  }
}

}  // namespace

void ShowMissionFailed(Ui& ui) {
  ui.HideMissionPanel();
  ActiveMission[mission::kActive] = 0;
  ui.Message(Popup::Picture, "Mission failed...!",
             "You were not able to complete this mission successfully.", kMissionPicture);
}

void CheckMissionOnArrival(Ui& ui) {
  const MissionType type{ActiveMission[mission::kType]};
  // The flagship mission, the last type, has nothing to do on arrival.
  if (ActiveMission[mission::kActive] <= 0 || state::PlayerShip[ship::kAlive] <= 0 ||
      type < kMissionSearchAndDestroy || type > kMissionRaiding)
    return;
  if (type == kMissionAnalysis) {
    Analyse(ui);
    return;
  }
  if (!AtTarget()) return;
  switch (type) {
    case kMissionSearchAndDestroy: case kMissionAmbush: case kMissionStrike: case kMissionAssault:
      ShipFight(type, ui);
      break;
    case kMissionPatrol: case kMissionCombatPatrol: case kMissionEscort: case kMissionRecon:
      FollowNavPoints(type, ui);
      break;
    case kMissionMarineLanding: case kMissionEvacuation:
      PickUpAndDrop(type, ui);
      break;
    case kMissionSpecialForces:
      PayOutActiveMission("You have transported the Special Forces team to it´s target location and receive a "
             "reward of $",
             1500, ui);
      break;
    case kMissionReportForDuty:
      PayOutActiveMission("You have reported to the battlegroup commander and can receive new missions to "
             "influence the outcome of the battle.",
             1000, ui);
      break;
    case kMissionInfiltrate:
      if (!state::HasSpySensors()) {
        ui.Message(Popup::Text, "Infiltrate mission...", kSpyEquipmentText);
        break;
      }
      PayOutActiveMission("You have been able to infiltrate the system and gather the secret data. You "
             "receive a reward of $",
             1500, ui);
      break;
    case kMissionBounty:
      audio::PlayAlertSound();
      ui.Message(Popup::Text, "Bounty mission...",
                 "This is the position where the criminal you are looking for has been seen the "
                 "last time. Look for him on your radar here and in neighboring systems...");
      break;
    case kMissionAbduction:
      audio::PlayAlertSound();
      ui.Message(Popup::Text, "Abduction mission...",
                 "This is the position where your target has been seen the last time. Look for "
                 "him on your radar here and in neighboring systems...");
      break;
    case kMissionBlitzkrieg: case kMissionFlanking: case kMissionSuppression:
    case kMissionBombingRun: case kMissionBattle: case kMissionSiege: case kMissionRaiding:
      FleetFight(type, ui);
      break;
    default:  // deliveries finish at the trade window
      break;
  }
}

void PayOutActiveMission(std::string_view successText, std::int32_t experience, Ui& ui) {
  ActiveMission[mission::kActive] = 0;
  if (ActiveMission[mission::kCampaignSystem] > 0) ApplyMissionToCampaign();
  AddSaturated(state::PlayerData[player::kMissionsCompleted], 1);
  const std::string reward = RewardText(MissionType{ActiveMission[mission::kType]});
  PayReward(ActiveMission[mission::kReward], ui);
  ui.HideMissionPanel();
  ui.Message(Popup::Picture, "Mission completed!", std::string(successText) + reward,
             kMissionPicture);
  AddExperience(experience, ui);
  ShowExperienceNotice(ui);
}

}  // namespace rules
