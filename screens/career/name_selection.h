// The name and portrait screen, the second of the new-game screens: the player types a name and
// cycles through three portraits with Previous and Next; Continue stores the name and closes. The
// screen is made once and reused, so a second new game shows the name typed last.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/form.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"

namespace screens {

// What the name edit shows before the player types.
inline constexpr std::string_view kNamePlaceholder = "(Please enter your name here)";
inline constexpr std::int32_t kPortraits = 3;

// The name the player goes by for what the edit holds: "Incognito" for an empty or untouched edit,
// otherwise the text as typed.
std::string ChosenPlayerName(std::string_view editText);

// The picture of portrait 0..2 at the age of twenty; empty for any other number.
std::string PortraitPicture(std::int32_t portrait);

// The portrait one step on (+1) or back (-1), wrapping around the three.
std::int32_t StepPortrait(std::int32_t portrait, int step);

class NameSelectionScreen : public platform::Form {
 public:
  NameSelectionScreen();

  // Shows the player's portrait; a portrait number outside 0..2 leaves the picture as it is.
  void ShowSelectNamePortrait();

  void OnPreviousClick();
  void OnNextClick();
  void OnContinueClick();

  // 0 none, 1 Previous, 2 Next, 3 Continue lit.
  int LitButton() const { return buttons_.Lit(); }

 private:
  void StepAndShow(int step);

  PictureButtons buttons_;
  platform::Edit& nameEdit_ = Get<platform::Edit>("NameEdit");
  platform::Image& portrait_ = Get<platform::Image>("Portrait");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

}  // namespace screens
