// The spaceport bar, opened from the planet screen, and the pirate hideout, opened when the ship
// docks at a hideout. Both are modal, share their four picture buttons, and close only by their
// Close button; leaving the hideout costs a day, leaving the bar does not.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The buttons of both screens, numbered as they light.
enum BarButton : int {
  kBarFirstButton = 1,  // the bar: order a drink; the hideout: hide
  kBarHireButton,       // hire crewmen / pirates
  kBarThirdButton,      // the bar: retire; the hideout: buy contraband
  kBarCloseButton,
};

// The picture of button k (1..4) of either screen, lit or plain.
std::string BarButtonPicture(int k, bool lit);

class BarScreen : public platform::Form {
 public:
  BarScreen();

  void OnDrinkClick();
  void OnHireClick();
  void OnRetireClick();
  void OnCloseClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  PictureButtons buttons_;
  ScreenUi rules_;
};

class PirateHideoutScreen : public platform::Form {
 public:
  PirateHideoutScreen();

  void OnHideClick();
  void OnHireClick();
  void OnContrabandClick();
  void OnCloseClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  PictureButtons buttons_;
  ScreenUi rules_;
};

}  // namespace screens
