// The save and load screen: four save slots, each with an editable name, a Save and a Load
// button, and Close. Saving asks first, writes the slot's files and keeps the screen open; a load
// asks first, reads the slot, puts the travel screen's selection on the loaded ship's place, runs
// one day and closes the screen. Opened modally after ShowSaveSlotNames.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"

namespace screens {

// Button numbers (the hover index): save of slot n is 2n-1, its load 2n; Close is 9.
inline constexpr int kSaveLoadCloseButton = 9;

class SaveLoadScreen : public platform::Form {
 public:
  SaveLoadScreen();

  // The stored slot names into the four name boxes; an unsaved edit is lost.
  void ShowSaveSlotNames();

  // Save and load of the slot in the sender's Tag (1..4).
  void OnSaveClick(platform::Sender sender);
  void OnLoadClick(platform::Sender sender);
  void OnCloseClick();

  // Asks, then writes slot `slot` under the name in its box and tells how it went.
  void SaveGame(int slot);
  // Asks, then reads slot `slot`; true when a game was loaded.
  bool LoadGame(int slot);

  int HoverIndex() const { return buttons_.Lit(); }

 private:
  std::vector<platform::Edit*> slotNames_;  // slot k is element k - 1
  PictureButtons buttons_;
  ScreenUi rules_;
  // The tutorial's guidance on this screen.
  TutorialArrow tutorialArrow_{*this};
};

// The picture of button k (1..9), lit or plain.
std::string SaveLoadPicture(int k, bool lit);

// Whether a game is running: the player's ship is alive.
bool GameIsRunning();

}  // namespace screens
