#include "screens/screen_ui.h"

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "platform/controls.h"
#include "screens/travel/message_popups.h"

namespace screens {

using platform::Image;
using platform::Label;

namespace {

void SetText(platform::Form& form, const char* label, std::string_view text) {
  form.Get<Label>(label).SetCaption(text);
}

void SetPicture(platform::Form& form, const char* image, std::string_view picture) {
  form.Get<Image>(image).LoadPicture(picture);
}

}  // namespace

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
    case rules::Popup::Picture:
      SetText(*FMessage1, "Topic", topic);
      SetText(*FMessage1, "LabelText", text);
      SetPicture(*FMessage1, "Image1", picture);
      FMessage1->ShowModal();
      break;
    case rules::Popup::Text:
      SetText(*FMessage3, "Topic", topic);
      SetText(*FMessage3, "LabelText", text);
      FMessage3->ShowModal();
      break;
    case rules::Popup::Notice:
      ShowNotice(topic, {}, text, picture);
      break;
    case rules::Popup::Reward:
      SetText(*FMessage7, "LabelText", text);
      SetPicture(*FMessage7, "Image1", picture);
      FMessage7->ShowModal();
      break;
    case rules::Popup::Fame:
      SetText(*FMessage6, "LabelText", text);
      SetPicture(*FMessage6, "Image1", picture);
      FMessage6->ShowModal();
      break;
  }
}

void ScreenUi::ShowNotice(std::string_view topic, std::string_view headline,
                          std::string_view text, std::string_view picture) {
  SetPicture(*FMessage8, "Interface3", picture);
  SetText(*FMessage8, "Topic", topic);
  SetText(*FMessage8, "Topic2", headline);
  SetText(*FMessage8, "LabelText", text);
  FMessage8->ShowModal();
}

void ScreenUi::ShowScoredNotice(std::string_view topic, std::string_view headline,
                                std::string_view text, std::string_view picture,
                                std::string_view scoreLine) {
  SetText(*FMessage8, "RetirementScreen_ScoreText", scoreLine);
  FMessage8->ShowScoreLines(true);
  // The score lines belong to this notice only, however the popup is left.
  struct Hide {
    ~Hide() { FMessage8->ShowScoreLines(false); }
  } hide;
  ShowNotice(topic, headline, text, picture);
}

void ScreenUi::ShowEncounter(std::string_view topic, std::string_view opponent,
                             std::string_view text, std::string_view picture) {
  SetText(*FMessage5, "Topic", topic);
  SetText(*FMessage5, "Label1", opponent);
  SetPicture(*FMessage5, "Image1", picture);
  SetText(*FMessage5, "LabelText", text);
  FMessage5->ShowModal();
}

bool ScreenUi::Ask(std::string_view topic, std::string_view text) {
  DialogResult = 0;
  SetText(*FMessage4, "Topic", topic);
  SetText(*FMessage4, "LabelText", text);
  FMessage4->ShowModal();
  return DialogResult == 1;
}

bool ScreenUi::Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) {
  Message2Result = 0;
  SetText(*FMessage2, "Topic", topic);
  SetText(*FMessage2, "LabelText", text);
  SetPicture(*FMessage2, "Image1", picture);
  SetText(*FMessage2, "Label1", first);
  SetText(*FMessage2, "Label2", second);
  // The buttons read "Yes" and "No" again for the next caller, however this one ends.
  struct Restore {
    ~Restore() {
      FMessage2->Get<Label>("Label1").SetCaption("Yes");
      FMessage2->Get<Label>("Label2").SetCaption("No");
    }
  } restore;
  FMessage2->ShowModal();
  return Message2Result == 1;
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
