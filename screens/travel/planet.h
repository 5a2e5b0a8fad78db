// The planet screen, the door to a port's services, and the ship status sheet of the player's ship
// or of the opponent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/guarded_close.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/travel/planet_view.h"

namespace screens {

// The planet screen's buttons, numbered as they light.
enum PlanetButton : int {
  kPlanetGovernorButton = 1,
  kPlanetBankButton,
  kPlanetShipyardButton,
  kPlanetEquipmentButton,
  kPlanetBarButton,
  kPlanetBackToSpaceButton,
};

// Shown modally when the ship lands on a planet. It describes the planet and opens the port's
// services, each modally over it; it closes only through "Back to space", which costs a day.
class PlanetScreenForm : public platform::Form {
 public:
  PlanetScreenForm();

  // Fills the screen for body `body` of `system` (the travel screen's selection when landing).
  void ShowPlanet(std::int32_t system, std::int32_t body);

  void OnGovernorClick();
  void OnBankClick();
  void OnShipyardClick();
  void OnEquipmentClick();
  void OnBarClick();
  void OnBackClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  PictureButtons buttons_;
  GuardedClose guard_;
  ScreenUi rules_;
  platform::Label& name_ = Get<platform::Label>("PlanetName");
  platform::Label& faction_ = Get<platform::Label>("FactionCaption");
  platform::Label& class_ = Get<platform::Label>("ClassCaption");
  platform::Label& description_ = Get<platform::Label>("Description");
  platform::Image& picture_ = Get<platform::Image>("PlanetPicture");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

// The picture of planet button k (1..6), lit or plain.
std::string PlanetButtonPicture(int k, bool lit);

}  // namespace screens
