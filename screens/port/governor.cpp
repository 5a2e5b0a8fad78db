// The governor.
#include "screens/port/governor.h"

#include <string>
#include <vector>

#include "audio/sound.h"
#include "rules/governor.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

// Picture numbers and images of the buttons 1..5.
constexpr const char* kPictureNumbers[] = {"05", "06", "07", "08", "10"};
constexpr const char* kButtonNames[] = {"MissionButton", "AmnestyButton", "ShipStatusButton",
                                        "PersonalStatusButton", "BackButton"};

}  // namespace

std::string GovernorButtonPicture(int k, bool lit) {
  if (k < kGovernorMissionButton || k > kGovernorBackButton) return {};
  return std::string("GovernorMenu_") + kPictureNumbers[k - 1] + (lit ? "H" : "") + ".jpg";
}

GovernorScreen::GovernorScreen()
    : Form("Governor"),
      buttons_(NumberedPictureButtons(*this, kButtonNames, GovernorButtonPicture)) {
  Bind("OnMissionClick", &GovernorScreen::OnMissionClick);
  Bind("OnAmnestyClick", &GovernorScreen::OnAmnestyClick);
  Bind("OnShipStatusClick", &GovernorScreen::OnShipStatusClick);
  Bind("OnPersonalStatusClick", &GovernorScreen::OnPersonalStatusClick);
  Bind("OnBackClick", &GovernorScreen::OnBackClick);
  // A lit button stays lit until the mouse moves onto another one.
  Bind("OnMissionHover", [this](Sender) { buttons_.Hover(kGovernorMissionButton); });
  Bind("OnAmnestyHover", [this](Sender) { buttons_.Hover(kGovernorAmnestyButton); });
  Bind("OnShipStatusHover", [this](Sender) { buttons_.Hover(kGovernorShipStatusButton); });
  Bind("OnPersonalStatusHover", [this](Sender) { buttons_.Hover(kGovernorPersonalStatusButton); });
  Bind("OnBackHover", [this](Sender) { buttons_.Hover(kGovernorBackButton); });
}

void GovernorScreen::Refresh() {
  const rules::GovernorView view = rules::BuildGovernorView();
  greeting_.SetCaption(view.greeting);
  criminalFlag_.SetCaption(view.criminalFlag);
  amnestyLabel_.SetEnabled(view.amnestyOffered);
  logo_.LoadPicture(view.logo);
}

void GovernorScreen::OnMissionClick() {
  audio::PlayButtonSound();
  OpenMissionBoard();
}

void GovernorScreen::OnAmnestyClick() {
  audio::PlayButtonSound();
  // The governor greets a fleet officer again, and the flag and the offer are gone.
  if (rules::AskForAmnesty(rules_)) Refresh();
}

void GovernorScreen::OnShipStatusClick() {
  audio::PlayButtonSound();
  ShowOwnShipStatus();
}

void GovernorScreen::OnPersonalStatusClick() {
  audio::PlayButtonSound();
  OpenPersonalStatus();
}

void GovernorScreen::OnBackClick() {
  audio::PlayButtonSound();
  Close();
}

void OpenGovernor() {
  GovernorScreen& governor = GameForm<GovernorScreen>();
  governor.Refresh();
  governor.ShowModal();
}

}  // namespace screens
