// A scripted stand-in for the combat and fleet battle screens: the test decides how each fight
// ends, and the script writes that outcome into the ship rows as the combat screen would. It also
// records the set-ups, the flight and travel-screen closings, the mission-panel calls, the
// tutorial steps, the encounter popup's opponent line and the score lines of the large popup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/factions.h"
#include "state/fields.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace fixture {

enum class FightOutcome {
  EnemyDestroyed,   // the enemy ship destroyed or taken
  EnemyEscaped,     // the enemy still there: the player fled
  PlayerDestroyed,  // the player's ship destroyed, the enemy alive
  BothDestroyed,
};

struct CombatSetup {
  state::ShipClassId enemyClass;
  std::int32_t enemyFaction;
  ShipKind enemyKind;
  std::int32_t enemyTier;
};

class FightScript : public support::ScriptUi {
 public:
  FightOutcome outcome = FightOutcome::EnemyDestroyed;
  bool fleetWon = true;
  bool shipLostInFleetBattle = false;

  std::vector<CombatSetup> setups;
  int fights = 0;
  std::vector<std::int32_t> fleetFactions;
  std::vector<std::string> scoreLines;
  int flightStops = 0;
  int travelClosings = 0;
  int missionPanelHidden = 0;
  int missionPanelUpdates = 0;
  int missionPanelToggles = 0;
  std::vector<int> tutorialSteps;
  std::vector<int> endedTutorialSteps;

  // The set-up every fight gets: the enemy record and a fresh set of enemy ability slots.
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override {
    setups.push_back({enemyClass, state::Stored(enemyFaction), enemyKind, enemyTier});
    state::EnemyAbilitySlots.fill(0);
    ScriptUi::SetupShipCombat(enemyClass, enemyFaction, enemyKind, enemyTier);
  }

  void RunShipCombat() override {
    ++fights;
    const bool enemyGone =
        outcome == FightOutcome::EnemyDestroyed || outcome == FightOutcome::BothDestroyed;
    const bool playerGone =
        outcome == FightOutcome::PlayerDestroyed || outcome == FightOutcome::BothDestroyed;
    state::EnemyShip[ship::kAlive] = enemyGone ? 0 : 1;
    if (playerGone) state::PlayerShip[ship::kAlive] = 0;
  }

  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override {
    (void)fleetKind;
    fleetFactions.push_back(state::Stored(enemyFaction));
    if (shipLostInFleetBattle) state::PlayerShip[ship::kAlive] = 0;
    return fleetWon;
  }

  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override {
    ShowNotice(topic, headline, text, picture);
    scoreLines.emplace_back(scoreLine);
  }

  // The opponent line is kept where the large popup keeps its headline.
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override {
    popups.push_back({rules::Popup::Picture, std::string(topic), std::string(opponent),
                      std::string(text), std::string(picture)});
  }

  void StopFlight() override { ++flightStops; }
  void CloseTravelScreen() override { ++travelClosings; }
  void HideMissionPanel() override { ++missionPanelHidden; }
  void UpdateMissionPanel() override { ++missionPanelUpdates; }
  void OpenMissions() override { ++missionPanelToggles; }
  void BeginTutorialStep(tutorial::Step step) override {
    tutorialSteps.push_back(tutorial::StoredNumber(step));
  }
  void EndTutorialStep(tutorial::Step step) override {
    endedTutorialSteps.push_back(tutorial::StoredNumber(step));
  }

  std::vector<std::string> Topics() const {
    std::vector<std::string> topics;
    for (const support::ShownPopup& popup : popups) topics.push_back(popup.topic);
    return topics;
  }
};

}  // namespace fixture
