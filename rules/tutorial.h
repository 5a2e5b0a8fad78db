// The interactive tutorial's steps, without any screen: one table row per step holds what its
// message panel says and what the step does besides; what the rules ask the tutorial (may the
// player do this now, how is its fight laid out) and what moves it on; besides, the tutorial
// body, the guaranteed first profit and the first mission the tutorial sets up. The screens
// (screens/tutorial) show what this describes, where they place it; the steps' names are in
// state/tutorial_steps.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/tutorial_steps.h"

namespace rules {

// Whether the running tutorial stands at `step`. False when no tutorial runs.
bool TutorialAt(tutorial::Step step);
// Whether the running tutorial has not yet reached `step`. False when no tutorial runs.
bool TutorialBefore(tutorial::Step step);
// Whether the running tutorial has gone past `step`. False when no tutorial runs.
bool TutorialAfter(tutorial::Step step);
// Whether the running tutorial stands at `first`, `last` or a step between them.
bool TutorialBetween(tutorial::Step first, tutorial::Step last);

// What the player may try that the running tutorial refuses at some of its steps.
enum class TutorialAction {
  BuyOtherGoodThanSupplies,
  CloseTradeWindow,
  AcceptOtherMission,
  FlyToBody,  // a body of the system, not a space find
  Land,
  OpenMissions,
  CancelMission,
  ChooseOtherProfessionThanPirate,
};

// Whether the running tutorial lets the player do `action` now; true when no tutorial runs.
bool TutorialAllows(TutorialAction action);
// The notice the tutorial shows when it refuses `action`.
std::string_view TutorialRefusal(TutorialAction action);

// How the tutorial's fight is laid out: the enemy carries the first gun ...
bool TutorialEnemyCarriesFirstGun();
// ... turns straight to its missiles in the turns after the player's first ...
bool TutorialEnemyFiresMissileFirst();
// ... the player's interception of its missile always succeeds ...
bool TutorialInterceptionCertain();
// ... the player's first volley uses up the turn ...
bool TutorialVolleyEndsTurn();
// ... and the fight cannot be lost in the first days: collapsed shields are refreshed with this
// notice.
bool TutorialFightCannotBeLost();
std::string_view TutorialShieldsRefreshedNotice();

// While the tutorial runs, no ship is met by chance in the first days ...
bool TutorialSparesEncounters();
// ... and ending a turn with any action points left asks first.
bool TutorialAsksBeforeEndingTurnEarly();

// What the player or the fight did that may move the running tutorial on.
enum class TutorialEvent {
  FactionChosen,
  NameChosen,
  ProfessionChosen,
  NewGameShown,  // the new game's travel screen about to show
  GoodsBought,
  SoldAll,
  TradeWindowClosed,
  TutorialMissionPicked,  // the tutorial's offer chosen on the mission board
  MissionAccepted,
  MissionFightBegins,     // the fight of the tutorial's mission
  MissionFightOver,
  Landed,
  MissileFired,
  DisciplineActivated,
  GunsFired,
  EcmUsed,
  TurnEnded,
  RoundStarted,
  SavedIntoFirstSlot,
  SaveLoadClosed,
  OptionsPanelClosed,  // "Return to game"
  SkillsBrowsed,
  PersonalStatusClosed,
};

// What `event` does to the running tutorial where it stands: the steps whose guidance it puts
// away, then the step it begins (None for none).
struct TutorialMove {
  std::vector<tutorial::Step> ends = {};
  tutorial::Step begins = tutorial::Step::None;
};
TutorialMove TutorialMoveFor(TutorialEvent event);

struct Ui;
// Moves the running tutorial on after `event` through `ui`.
void FollowTutorial(Ui& ui, TutorialEvent event);
// The ship arrived at `place` of its system, having set out from `from`.
void FollowTutorialArrival(std::int32_t from, std::int32_t place, Ui& ui);

struct TutorialGuide {
  // The message panel's texts; none for a step whose screen shows no panel.
  std::string text1, text2;
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
// A step without a row (None) gives an empty guide.
TutorialGuide DescribeTutorialStep(tutorial::Step step);

// Every step of the tutorial, in the order the player meets them (ReturnToGame after
// CloseSaveLoad).
std::vector<tutorial::Step> AllTutorialSteps();

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
