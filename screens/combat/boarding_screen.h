// The crew combat screen, opened by the ship combat screen when a boarding offer is accepted: the
// enemy ship's four areas as a wireframe on the left, the defenders of the current area and the
// player's boarding crew on the right, and the attack buttons (standard attack, commando assault,
// EMP strike) and Retreat along the bottom. The fight itself is combat/boarding.h and
// combat/boarding_outcome.h; the screen shows the tables and hands every click to those rules.
#pragma once

#include <memory>
#include <vector>

#include "combat/boarding.h"
#include "combat/combat_ui.h"
#include "platform/form.h"
#include "screens/shared/guarded_close.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

class BoardingScreen : public platform::Form {
 public:
  // The attack buttons by their hover index (the number PictureButtons lights).
  static constexpr int kCommandoButton = 1;
  static constexpr int kStandardAttackButton = 2;
  static constexpr int kEmpButton = 3;
  static constexpr int kRetreatButton = 4;

  BoardingScreen();
  ~BoardingScreen() override;

  // The whole boarding fight on this screen: the opening of the fight, then the screen modally
  // until one of the fight's endings closes it. Popups and questions go through `combat`.
  void Fight(combat::CombatUi& combat);

  // The crew counts, the area pictures and the compatibility labels from the boarding tables.
  void RefreshBoardingScreen();

  void OnAttackMouseDown(platform::Sender s);
  void OnRetreatClick();
  void OnAreaMouseDown(platform::Sender s);
  void OnCrewMouseDown(platform::Sender s);
  void OnAttackHover(platform::Sender s);
  void OnFaceHover() { buttons_.Restore(); }

 private:
  class FightUi;  // the boarding rules' view of this screen

  GuardedClose guard_;
  PictureButtons buttons_;
  // Set for the length of a fight; the buttons do nothing without one.
  std::unique_ptr<FightUi> fight_;
  bool attacksLive_ = false;

  std::vector<platform::Image*> areaPictures_ = GetNumbered<platform::Image>("AreaPicture", 4);
  std::vector<platform::Label*> areaLabels_ = GetNumbered<platform::Label>("AreaLabel", 4);
  std::vector<platform::Label*> crewCounts_;
  std::vector<platform::Label*> defenderCounts_;
  std::vector<platform::Label*> compatibilityLabels_;
};

// Shows the crew combat screen modally; the rules have prepared the defenders and the areas.
// Popups and questions of the boarding go through `combat`, the ship combat screen's CombatUi.
void OpenBoardingScreen(combat::CombatUi& combat);

}  // namespace screens
