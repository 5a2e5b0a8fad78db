// The ship combat screen: the turn-based fight against one ship. The combat rules set the fight up
// and draw through the screen's CombatUi; the screen shows both ships, their shield gauges, the
// player's twelve ability buttons, the active modifiers of both sides, the missile volleys in
// flight, the action-point bar, the reinforcement radars, the two message boxes with their pacing
// timers, the firing and shield-hit pictures and, in compatibility mode, a text for everything.
// It is guarded: only the end of the fight closes it; any other close asks "Quit game?".
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "combat/combat_ui.h"
#include "combat/setup.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/guarded_close.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace screens {

class ShipCombatScreen;

// The combat screen as the combat rules see it.
class ShipCombatUi : public combat::CombatUi {
 public:
  explicit ShipCombatUi(ShipCombatScreen& screen);

  void ShowMessage(combat::Side side, std::string_view topic, std::string_view text) override;
  void ShowPopup(combat::CombatPopup kind, std::string_view topic, std::string_view text,
                 std::string_view picture = {}) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  bool AskEitherWay(std::string_view topic, std::string_view text) override;
  bool AskWithPicture(std::string_view topic, std::string_view text,
                      std::string_view picture) override;
  void Refresh(combat::Display what) override;
  void Animate(combat::Side side, combat::Animation animation) override;
  void StartEnemyMessageTimer() override;
  void SetEndTurnEnabled(bool enabled) override;
  void ResetScreen() override;
  void Close() override;
  bool IsClosed() const override { return closed_; }
  // The screen has closed, however it was closed (the quit question included).
  void ScreenClosed() { closed_ = true; }
  void OpenBoarding() override;
  void AwardSilverStar() override;
  void AwardGoldStar() override;

 private:
  ShipCombatScreen& screen_;
  ScreenUi rules_;
  bool closed_ = false;
};

class ShipCombatScreen : public platform::Form {
 public:
  ShipCombatScreen();

  combat::CombatUi& Ui() { return ui_; }

  // Sets up a fight (the combat rules' set-up) and loads its ship and missile pictures.
  void SetupFight(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                  std::int32_t enemyTier);
  // Shows the prepared fight modally and returns when it is over.
  void RunFight();

  // The display refreshers.
  void RefreshShipCombatScreen();
  void ShowShields();
  void RefreshAbilityButtons();
  void ShowMissiles();
  void ShowActiveModifiers();
  void ShowActionPointBar();
  void ShowReinforcementRadar();
  void UpdateCompatibilityLabels();

  // A side's message box, its picture animations, the set-up's reset, the end of the fight.
  void ShowMessage(combat::Side side, std::string_view topic, std::string_view text);
  // Compatibility mode: reads every message shown and not yet read out in the text popup, oldest
  // first, each until the player closes it. The messages' timers call it, and so does everything
  // else the fight shows (its popups, its questions, its end), so that the player hears the whole
  // fight in the order it happened.
  void ReadOutMessages();
  void StartEnemyMessageTimer();
  void Animate(combat::Side side, combat::Animation animation);
  void SetEndTurnEnabled(bool enabled);
  void ResetScreen();
  void StopTimers();

  // The timer intervals from the options (and the compatibility mode's quick messages).
  void ApplyTimerIntervals();

  // Handlers.
  void OnEndTurnClick();
  void OnAbilityDown(platform::Sender sender);
  void OnModifierDown(combat::Side side, int slot);
  void OnCompatibilitySwitchClick();
  void OnPlayerMessageTimer();
  void OnEnemyMessageTimer();
  // The close command of the window during a fight: true when the player quits the game.
  bool AskQuitGame();
  void OnClosed();

  int EndTurnHover() const { return endTurnHover_; }

 private:
  // What the screen shows of one side, named "Player..." and "Enemy..." in the layout.
  struct SideView {
    SideView(const platform::Form& form, const std::string& side);
    platform::Image& ship;
    platform::Image& shotPast;
    platform::Image& gunBeam;  // this side's gun volley crossing the gap to the other ship  // a shot passing the ship by on a miss
    platform::Image& shieldDisplay;
    platform::Image& actionPointBar;
    platform::Image& radar;
    platform::Panel& missilePanel;
    platform::Image& missile;
    platform::Label& missileCount;
    platform::Shape& messageShape;
    platform::Label& messageTopic;
    platform::Label& messageText;
    platform::Timer& messageTimer;
    platform::Timer& gunFireTimer;
    platform::Timer& shieldTimer;
    std::vector<platform::Image*> modifiers;
    // The side's gauges in words, in compatibility mode.
    platform::Label& shieldsLabel;
    platform::Label& missileLabel;
    platform::Label& reinforcementsLabel;
    // The ship's pictures of this fight: normal, shield hit and firing.
    std::string normal, shield, firing;
    // Where a missed shot passes the ship by (a streak of the shooter's gun), and the other side's
    // missile, which passes it by on a missile miss.
    platform::Rect gunShotBounds;
    combat::PicturePlace incomingMissile;
  };
  SideView& View(combat::Side side) { return side == combat::Side::Player ? player_ : enemy_; }
  void LoadFightPictures();
  // Stretches the shooter's gun volley from (fromX, fromY) to the point it strikes, and shows it.
  void PlaceGunBeam(SideView& shooter, int fromX, int fromY, int toX, int toY);
  void HideMessage(combat::Side side);

  SideView player_{*this, "Player"};
  SideView enemy_{*this, "Enemy"};
  std::vector<platform::Panel*> abilityPanels_ = GetNumbered<platform::Panel>("AbilityPanel", 12);
  std::vector<platform::Image*> abilityButtons_ = GetNumbered<platform::Image>("AbilityButton", 12);
  platform::Label& compatibilitySwitch_ = Get<platform::Label>("CompatibilitySwitch");
  std::vector<platform::Label*> abilityLabels_ = GetNumbered<platform::Label>("AbilityLabel", 12);
  platform::Label& actionPointsLabel_ = Get<platform::Label>("ActionPointsLabel");
  // Compatibility mode: the messages shown and not yet read out, oldest first.
  struct Message {
    std::string topic, text;
  };
  std::deque<Message> unread_;
  bool readingOut_ = false;
  platform::Label& endTurnLabel_ = Get<platform::Label>("EndTurnLabel");
  std::uint8_t endTurnHover_ = 0;
  PictureButtons endTurn_;
  GuardedClose guard_;
  ShipCombatUi ui_;
  // The tutorial's guidance during its first fight.
  TutorialPanel tutorialPanel_{*this};
  TutorialArrow tutorialArrow_{*this};
};

}  // namespace screens
