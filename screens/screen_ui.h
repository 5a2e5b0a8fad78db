// The game's screens as the rules see them: the popups and questions on the game's real popups,
// and every other operation of rules::Ui handed to the screen that owns it (the travel screen,
// the flight, the planet, the port, the combat and the career screens).
#pragma once

#include <string_view>

#include "rules/ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace screens {

class ScreenUi : public rules::Ui {
 public:
  void Message(rules::Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override;
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override;
  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override;
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override;

  // Each of these is handed to the screen that owns it.
  bool IsVisible(rules::Screen screen) const override;
  int SensorSelection() const override;
  void RedrawSystem(bool placeBodies) override;
  void UpdateStatusBars() override;
  void UpdateTradePopup() override;
  void ShowSpaceFinds() override;
  void ShowPromotion(rules::PromotionAward award, int level) override;
  void ChooseNewAbility(rules::AbilityChoice choice) override;
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override;
  void RunShipCombat() override;
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override;
  void StopFlight() override;
  void CloseTravelScreen() override;
  void HideMissionPanel() override;
  void UpdateMissionPanel() override;
  void OpenMissions() override;
  void BeginTutorialStep(tutorial::Step step) override;
  void EndTutorialStep(tutorial::Step step) override;
};

}  // namespace screens
