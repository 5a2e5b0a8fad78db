#include "screens/screen_ui.h"

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "screens/popups/popups.h"

namespace screens {

void ScreenNotBuiltYet(std::string_view operation) {
  static std::set<std::string, std::less<>> reported;
  if (reported.count(operation) != 0) return;
  reported.emplace(operation);
  std::fprintf(stderr, "Farhaven 4: %.*s reached a screen that is not built yet\n",
               static_cast<int>(operation.size()), operation.data());
}

void ScreenUi::Message(rules::Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture) {
  switch (kind) {
    case rules::Popup::Picture: popups::ShowPicture(topic, text, picture); break;
    case rules::Popup::Text: popups::ShowText(topic, text); break;
    case rules::Popup::Notice: popups::ShowNotice(topic, {}, text, picture); break;
    case rules::Popup::Reward: popups::ShowReward(text, picture); break;
    case rules::Popup::Fame: popups::ShowFame(text, picture); break;
  }
}

void ScreenUi::ShowNotice(std::string_view topic, std::string_view headline,
                          std::string_view text, std::string_view picture) {
  popups::ShowNotice(topic, headline, text, picture);
}

void ScreenUi::ShowScoredNotice(std::string_view topic, std::string_view headline,
                                std::string_view text, std::string_view picture,
                                std::string_view scoreLine) {
  popups::ShowScoredNotice(topic, headline, text, picture, scoreLine);
}

void ScreenUi::ShowEncounter(std::string_view topic, std::string_view opponent,
                             std::string_view text, std::string_view picture) {
  popups::ShowEncounter(topic, opponent, text, picture);
}

bool ScreenUi::Ask(std::string_view topic, std::string_view text) {
  return popups::AskYesNo(topic, text);
}

bool ScreenUi::Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) {
  return popups::Choose(topic, text, picture, first, second);
}

// No screen a rule asks about is built yet, so none is showing.
bool ScreenUi::IsVisible(rules::Screen screen) const {
  (void)screen;
  ScreenNotBuiltYet("IsVisible");
  return false;
}

void ScreenUi::RedrawSystem(bool placeBodies) {
  (void)placeBodies;
  ScreenNotBuiltYet("RedrawSystem");
}

void ScreenUi::UpdateStatusBars() { ScreenNotBuiltYet("UpdateStatusBars"); }

void ScreenUi::UpdateTradePopup() { ScreenNotBuiltYet("UpdateTradePopup"); }

void ScreenUi::ShowSpaceFinds() { ScreenNotBuiltYet("ShowSpaceFinds"); }

void ScreenUi::ShowPromotion(rules::PromotionAward award, int level) {
  (void)award, (void)level;
  ScreenNotBuiltYet("ShowPromotion");
}

void ScreenUi::ChooseNewAbility(rules::AbilityChoice choice) {
  (void)choice;
  ScreenNotBuiltYet("ChooseNewAbility");
}

void ScreenUi::SetupShipCombat(std::int32_t enemyClass, std::int32_t enemyFaction,
                               std::int32_t enemyKind, std::int32_t enemyTier) {
  (void)enemyTier;
  ScreenNotBuiltYet("SetupShipCombat");
  WriteEnemyIdentity(enemyClass, enemyFaction, enemyKind);
}

void ScreenUi::RunShipCombat() { ScreenNotBuiltYet("RunShipCombat"); }

// Without a battle no fleet is destroyed.
bool ScreenUi::RunFleetBattle(std::int32_t enemyFaction, std::int32_t fleetKind) {
  (void)enemyFaction, (void)fleetKind;
  ScreenNotBuiltYet("RunFleetBattle");
  return false;
}

void ScreenUi::StopFlight() { ScreenNotBuiltYet("StopFlight"); }

void ScreenUi::CloseTravelScreen() { ScreenNotBuiltYet("CloseTravelScreen"); }

void ScreenUi::HideMissionPanel() { ScreenNotBuiltYet("HideMissionPanel"); }

void ScreenUi::UpdateMissionPanel() { ScreenNotBuiltYet("UpdateMissionPanel"); }

void ScreenUi::OpenMissions() { ScreenNotBuiltYet("OpenMissions"); }

void ScreenUi::BeginTutorialStep(int step) {
  (void)step;
  ScreenNotBuiltYet("BeginTutorialStep");
}

}  // namespace screens
