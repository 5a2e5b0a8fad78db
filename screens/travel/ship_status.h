// The ship status sheet: the class data of the player's ship, with its crew, its value to the
// shipyard and a look at its equipment, or of the opponent in a fight, whose crew the player
// cannot know. Filled by ShowOwnShip or ShowOpponent, then shown modally by the caller.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/travel/ship_status_view.h"

namespace screens {

// The sheet's buttons, numbered as they light.
enum ShipStatusButton : int {
  kShipStatusEquipmentButton = 1,
  kShipStatusCloseButton,
};

class ShipStatusScreen : public platform::Form {
 public:
  ShipStatusScreen();

  // Fill the sheet from PlayerShip or from EnemyShip.
  void ShowOwnShip() { Fill(ShipStatusMode::OwnShip); }
  void ShowOpponent() { Fill(ShipStatusMode::Opponent); }

  void OnEquipmentClick();
  void OnCloseClick();
  void OnSpecialityClick();
  void OnMoreClick();

  ShipStatusMode Mode() const { return mode_; }
  int HoverButton() const { return buttons_.Lit(); }

 private:
  void Fill(ShipStatusMode mode);

  ShipStatusMode mode_ = ShipStatusMode::OwnShip;
  ShipStatusView view_;
  PictureButtons buttons_;
  ScreenUi rules_;
  platform::Image& picture_ = Get<platform::Image>("ShipPicture");
  platform::Label& name_ = Get<platform::Label>("ShipName");
  platform::Label& size_ = Get<platform::Label>("ShipClass");
  platform::Label& summary_ = Get<platform::Label>("Summary");
  platform::Label& gunDamage_ = Get<platform::Label>("GunDamage");
  platform::Label& accuracy_ = Get<platform::Label>("Accuracy");
  platform::Label& shields_ = Get<platform::Label>("Shields");
  platform::Label& speciality_ = Get<platform::Label>("Speciality");
  platform::Label& value_ = Get<platform::Label>("Value");
  platform::Label& crewRange_ = Get<platform::Label>("CrewRange");
  platform::Label& currentCrew_ = Get<platform::Label>("CurrentCrew");
  std::vector<platform::Label*> crew_ = GetNumbered<platform::Label>("CrewCount", state::kCrewKindCount);
  platform::Label& equipmentLabel_ = Get<platform::Label>("EquipmentLabel");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

// The picture of sheet button k (1..2), lit or plain.
std::string ShipStatusButtonPicture(int k, bool lit);

}  // namespace screens
