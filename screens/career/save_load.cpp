#include "screens/career/save_load.h"

#include <string>
#include <vector>

#include "audio/sound.h"
#include "rules/daily_turn.h"
#include "rules/tutorial.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/tutorial/tutorial.h"
#include "state/fields.h"
#include "state/savegame.h"
#include "state/variables.h"

namespace screens {

using platform::Edit;
using platform::Image;
using platform::Sender;

namespace {

// Picture numbers of the buttons 1..9: save 1, load 1, save 2, load 2, ... close.
constexpr const char* kPictureNumbers[] = {"05", "06", "09", "10", "13", "14", "17", "18", "19"};
constexpr int kButtonCount = static_cast<int>(std::size(kPictureNumbers));

// The picture component of button k: SaveButton<n>, LoadButton<n> or CloseButton.
std::string ButtonName(int k) {
  if (k == kSaveLoadCloseButton) return "CloseButton";
  return std::string(k % 2 == 1 ? "SaveButton" : "LoadButton") + std::to_string((k + 1) / 2);
}

std::vector<PictureButton> Buttons(const platform::Form& form) {
  std::vector<PictureButton> buttons;
  for (int k = 1; k <= kButtonCount; ++k)
    buttons.emplace_back(form.Get<Image>(ButtonName(k)), SaveLoadPicture(k, false),
                         SaveLoadPicture(k, true));
  return buttons;
}

bool IsSlot(int slot) { return slot >= state::kFirstSaveSlot && slot <= state::kLastSaveSlot; }

}  // namespace

std::string SaveLoadPicture(int k, bool lit) {
  if (k < 1 || k > kButtonCount) return {};
  return std::string(lit ? "Save+LoadScreenON_" : "Save+LoadScreen_") + kPictureNumbers[k - 1] +
         ".jpg";
}

bool GameIsRunning() { return state::PlayerShip[ship::kAlive] > 0; }

SaveLoadScreen::SaveLoadScreen()
    : Form("SaveLoad"), slotNames_(GetNumbered<Edit>("SlotName", state::kLastSaveSlot)), buttons_(Buttons(*this)) {
  Bind("OnSaveClick", &SaveLoadScreen::OnSaveClick);
  Bind("OnLoadClick", &SaveLoadScreen::OnLoadClick);
  Bind("OnCloseClick", &SaveLoadScreen::OnCloseClick);
  Bind("OnSaveHover", [this](Sender s) { buttons_.Hover(2 * s.sender.Tag() - 1); });
  Bind("OnLoadHover", [this](Sender s) { buttons_.Hover(2 * s.sender.Tag()); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kSaveLoadCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
  // The rows share one layout block; each slot's buttons show their own pictures.
  buttons_.RestoreAll();
}

void SaveLoadScreen::ShowSaveSlotNames() {
  // The files on disk decide: a whole save whose slot the list still shows empty is shown.
  state::FindSavedSlots();
  for (int slot = state::kFirstSaveSlot; slot <= state::kLastSaveSlot; ++slot)
    slotNames_[static_cast<std::size_t>(slot - 1)]->SetText(state::SaveSlotNames[slot]);
}

void SaveLoadScreen::OnSaveClick(Sender sender) {
  audio::PlayButtonSound();
  const int slot = sender.sender.Tag();
  if (!IsSlot(slot)) return;
  // The tutorial's saving step points at the first slot.
  if (slot == 1) rules::FollowTutorial(rules_, rules::TutorialEvent::SavedIntoFirstSlot);
  if (GameIsRunning())
    SaveGame(slot);
  else
    popups::ShowText(state::kNoGameToSaveTopic, state::kNoGameToSaveText);
}

void SaveLoadScreen::SaveGame(int slot) {
  if (!popups::AskYesNo(state::kReallySaveTopic, state::kReallySaveText)) return;
  platform::Edit& name = *slotNames_[static_cast<std::size_t>(slot - 1)];
  const state::FileResult result = state::SaveGame(slot, name.Text());
  // The slot shows the name it was saved under (a blank one was given the pilot's and the date).
  if (state::SaveSlotNames[slot] == state::SaveSlotName(name.Text())) name.SetText(state::SaveSlotNames[slot]);
  popups::ShowText(result.topic, result.text);
}

bool SaveLoadScreen::LoadGame(int slot) {
  if (!popups::AskYesNo(state::kReallyLoadTopic, state::kReallyLoadText)) return false;
  const state::FileResult result = state::LoadGame(slot);
  popups::ShowText(result.topic, result.text);
  return result.ok;
}

void SaveLoadScreen::OnLoadClick(Sender sender) {
  audio::PlayButtonSound();
  const int slot = sender.sender.Tag();
  if (!IsSlot(slot)) return;
  if (state::SaveSlotUsed[slot] == 0) {
    popups::ShowText(state::kEmptySlotTopic, state::kEmptySlotText);
    return;
  }
  if (!LoadGame(slot)) return;
  // A loaded game is played without the tutorial, even when one was running; its panels go too.
  StopTutorial();
  state::DisplayedSystem = state::PlayerShip[ship::kSystem];
  state::SelectedBody = state::PlayerShip[ship::kBody];
  rules::AdvanceDay(rules_);
  rules_.RedrawSystem(true);
  Close();
}

void SaveLoadScreen::OnCloseClick() {
  audio::PlayButtonSound();
  rules::FollowTutorial(rules_, rules::TutorialEvent::SaveLoadClosed);
  if (TravelScreenShowing()) audio::PlayMinimizeSound();
  Close();
}

void OpenSaveLoad() {
  SaveLoadScreen& saveLoad = GameForm<SaveLoadScreen>();
  saveLoad.ShowSaveSlotNames();
  saveLoad.ShowModal();
}

}  // namespace screens
