#include "screens/career/name_selection.h"
#include "rules/tutorial.h"
#include "screens/tutorial/tutorial.h"

#include "audio/sound.h"
#include "state/fields.h"
#include "state/professions.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

std::string ChosenPlayerName(std::string_view editText) {
  if (editText.empty() || editText == kNamePlaceholder) return "Incognito";
  return std::string(editText);
}

std::string PortraitPicture(std::int32_t portrait) {
  if (portrait < 0 || portrait >= kPortraits) return {};
  return "hero" + std::to_string(portrait + 1) + "_20y.jpg";
}

std::int32_t StepPortrait(std::int32_t portrait, int step) {
  return ((portrait + step) % kPortraits + kPortraits) % kPortraits;
}

NameSelectionScreen::NameSelectionScreen()
    : Form("NameSelection"),
      buttons_({{Get<Image>("PreviousButton"), "psp_08.jpg", "psp_08_highlighted.jpg"},
                {Get<Image>("NextButton"), "psp_09.jpg", "psp_09_highlighted.jpg"},
                {Get<Image>("ContinueButton"), "psp_11.jpg", "psp_11_highlighted.jpg"}}) {
  Bind("OnPreviousClick", &NameSelectionScreen::OnPreviousClick);
  Bind("OnNextClick", &NameSelectionScreen::OnNextClick);
  Bind("OnContinueClick", &NameSelectionScreen::OnContinueClick);
  Bind("OnNameEditClick", [](Sender) { audio::PlayButtonSound(); });
  Bind("OnPreviousHover", [this](Sender) { buttons_.Hover(1); });
  Bind("OnNextHover", [this](Sender) { buttons_.Hover(2); });
  Bind("OnContinueHover", [this](Sender) { buttons_.Hover(3); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void NameSelectionScreen::ShowSelectNamePortrait() {
  const std::string picture = PortraitPicture(state::PlayerData[player::kPortrait]);
  if (!picture.empty()) portrait_.LoadPicture(picture);
}

void NameSelectionScreen::StepAndShow(int step) {
  audio::PlayButtonSound();
  auto& portrait = state::PlayerData[player::kPortrait];
  portrait = StepPortrait(portrait, step);
  ShowSelectNamePortrait();
}

void NameSelectionScreen::OnPreviousClick() { StepAndShow(-1); }
void NameSelectionScreen::OnNextClick() { StepAndShow(+1); }

void NameSelectionScreen::OnContinueClick() {
  audio::PlayButtonSound();
  buttons_.RestoreAll();
  state::PlayerName = ChosenPlayerName(nameEdit_.Text());
  state::PlayerData[player::kProfession] = state::Stored(kProfessionTrader);
  FollowTutorial(rules::TutorialEvent::NameChosen);
  Close();
}

}  // namespace screens
