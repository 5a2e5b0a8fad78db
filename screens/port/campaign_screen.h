// The campaign screen: the siege of the system where the ship is, while the player's faction
// defends or attacks it. From it the player asks for a mission or strikes the starbase.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The screen's buttons, numbered as they light.
enum CampaignButton : int {
  kCampaignMissionButton = 1,
  kCampaignStrikeButton,
  kCampaignCloseButton,
};

class CampaignScreenForm : public platform::Form {
 public:
  CampaignScreenForm();

  // Fills the screen for the siege of the ship's system.
  void ShowCampaign();

  void OnMissionClick();
  void OnStrikeClick();
  void OnCloseClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  PictureButtons buttons_;
  ScreenUi rules_;
  platform::Label& topic_ = Get<platform::Label>("Topic");
  platform::Label& situation_ = Get<platform::Label>("Situation");
  platform::Label& influence_ = Get<platform::Label>("Influence");
  platform::Label& days_ = Get<platform::Label>("SiegeDays");
  std::vector<platform::Image*> attackerShips_ = GetNumbered<platform::Image>("AttackerShip", 8);
  std::vector<platform::Image*> attackerBig_ = GetNumbered<platform::Image>("AttackerBattleship", 3);
  std::vector<platform::Image*> defenderShips_ = GetNumbered<platform::Image>("DefenderShip", 8);
  std::vector<platform::Image*> defenderBig_ = GetNumbered<platform::Image>("DefenderBattleship", 3);
  platform::Image& starbase_ = Get<platform::Image>("Starbase");
  platform::Image& starSystem_ = Get<platform::Image>("StarSystem");
};

// Whether the campaign screen is showing (OpenCampaignScreen in port.h opens it).
bool CampaignScreenShowing();

// Closes the campaign screen when it is showing: a mission accepted on the board opened from it
// ends it too.
void CloseCampaignScreen();

// The picture of button k (1..3), lit or plain.
std::string CampaignButtonPicture(int k, bool lit);

}  // namespace screens
