#include "rules/mission_acceptance.h"

#include "rules/missions.h"
#include "rules/tutorial.h"
#include "state/fields.h"
#include "state/variables.h"

namespace rules {

namespace {

constexpr std::string_view kMissionPicture = "GeneralMissionPic.jpg";

// The fields an accepted offer hands on; the others of ActiveMission keep what they hold.
constexpr mission::Field kCopiedFields[] = {
    mission::kType,            mission::kReward,           mission::kTargetBody,
    mission::kTargetSystem,    mission::kSubject,          mission::kEnemyFaction,
    mission::kFirstPointBody,  mission::kFirstPointSystem, mission::kSecondPointBody,
    mission::kSecondPointSystem, mission::kThirdPointBody, mission::kThirdPointSystem,
    mission::kCampaignSystem,  mission::kBriefingVariant,
};

// An Analysis records planets anew: every visible body of the galaxy is unrecorded again.
void ClearAnalysisRecords() {
  for (int s = 1; s <= state::kLastSystem; ++s)
    for (int b = 1; b <= state::kLastBody; ++b)
      if (state::BodyData[s][b][body::kVisible] > 0) state::BodyData[s][b][body::kAnalysed] = 0;
}

}  // namespace

AcceptResult AcceptMissionOffer(std::int32_t slot, Ui& ui) {
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  const bool onBoard = system >= 1 && system <= state::kLastSystem && slot >= 1 &&
                       slot <= state::kLastOfferSlot;
  if (!onBoard || state::MissionOffers[system][slot][mission::kActive] < 1) {
    ui.Message(Popup::Picture, "No mission selected!",
               "You have selected no mission. Please select one of the available missions and try "
               "again.",
               kMissionPicture);
    return AcceptResult::NoOffer;
  }
  if (state::ActiveMission[mission::kActive] >= 1) {
    ui.Message(Popup::Picture, "You are busy!",
               "You can only accept one mission at a time. Please first finish your current "
               "mission before accepting new ones.",
               kMissionPicture);
    return AcceptResult::Busy;
  }
  if (!TutorialAllows(TutorialAction::AcceptOtherMission) && slot != kTutorialMissionSlot) {
    ui.Message(Popup::Text, "Tutorial", TutorialRefusal(TutorialAction::AcceptOtherMission));
    return AcceptResult::TutorialSlot;
  }
  state::TMissionRow& offer = state::MissionOffers[system][slot];
  const MissionType type{offer[mission::kType]};
  if ((type == kMissionAssault || type == kMissionAmbush) &&
      !ui.Ask("Danger!",
              "During this mission you will have to attack a much bigger ship. This would be a "
              "tough fight! Do you still wish to accept this mission?")) {
    return AcceptResult::Declined;
  }

  state::ActiveMission[mission::kActive] = 1;
  for (const mission::Field field : kCopiedFields) state::ActiveMission[field] = offer[field];
  if (MissionType{state::ActiveMission[mission::kType]} == kMissionAnalysis) ClearAnalysisRecords();
  FollowTutorial(ui, TutorialEvent::MissionAccepted);
  ui.Message(Popup::Picture, "Mission accepted!", "You have accepted the selected mission.",
             kMissionPicture);
  // The slot is free before the refill, so the refill may put a new offer there.
  offer[mission::kActive] = 0;
  GenerateMissionOffers(ui);
  return AcceptResult::Accepted;
}

}  // namespace rules
