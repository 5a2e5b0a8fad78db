// What the game rules need of the screens, and nothing more. The game gives the rules its real
// screens; a test gives them a script that records every popup and answers every question, so a
// whole world runs headless from a seed.
//
// Every operation is pure: an implementation that forgets one cannot be instantiated.
// Stand-ins that show nothing derive from rules::NullUi (rules/null_ui.h) instead.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/factions.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/tutorial_steps.h"
#include "state/variables.h"

namespace rules {

// The popups of the game, by the form that shows them.
enum class Popup {
  Picture,  // PicturePopup: topic, text and a picture loaded by name
  Text,     // TextPopup: topic and text
  Notice,   // NoticePopup: the large picture popup for news and notices
  Reward,   // RewardPopup: a picture and a text about credits gained
  Fame,     // FamePopup: the faction's logo and a text about experience gained
};

// Screens whose visibility a rule asks about.
enum class Screen {
  Travel,
  Flight,
  Planet,
  GalaxyMap,
  Sensors,
  TradeWindow,
  ShipCombat,
  PirateHideout,
  MissionPanel,
};

// What a promotion brought, for the promotion screen.
enum class PromotionAward {
  Ribbon,  // a campaign ribbon (levels 2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17)
  Rank,    // a new military rank (levels 4, 7, 10, 13, 15, 18)
};

// Which tree the ability selection screen opens with after a promotion.
enum class AbilityChoice {
  Skill,   // a non-combat skill
  Combat,  // a combat ability
};

// The fleet kinds RunFleetBattle takes: a mission's battle (the active mission's type picks
// the fleets; without a fleet mission a standard battle group), or the strike on a system's
// starbase, against defenders that are weakened or still strong.
inline constexpr std::int32_t kFleetKindMission = -1;
inline constexpr std::int32_t kFleetKindStarbaseWeakened = 1;
inline constexpr std::int32_t kFleetKindStarbaseStrong = 2;

struct Ui {
  virtual ~Ui() = default;

  // Shows a popup modally; returns when the player has closed it.
  virtual void Message(Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture = {}) = 0;

  // The NoticePopup with its second caption line (a news headline).
  virtual void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                          std::string_view picture) = 0;

  // The YesNoPopup; true = yes.
  virtual bool Ask(std::string_view topic, std::string_view text) = 0;

  virtual bool IsVisible(Screen screen) const = 0;

  // The row of SpecialShips selected on the ship sensors screen (0 = none, or no sensors showing).
  virtual int SensorSelection() const = 0;

  // The travel screen's refresh routines. DisplayedSystem is set by the rule before RedrawSystem.
  virtual void RedrawSystem(bool placeBodies) = 0;
  virtual void UpdateStatusBars() = 0;
  virtual void UpdateTradePopup() = 0;

  // The ChoicePopup with its two buttons captioned `first` and `second`; true = the first button.
  // A `second` of "No" is a refusal that changes nothing, which Escape may give; any other pair
  // names two actions ("Sell" / "Give"), which only a click chooses.
  virtual bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) = 0;

  // The travel screen redraws the space finds of the displayed system.
  virtual void ShowSpaceFinds() = 0;

  // The promotion screen for a player who has just reached `level` (the level, rank and ribbons
  // are already stored): composes the uniform and shows the award modally.
  virtual void ShowPromotion(PromotionAward award, int level) = 0;

  // The ability selection screen after a promotion; the player learns at most one ability or
  // skill there.
  virtual void ChooseNewAbility(AbilityChoice choice) = 0;

  // --- Fights on the way and on a mission, the loss of the ship ---------------------------------

  // The NoticePopup with a score line under its text while it is open (the retirement steps, the
  // life points left after the loss of the ship).
  virtual void ShowScoredNotice(std::string_view topic, std::string_view headline,
                                std::string_view text, std::string_view picture,
                                std::string_view scoreLine) = 0;

  // The EncounterPopup: the scene picture, the topic, the opponent (faction and class) on its own
  // line, and the alert text.
  virtual void ShowEncounter(std::string_view topic, std::string_view opponent,
                             std::string_view text, std::string_view picture) = 0;

  // Prepares a fight against one ship: the combat set-up (enemy record, loadout, ability slots,
  // pictures). Whatever else it does, it writes at least what WriteEnemyIdentity writes: the
  // rules read the enemy record right after.
  virtual void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction,
                               ShipKind enemyKind, std::int32_t enemyTier) = 0;

  // Runs the prepared fight on the combat screen, with the travel screen and the flight window
  // hidden meanwhile, and returns when it is over: PlayerShip[ship::kAlive] = 0 when the player's
  // ship was destroyed, EnemyShip[ship::kAlive] = 0 when the enemy was destroyed or taken.
  virtual void RunShipCombat() = 0;

  // Prepares both fleets for a battle against `enemyFaction` (`fleetKind` as the fleet set-up
  // takes it), runs the fleet battle screen and returns whether the enemy fleet was destroyed
  // (FleetBattleWon); PlayerShip[ship::kAlive] = 0 afterwards when the player's ship was lost.
  virtual bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) = 0;

  // Ends a flight under way: stops its day timer, sets its days left to 0 and closes the flight
  // window. Nothing happens when no flight is under way.
  virtual void StopFlight() = 0;

  // Closes the travel screen, whose close permission the rule has set: the game is over and
  // control returns to the start screen.
  virtual void CloseTravelScreen() = 0;

  // The travel screen's mission panel: hide it, redraw it from ActiveMission, or open/close it
  // as its control-panel button does.
  virtual void HideMissionPanel() = 0;
  virtual void UpdateMissionPanel() = 0;
  virtual void OpenMissions() = 0;

  // The tutorial moves on to `step`: what the step before showed goes, the new step's guidance
  // shows.
  virtual void BeginTutorialStep(tutorial::Step step) = 0;
  // The tutorial puts away what `step` shows, when it stands at that step, without moving on.
  virtual void EndTutorialStep(tutorial::Step step) = 0;

  // The least a fight's set-up writes: the enemy record's alive flag, class, kind and faction.
  static void WriteEnemyIdentity(state::ShipClassId enemyClass, Faction enemyFaction,
                                 ShipKind enemyKind) {
    state::EnemyShip[ship::kAlive] = 1;
    state::EnemyShip[ship::kClass] = state::Stored(enemyClass);
    state::EnemyShip[ship::kEnemyKind] = state::Stored(enemyKind);
    state::EnemyShip[ship::kFaction] = state::Stored(enemyFaction);
  }
};

}  // namespace rules
