// The spaceport bar and the pirate hideout.
#include "screens/port/bar.h"

#include <vector>

#include "audio/sound.h"
#include "rules/bar.h"
#include "screens/shared/doors.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"

namespace screens {

using platform::Sender;

namespace {

// The four buttons of each screen, in the order of their pictures.
constexpr const char* kBarButtonNames[] = {"DrinkButton", "HireButton", "RetireButton",
                                           "CloseButton"};
constexpr const char* kHideoutButtonNames[] = {"HideButton", "HireButton", "ContrabandButton",
                                               "CloseButton"};

}  // namespace

std::string BarButtonPicture(int k, bool lit) {
  if (k < kBarFirstButton || k > kBarCloseButton) return {};
  return std::string(lit ? "SpacePortBarScreenHIGHLIGHT_0" : "SpacePortBarScreen_0") +
         std::to_string(k + 3) + ".jpg";
}

BarScreen::BarScreen()
    : Form("Bar"),
      buttons_(NumberedPictureButtons(*this, kBarButtonNames, BarButtonPicture)) {
  Bind("OnDrinkClick", &BarScreen::OnDrinkClick);
  Bind("OnHireClick", &BarScreen::OnHireClick);
  Bind("OnRetireClick", &BarScreen::OnRetireClick);
  Bind("OnCloseClick", &BarScreen::OnCloseClick);
  Bind("OnDrinkHover", [this](Sender) { buttons_.Hover(kBarFirstButton); });
  Bind("OnHireHover", [this](Sender) { buttons_.Hover(kBarHireButton); });
  Bind("OnRetireHover", [this](Sender) { buttons_.Hover(kBarThirdButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kBarCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void BarScreen::OnDrinkClick() {
  audio::PlayButtonSound();
  rules::OrderDrink(rules_);
}

void BarScreen::OnHireClick() {
  audio::PlayButtonSound();
  OpenCrewHiring();
}

void BarScreen::OnRetireClick() {
  if (!popups::AskYesNo("Retire?",
                        "Do you really wish to retire? (The game would be over and the highscore "
                        "would be calculated)."))
    return;
  OpenRetirementSequence();
  // The retirement does not return to a running game: the bar closes on the way out.
  Close();
}

void BarScreen::OnCloseClick() {
  audio::PlayButtonSound();
  Close();
}

PirateHideoutScreen::PirateHideoutScreen()
    : Form("PirateHideout"),
      buttons_(NumberedPictureButtons(*this, kHideoutButtonNames, BarButtonPicture)) {
  Bind("OnHideClick", &PirateHideoutScreen::OnHideClick);
  Bind("OnHireClick", &PirateHideoutScreen::OnHireClick);
  Bind("OnContrabandClick", &PirateHideoutScreen::OnContrabandClick);
  Bind("OnCloseClick", &PirateHideoutScreen::OnCloseClick);
  Bind("OnHideHover", [this](Sender) { buttons_.Hover(kBarFirstButton); });
  Bind("OnHireHover", [this](Sender) { buttons_.Hover(kBarHireButton); });
  Bind("OnContrabandHover", [this](Sender) { buttons_.Hover(kBarThirdButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kBarCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void PirateHideoutScreen::OnHideClick() {
  audio::PlayButtonSound();
  rules::HideUntilFlagWearsOff(rules_);
}

void PirateHideoutScreen::OnHireClick() {
  audio::PlayButtonSound();
  OpenCrewHiring();
}

void PirateHideoutScreen::OnContrabandClick() {
  audio::PlayButtonSound();
  // The trade window opens beside the hideout and stays usable there.
  ToggleTradeWindow();
}

void PirateHideoutScreen::OnCloseClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  rules::LeaveHideout(rules_);
  Close();
}

void OpenBar() {
  GameForm<BarScreen>().ShowModal();
}

void OpenPirateHideout() {
  GameForm<PirateHideoutScreen>().ShowModal();
}

bool PirateHideoutShowing() { return GameForm<PirateHideoutScreen>().Visible(); }

}  // namespace screens
