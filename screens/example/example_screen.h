// The example screen: the shape every screen of the game takes.
//   - a layout (resources/example.layout): components named by what they are, repeated rows
//     numbered, `cancel` on the control Escape presses;
//   - a class whose components are fetched once, as members, so a layout that lacks one fails at
//     construction and in the data check;
//   - handlers bound by name to methods, thin: they play the click and call rules or close;
//   - Refresh copies the headless view into the components and writes nothing else;
//   - picture buttons through screens::PictureButtons, popups through screens::popups;
//   - an entry in the registry of forms (app/forms.cpp), which creates it and hands it out by its
//     class: screens::GameForm<ExampleScreen>().
// No player reaches this one: it is the pattern, checked by the same tests as every real screen.
#pragma once

#include <vector>

#include "platform/form.h"
#include "screens/shared/picture_buttons.h"
#include "screens/example/example_view.h"

namespace screens {

class ExampleScreen : public platform::Form {
 public:
  // The screen's picture buttons by their place in its group, counted from 1.
  enum Button : int { kBackButton = 1 };

  ExampleScreen();

  // Fills the screen from the game state; the opener calls it before showing the screen.
  void Refresh();

  void OnBackClick();

 private:
  PictureButtons back_;
  platform::Label& pilot_ = Get<platform::Label>("Pilot");
  std::vector<platform::Label*> cargoRows_ = GetNumbered<platform::Label>("CargoRow", kCargoRows);
};

}  // namespace screens
