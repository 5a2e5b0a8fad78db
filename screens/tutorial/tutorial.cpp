#include "screens/tutorial/tutorial.h"

#include <string_view>

#include "audio/sound.h"
#include "screens/combat/ship_combat_screen.h"
#include "rules/tutorial.h"
#include "screens/popups/popups.h"
#include "screens/port/port.h"
#include "screens/shared/tutorial_panel.h"
#include "state/variables.h"

namespace screens {

namespace {

using rules::TutorialScreen;

// The form that shows a step's guidance.
std::string_view FormOf(TutorialScreen screen) {
  switch (screen) {
    case TutorialScreen::FactionSelection: return "FactionSelection";
    case TutorialScreen::NameSelection: return "NameSelection";
    case TutorialScreen::ProfessionSelection: return "ProfessionSelection";
    case TutorialScreen::Travel: return "TravelScreen";
    case TutorialScreen::TradeWindow: return "TradeWindow";
    case TutorialScreen::MissionBoard: return "MissionBoard";
    case TutorialScreen::Planet: return "PlanetScreen";
    case TutorialScreen::GalaxyMap: return "GalaxyMap";
    case TutorialScreen::Sensors: return "Sensors";
    case TutorialScreen::SaveLoad: return "SaveLoad";
    case TutorialScreen::ShipStatus: return "ShipStatus";
    case TutorialScreen::PersonalStatus: return "PersonalStatus";
    case TutorialScreen::ShipCombat: return "ShipCombat";
    case TutorialScreen::None: break;
  }
  return {};
}


void ShowGuide(const rules::TutorialGuide& g) {
  if (g.panelOn == TutorialScreen::ShipCombat) {
    // The combat screen finds the button of the ability its arrow points at.
    ShowShipCombatTutorialStep(g);
    return;
  }
  if (TutorialPanel* panel = FindTutorialPanel(FormOf(g.panelOn))) {
    if (g.panelAtLayoutPlace)
      panel->Show(g.text1, g.text2);
    else
      panel->Show(g.text1, g.text2, g.panelLeft, g.panelTop, g.minimizedLeft, g.minimizedTop);
  }
  if (TutorialArrow* arrow = FindTutorialArrow(FormOf(g.arrowOn)))
    arrow->PointAt(g.arrowAt, g.arrowSide, g.arrowShownAtOnce);
}

}  // namespace

void StartTutorial() {
  StopTutorial();
  state::TutorialActive = 1;
  BeginTutorialStep(tutorial::Step::ChooseFaction);
}

void StopTutorial() {
  state::TutorialActive = 0;
  HideAllTutorialGuidance();
}

void AskTurnOffTutorial() {
  if (state::TutorialStep == tutorial::StoredNumber(tutorial::Step::Finished)) {
    StopTutorial();
    return;
  }
  if (popups::AskYesNo("Turn tutorial off?",
                       "Do you really wish to turn off the tutorial? This tutorial leads you on "
                       "your first steps in the game and just takes about 10 minutes."))
    StopTutorial();
}

void BeginTutorialStep(tutorial::Step step) {
  HideAllTutorialGuidance();
  const rules::TutorialGuide g = rules::DescribeTutorialStep(step);
  // The game first, then what shows it: the prices and the mission the texts speak of.
  if (g.setsSuppliesPrices) {
    rules::SetTutorialSuppliesPrices();
    UpdateTradeWindow();
  }
  if (g.offersMission) rules::OfferTutorialMission();
  if (g.offersMission || g.redrawsMissionBoard) RedrawMissionBoard();
  ShowGuide(g);
  if (g.tradeWindowToFront) BringTradeWindowToFront();
  if (g.rewardSound) audio::PlayRewardSound();
  if (g.rewardMusic) audio::PlayRewardMusic();
  state::TutorialStep = tutorial::StoredNumber(step);
}

void AdvanceTutorial(tutorial::Step from, tutorial::Step to) {
  if (rules::TutorialAt(from)) BeginTutorialStep(to);
}

void EndTutorialStep(tutorial::Step step) {
  if (state::TutorialStep == tutorial::StoredNumber(step)) HideAllTutorialGuidance();
}

}  // namespace screens
