// The governor of a planet of the player's own faction: a greeting by rank and the faction's wars,
// the criminal flag, and five picture buttons (the mission board, an amnesty, the ship status
// sheet, the personal status, Back). Modal; Back closes it, the screens it opens return to it.
#pragma once

#include <string>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The governor's buttons, numbered as they light.
enum GovernorButton : int {
  kGovernorMissionButton = 1,
  kGovernorAmnestyButton,
  kGovernorShipStatusButton,
  kGovernorPersonalStatusButton,
  kGovernorBackButton,
};

// The picture of governor button k (1..5), lit or plain.
std::string GovernorButtonPicture(int k, bool lit);

class GovernorScreen : public platform::Form {
 public:
  GovernorScreen();

  // Fills the greeting, the criminal flag and the amnesty offer from the game state.
  void Refresh();

  void OnMissionClick();
  void OnAmnestyClick();
  void OnShipStatusClick();
  void OnPersonalStatusClick();
  void OnBackClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  PictureButtons buttons_;
  ScreenUi rules_;
  platform::Label& greeting_ = Get<platform::Label>("Greeting");
  platform::Label& criminalFlag_ = Get<platform::Label>("CriminalFlag");
  platform::Label& amnestyLabel_ = Get<platform::Label>("AmnestyLabel");
  platform::Image& logo_ = Get<platform::Image>("FactionLogo");
};

}  // namespace screens
