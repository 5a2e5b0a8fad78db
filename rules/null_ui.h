// A rules::Ui that shows nothing: no popup appears, every question gets its default answer, no
// screen is visible and nobody fights. The headless tools and the benchmarks use it, and derive
// from it to take over only what they record or answer; tests use the strict support::ScriptUi.
#pragma once

#include "rules/ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace rules {

class NullUi : public Ui {
 public:
  void Message(Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override {
    (void)kind, (void)topic, (void)text, (void)picture;
  }

  // Without a headline line the news shows as a plain notice.
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override {
    (void)headline;
    Message(Popup::Notice, topic, text, picture);
  }

  // The default answer is no.
  bool Ask(std::string_view topic, std::string_view text) override {
    (void)topic, (void)text;
    return false;
  }

  bool IsVisible(Screen screen) const override {
    (void)screen;
    return false;
  }

  int SensorSelection() const override { return 0; }

  void RedrawSystem(bool placeBodies) override { (void)placeBodies; }
  void UpdateStatusBars() override {}
  void UpdateTradePopup() override {}

  // The default answer is the second button.
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override {
    (void)topic, (void)text, (void)picture, (void)first, (void)second;
    return false;
  }

  void ShowSpaceFinds() override {}
  void ShowPromotion(PromotionAward award, int level) override { (void)award, (void)level; }
  // Nothing is learned.
  void ChooseNewAbility(AbilityChoice choice) override { (void)choice; }

  // The score line is dropped; the notice itself still shows.
  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override {
    (void)scoreLine;
    ShowNotice(topic, headline, text, picture);
  }

  // Without an opponent line the encounter shows as a picture popup.
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override {
    (void)opponent;
    Message(Popup::Picture, topic, text, picture);
  }

  // No combat set-up: only the enemy record's identity is written.
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override {
    (void)enemyTier;
    WriteEnemyIdentity(enemyClass, enemyFaction, enemyKind);
  }

  // Nobody fights, and no battle is won without a fight.
  void RunShipCombat() override {}
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override {
    (void)enemyFaction, (void)fleetKind;
    return false;
  }

  void StopFlight() override {}
  void CloseTravelScreen() override {}
  void HideMissionPanel() override {}
  void UpdateMissionPanel() override {}
  void OpenMissions() override {}
  void BeginTutorialStep(tutorial::Step step) override { (void)step; }
  void EndTutorialStep(tutorial::Step step) override { (void)step; }
};

}  // namespace rules
