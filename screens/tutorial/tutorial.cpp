#include "screens/tutorial/tutorial.h"

#include <string>
#include <string_view>
#include <vector>

#include "audio/sound.h"
#include "platform/application.h"
#include "rules/tutorial.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/tutorial/tutorial_places.h"
#include "state/variables.h"

namespace screens {

namespace {


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

// The screen rectangles of what `name` names: a control of `own`, every visible control of `own`
// whose name begins so for a name ending in "*", or a whole form by its name (shown or about
// to show).
std::vector<platform::Rect> NamedRects(std::string_view name, const platform::Form& own) {
  std::vector<platform::Rect> out;
  if (name.ends_with('*')) {
    name.remove_suffix(1);
    for (platform::Control* c : own.AllControls())
      if (c->Name().starts_with(name) && c->VisibleInForm()) out.push_back(ShownRect(*c));
  } else if (platform::Control* c = own.Find(name)) {
    out.push_back(ShownRect(*c));
  } else if (const platform::Form* form = platform::App().FindForm(name)) {
    out.push_back(form->ScreenRect());
  }
  return out;
}

// The step's panel and arrow: the arrow first beside its control, then the panel where it
// covers neither of them nor what the step's words name. An arrow at the panel's own button
// ("Cancel tutorial") follows the panel instead.
void ShowGuide(const rules::TutorialGuide& g, const TutorialPlaces& p) {
  TutorialPanel* panel = FindTutorialPanel(FormOf(p.panelOn));
  TutorialArrow* arrow = FindTutorialArrow(FormOf(p.arrowOn));
  const std::string arrowAt = p.arrowOn == TutorialScreen::ShipCombat
                                  ? TutorialArrowControl(p.arrowAt, p.arrowAtAbility)
                                  : p.arrowAt;
  const bool arrowInPanel = arrowAt.starts_with("Tutorial");
  std::vector<platform::Rect> keepClear;
  if (arrow && !arrowAt.empty() && !arrowInPanel &&
      arrow->PointAt(arrowAt, p.arrowSide, p.arrowShownAtOnce)) {
    keepClear.push_back(arrow->ScreenRect());
    for (const platform::Rect& r : NamedRects(arrowAt, arrow->Owner())) keepClear.push_back(r);
  }
  if (panel) {
    for (const std::string& name : p.keepClear)
      for (const platform::Rect& r : NamedRects(name, panel->Owner())) keepClear.push_back(r);
    std::vector<platform::Rect> rather;
    for (const std::string& name : p.ratherClear)
      for (const platform::Rect& r : NamedRects(name, panel->Owner())) rather.push_back(r);
    if (p.panelAtLayoutPlace)
      panel->Show(g.text1, g.text2, keepClear, rather);
    else
      panel->Show(g.text1, g.text2, p.panelLeft, p.panelTop, p.minimizedLeft, p.minimizedTop,
                  keepClear, rather);
    // Beside a travel screen too full for it the trade window would hide it: it stands on the
    // trade window then, clear of the pointer there and of the chosen good's row.
    TutorialPanel* onTrade = FindTutorialPanel("TradeWindow");
    if (panel->StandsBeside() && p.panelOn == TutorialScreen::Travel && TradeWindowShowing() &&
        onTrade) {
      panel->Hide();
      std::vector<platform::Rect> tradeClear;
      if (arrow && &arrow->Owner() == &onTrade->Owner()) tradeClear.push_back(arrow->ScreenRect());
      const std::string good = std::to_string(state::SelectedGood);
      for (const char* column : {"GoodName", "GoodPrice", "GoodStock", "GoodCargo"})
        for (const platform::Rect& r : NamedRects(column + good, onTrade->Owner())) tradeClear.push_back(r);
      for (const platform::Rect& r : NamedRects("Topic", onTrade->Owner())) tradeClear.push_back(r);
      onTrade->Show(g.text1, g.text2, tradeClear);
    }
  }
  if (arrow && arrowInPanel) arrow->PointAt(arrowAt, p.arrowSide, p.arrowShownAtOnce);
}

// The step whose guidance shows now.
tutorial::Step shownStep = tutorial::Step::None;

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
  ShowGuide(g, PlacesOfTutorialStep(step));
  shownStep = step;
  if (g.tradeWindowToFront) BringTradeWindowToFront();
  if (g.rewardSound) audio::PlayRewardSound();
  if (g.rewardMusic) audio::PlayRewardMusic();
  state::TutorialStep = tutorial::StoredNumber(step);
}

void AdvanceTutorial(tutorial::Step from, tutorial::Step to) {
  if (rules::TutorialAt(from)) BeginTutorialStep(to);
}

void FollowTutorial(rules::TutorialEvent event) {
  const rules::TutorialMove move = rules::TutorialMoveFor(event);
  for (const tutorial::Step step : move.ends) EndTutorialStep(step);
  if (move.begins != tutorial::Step::None) BeginTutorialStep(move.begins);
}

void PlaceTutorialGuidanceAgain() {
  if (!rules::TutorialAt(shownStep)) return;
  HideAllTutorialGuidance();
  ShowGuide(rules::DescribeTutorialStep(shownStep), PlacesOfTutorialStep(shownStep));
}

void EndTutorialStep(tutorial::Step step) {
  if (state::TutorialStep == tutorial::StoredNumber(step)) HideAllTutorialGuidance();
}

}  // namespace screens
