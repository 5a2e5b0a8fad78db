// A rules::Ui that hands every request on to another one. Decorators derive from it and take
// over only what they change (the headless fights, for instance), so the rest still reaches the
// screens or the test script underneath. Every operation of Ui is pure, so one left out here
// would leave ForwardingUi abstract and no decorator of it would compile.
#pragma once

#include "rules/ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace rules {

class ForwardingUi : public Ui {
 public:
  explicit ForwardingUi(Ui& inner) : inner_(inner) {}

  Ui& Inner() const { return inner_; }

  void Message(Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override {
    inner_.Message(kind, topic, text, picture);
  }
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override {
    inner_.ShowNotice(topic, headline, text, picture);
  }
  bool Ask(std::string_view topic, std::string_view text) override { return inner_.Ask(topic, text); }
  bool IsVisible(Screen screen) const override { return inner_.IsVisible(screen); }
  int SensorSelection() const override { return inner_.SensorSelection(); }
  void RedrawSystem(bool placeBodies) override { inner_.RedrawSystem(placeBodies); }
  void UpdateStatusBars() override { inner_.UpdateStatusBars(); }
  void UpdateTradePopup() override { inner_.UpdateTradePopup(); }
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override {
    return inner_.Choose(topic, text, picture, first, second);
  }
  void ShowSpaceFinds() override { inner_.ShowSpaceFinds(); }
  void ShowPromotion(PromotionAward award, int level) override { inner_.ShowPromotion(award, level); }
  void ChooseNewAbility(AbilityChoice choice) override { inner_.ChooseNewAbility(choice); }
  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override {
    inner_.ShowScoredNotice(topic, headline, text, picture, scoreLine);
  }
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override {
    inner_.ShowEncounter(topic, opponent, text, picture);
  }
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override {
    inner_.SetupShipCombat(enemyClass, enemyFaction, enemyKind, enemyTier);
  }
  void RunShipCombat() override { inner_.RunShipCombat(); }
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override {
    return inner_.RunFleetBattle(enemyFaction, fleetKind);
  }
  void StopFlight() override { inner_.StopFlight(); }
  void CloseTravelScreen() override { inner_.CloseTravelScreen(); }
  void HideMissionPanel() override { inner_.HideMissionPanel(); }
  void UpdateMissionPanel() override { inner_.UpdateMissionPanel(); }
  void OpenMissions() override { inner_.OpenMissions(); }
  void BeginTutorialStep(tutorial::Step step) override { inner_.BeginTutorialStep(step); }
  void EndTutorialStep(tutorial::Step step) override { inner_.EndTutorialStep(step); }

 private:
  Ui& inner_;
};

}  // namespace rules
