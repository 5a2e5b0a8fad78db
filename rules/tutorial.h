// The interactive tutorial's steps, without any screen: where each step's message panel and
// arrow show and what they say, the tutorial body, the guaranteed first profit and the first
// mission the tutorial sets up. The screens (screens/tutorial) show what this describes.
//
// Steps run 1..38 with -11 between 11 and 12 (the player opens the accepted mission again); 21 and
// 31 are never used, and 28 comes twice (the second time after saving, to return to the game).
#pragma once

#include <cstdint>
#include <string>

namespace rules {

// The step after saving, at which the player returns to the game (shown as step 28 again).
inline constexpr int kTutorialReturnToGameStep = 128;
inline constexpr int kTutorialLastStep = 38;
// The step after the tutorial's mission is accepted, at which the player opens it again; it lies
// between steps 11 and 12 wherever steps are compared.
inline constexpr int kTutorialReopenMissionStep = -11;

// Whether the running tutorial stands at `step`. False when no tutorial runs.
bool TutorialAt(int step);
// Whether the running tutorial has not yet reached `step`. False when no tutorial runs.
bool TutorialBefore(int step);

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

// Which side of its control the arrow sits on.
enum class ArrowSide { Inside, Above, Right, Below };  // Inside: in its top right corner

struct TutorialGuide {
  // The message panel; none when `panelOn` is None.
  TutorialScreen panelOn = TutorialScreen::None;
  std::string text1, text2;
  bool panelAtLayoutPlace = false;  // else at (panelLeft, panelTop)
  int panelLeft = 0, panelTop = 0;
  int minimizedLeft = 0, minimizedTop = 8;
  // The blinking arrow; none when `arrowOn` is None. It points at the named control of that
  // screen; `arrowShownAtOnce` false leaves showing it to the first blink.
  TutorialScreen arrowOn = TutorialScreen::None;
  std::string arrowAt;
  ArrowSide arrowSide = ArrowSide::Inside;
  bool arrowShownAtOnce = true;
  // What the step does besides: the guaranteed prices of the first trade, the first mission on
  // the board, the trade window brought to the front, a reward sound or tune.
  bool setsSuppliesPrices = false;
  bool offersMission = false;
  bool redrawsMissionBoard = false;
  bool tradeWindowToFront = false;
  bool rewardSound = false;
  bool rewardMusic = false;
};

// The step's guidance as the game state stands (the tutorial body and its name, the faction).
// An unknown step gives an empty guide.
TutorialGuide DescribeTutorialStep(int step);

// The step shown to the player for a stored step (the return-to-game step shows as 28).
int ShownTutorialStep(int step);

// The tutorial body of the start system: where the first cargo sells at a profit (by the player's
// faction; 0 for none).
std::int32_t TutorialBody();

// The first trade's guaranteed profit: Supplies cost 100 where the ship is and sell for 115 at the
// tutorial body, whose prices count as known.
void SetTutorialSuppliesPrices();

// The tutorial's mission: a Search && Destroy of a pirate ship of class 1 at the sun of the
// current system, written into the second offer of its board.
void OfferTutorialMission();

}  // namespace rules
