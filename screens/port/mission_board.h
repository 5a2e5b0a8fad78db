// The mission board: the offers of the system where the ship is, their details and briefings, and
// the acceptance of one of them as the active mission.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"

namespace screens {

// The board's buttons, numbered as they light.
enum MissionBoardButton : int {
  kMissionAcceptButton = 1,
  kMissionGalaxyMapButton,
  kMissionCloseButton,
};

class MissionBoardScreen : public platform::Form {
 public:
  MissionBoardScreen();

  // Fills the board for the ship's system with the first offer selected and detailed.
  void Open();

  // Fills the header and the six tiles from the offers of the ship's system.
  void BuildMissionList();
  // Fills the detail panel for slot 1..6; an empty slot leaves it as it is.
  void ShowSelectedMission(std::int32_t slot);

  void OnTileClick(platform::EventArgs& s);
  void OnTileHover(platform::EventArgs& s);
  void OnAcceptClick();
  void OnGalaxyMapClick();
  void OnCloseClick();
  void OnFaceHover();

  int SelectedSlot() const { return selected_; }
  // The element under the mouse: a tile 1..6, a button 7..9 (accept, galaxy map, close), 0 none.
  int HoveredElement() const { return hovered_; }

 private:
  // Each tile's picture from the selection and the mouse.
  void RefreshTiles();
  void ClearDetails();

  int selected_ = 1;
  int hovered_ = 0;
  std::array<std::string, 6> logos_;  // each tile's picture base name, empty while it is hidden
  PictureButtons buttons_;
  ScreenUi rules_;
  platform::Label& header_ = Get<platform::Label>("Header");
  std::vector<platform::Image*> tiles_ = GetNumbered<platform::Image>("OfferTile", 6);
  std::vector<platform::Label*> titles_ = GetNumbered<platform::Label>("OfferTitle", 6);
  std::vector<platform::Label*> places_ = GetNumbered<platform::Label>("OfferPlace", 6);
  std::vector<platform::Label*> rewards_ = GetNumbered<platform::Label>("OfferReward", 6);
  platform::Label& heading_ = Get<platform::Label>("DetailHeading");
  platform::Label& briefing_ = Get<platform::Label>("Briefing");
  platform::Label& valueCaption_ = Get<platform::Label>("ValueCaption");
  platform::Label& value_ = Get<platform::Label>("Value");
  platform::Label& reward_ = Get<platform::Label>("Reward");
  platform::Label& location_ = Get<platform::Label>("Location");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
  TutorialArrow tutorialArrow_{*this};
};

// The picture of button k (1..3), lit or plain.
std::string MissionBoardButtonPicture(int k, bool lit);

}  // namespace screens
