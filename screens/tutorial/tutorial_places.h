// Where each step of the tutorial shows its guidance: on which screen its message panel stands and
// where, and which control its blinking arrow points at. The texts and what a step does are the
// rules' (rules/tutorial.h).
#pragma once

#include <string>
#include <vector>

#include "screens/shared/tutorial_panel.h"
#include "state/tutorial_steps.h"

namespace screens {

// Where a step's guidance is shown.
enum class TutorialScreen {
  None,
  FactionSelection,
  NameSelection,
  ProfessionSelection,
  Travel,
  TradeWindow,
  MissionBoard,
  ShipCombat,
  Planet,
  GalaxyMap,
  Sensors,
  SaveLoad,
  ShipStatus,
  PersonalStatus,
};

struct TutorialPlaces {
  // The message panel; none when `panelOn` is None.
  TutorialScreen panelOn = TutorialScreen::None;
  bool panelAtLayoutPlace = false;  // else at (panelLeft, panelTop)
  int panelLeft = 0, panelTop = 0;
  int minimizedLeft = 0, minimizedTop = 8;
  // The blinking arrow; none when `arrowOn` is None. It points at the named control of that
  // screen, or on the combat screen at the button that holds the named ability;
  // `arrowShownAtOnce` false leaves showing it to the first blink.
  TutorialScreen arrowOn = TutorialScreen::None;
  std::string arrowAt;
  std::string arrowAtAbility;
  ArrowSide arrowSide = ArrowSide::Above;
  bool arrowShownAtOnce = true;
  // What the step's words name, which the panel leaves free besides the arrow and its control:
  // controls of the panel's screen by name, or a whole screen by its form's name; a name ending
  // in "*" stands for every visible control so named.
  std::vector<std::string> keepClear;
  // What the panel leaves free too where there is room for it: what the step's words do not name
  // but the player may like to see (the map beside the trade window, the control panel).
  std::vector<std::string> ratherClear;
};

// The step's places as the game stands (the tutorial body, the ship's place). A step without a
// row (None) has none.
TutorialPlaces PlacesOfTutorialStep(tutorial::Step step);

}  // namespace screens
