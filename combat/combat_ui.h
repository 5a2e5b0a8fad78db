// What the combat rules need of the combat screen, and nothing more. The game gives the rules its
// real combat screen; tests and the duel tool give them a recorder that writes down every message
// and answers every question from a script, so a whole fight runs headless from a seed.
//
// Sound cues do not pass through here: the rules call the cues of audio/sound.h directly.
// Every operation is pure, so a screen that forgets one cannot be instantiated.
#pragma once

#include <string_view>

#include "rules/ui.h"
#include "state/equipment.h"

namespace combat {

using state::Side;

// The popups a fight shows, by the form that shows them.
enum class CombatPopup {
  Text,        // TextPopup: topic and text
  Picture,     // PicturePopup: picture, topic and text
  Experience,  // FamePopup: picture and text
  Loot,        // RewardPopup: picture and text
};

// The parts of the combat screen that the rules ask to be redrawn from the game state.
enum class Display {
  Shields,
  AbilityButtons,
  Missiles,
  Modifiers,
  ActionPointBar,
  ReinforcementRadar,
  Everything,
};

// Picture animations of a ship: its firing picture, its shield picture on a hit, a gun volley or a
// missile passing it by on a miss. The screen's own timers put the normal picture back.
enum class Animation { Firing, ShieldHit, Miss, MissileMiss };

class CombatUi {
 public:
  explicit CombatUi(rules::Ui& rules) : rules_(rules) {}
  virtual ~CombatUi() = default;

  // The screens the general rules (credits, experience, promotion) talk to.
  rules::Ui& Rules() { return rules_; }

  // The message box of one side: topic and text, hidden again by that side's message timer.
  virtual void ShowMessage(Side side, std::string_view topic, std::string_view text) = 0;

  // A modal popup; returns when the player has closed it.
  virtual void ShowPopup(CombatPopup kind, std::string_view topic, std::string_view text,
                         std::string_view picture = {}) = 0;

  // The YesNoPopup for a question whose "No" is a refusal that changes nothing; true = yes.
  virtual bool Ask(std::string_view topic, std::string_view text) = 0;

  // The YesNoPopup for a question whose "No" acts too (the boarders go on instead of going home):
  // the screen lets only a click answer it; true = yes.
  virtual bool AskEitherWay(std::string_view topic, std::string_view text) = 0;

  // The ChoicePopup with a picture, for an offer made once in a fight (a "No" lets it go for
  // good, so only a click answers it); true = the first answer ("Yes").
  virtual bool AskWithPicture(std::string_view topic, std::string_view text,
                              std::string_view picture) = 0;

  // Redraws part of the screen from the game state. The rules keep the state right before asking
  // (the action-point cap at 8 is applied by the rules, not by the screen).
  virtual void Refresh(Display what) = 0;

  virtual void Animate(Side side, Animation animation) = 0;

  // Starts the enemy's message timer; its tick calls combat::EnemyMessageTimerTick, which lets the
  // enemy take its next step.
  virtual void StartEnemyMessageTimer() = 0;

  // The "End this turn" control: disabled during the enemy's turn.
  virtual void SetEndTurnEnabled(bool enabled) = 0;

  // Set-up of a new fight: hide the ability panels, the modifier icons and the player's message,
  // stop the player's message timer; the pictures to load are in combat::Pictures.
  virtual void ResetScreen() = 0;

  // Closes the combat screen; CombatMayClose is already set. The screen's close handler calls
  // combat::CombatScreenClosed.
  virtual void Close() = 0;

  // Whether Close has been called since the set-up of this fight (ResetScreen): the fight is
  // over, and nothing of it may go on behind the closed screen.
  virtual bool IsClosed() const = 0;

  // Shows the boarding screen modally; the rules have prepared the defenders and the areas.
  virtual void OpenBoarding() = 0;

  // The ship sensors screen is the general screens' (Rules()): a fight asks it there, so every
  // combat screen and stand-in shares one answer; the tutorial too moves on through Rules().
  bool SensorsShowing() const { return rules_.IsVisible(rules::Screen::Sensors); }
  int SensorSelection() const { return rules_.SensorSelection(); }

  // The medals of the career rules; each shows its own screen and is awarded once per game.
  virtual void AwardSilverStar() = 0;
  virtual void AwardGoldStar() = 0;

 private:
  rules::Ui& rules_;
};

}  // namespace combat
