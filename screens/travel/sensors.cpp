// The ship sensors.
#include "screens/travel/sensors.h"

#include "audio/sound.h"
#include "rules/sensor_attack.h"
#include "rules/sensor_scan.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/rows.h"
#include "screens/shared/doors.h"
#include "screens/tutorial/tutorial.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

constexpr const char* kButtonNames[] = {"AttackButton", "CommunicateButton", "BackButton"};
constexpr const char* kPictureNumbers[] = {"06", "07", "08"};

}  // namespace

std::string SensorButtonPicture(int k, bool lit) {
  if (k < kSensorAttackButton || k > kSensorBackButton) return {};
  return std::string("RadarScreen_") + kPictureNumbers[k - 1] + (lit ? "_ON.jpg" : ".jpg");
}

SensorsScreen::SensorsScreen() : Form("Sensors"), buttons_(NumberedPictureButtons(*this, kButtonNames, SensorButtonPicture)) {
  Bind("OnBlipPress", [this](Sender s) {
    audio::PlayButtonSound();
    ShowShipInfo(RowNumber(s.sender));
  });
  Bind("OnAttackClick", &SensorsScreen::OnAttackClick);
  Bind("OnCommunicateClick", &SensorsScreen::OnCommunicateClick);
  Bind("OnBackClick", &SensorsScreen::OnBackClick);
  Bind("OnAttackHover", [this](Sender) { buttons_.Hover(kSensorAttackButton); });
  Bind("OnCommunicateHover", [this](Sender) { buttons_.Hover(kSensorCommunicateButton); });
  Bind("OnBackHover", [this](Sender) { buttons_.Hover(kSensorBackButton); });
  Bind("OnSweep", &SensorsScreen::OnSweep);
  Bind("FormClose", [this](Sender) {
    sweep_.SetEnabled(false);
    selected_ = 0;
  });
}

void SensorsScreen::ShowShipInfo(int slot) {
  if (slot == selected_ || slot < 1 || slot > kSensorSlots) return;
  selected_ = slot;
  const SensorShipView view = DescribeSensorShip(slot);
  line_.SetCaption(view.line);
  description_.SetCaption(view.description);
  speciality_.SetCaption(view.speciality);
  picture_.LoadPicture(view.picture);
  RefreshBlips();
}

void SensorsScreen::RefreshBlips() {
  const auto blips = BuildSensorBlips(selected_);
  const bool labels = state::CompatibilityMode != 0;
  for (int k = 1; k <= kSensorSlots; ++k) {
    const SensorBlipView& blip = blips[k - 1];
    blips_[k - 1]->SetVisible(blip.shown);
    blipLabels_[k - 1]->SetVisible(blip.shown && labels);
    if (!blip.shown) continue;
    blips_[k - 1]->SetBrush(blip.colour);
    blipLabels_[k - 1]->SetCaption(blip.label);
  }
}

void SensorsScreen::StartSweep() {
  sweeps_ = 0;
  sweep_.SetEnabled(true);
}

void SensorsScreen::OnSweep() {
  sweep_.SetEnabled(false);
  if (++sweeps_ >= kSweepsPerOpening) return;
  audio::PlayRadarSound();
  sweep_.SetEnabled(true);
}

void SensorsScreen::OnAttackClick() {
  sweep_.SetEnabled(false);
  audio::PlayButtonSound();
  const rules::SensorAttackOutcome outcome = rules::AttackSpecialShip(selected_, rules_);
  if (outcome == rules::SensorAttackOutcome::Declined) {
    sweep_.SetEnabled(true);
    return;
  }
  RefreshBlips();
  // The attack cost a day: the travel screen shows the new star date and news at once.
  state::DisplayedSystem = state::PlayerShip[ship::kSystem];
  rules_.RedrawSystem(false);
  Close();
}

void SensorsScreen::OnCommunicateClick() {
  audio::PlayButtonSound();
  if (selected_ == 0) return;
  const SensorHailView hail = BuildSensorHail(selected_);
  popups::ShowPicture("Communicating", hail.text, hail.picture);
}

void SensorsScreen::OnBackClick() {
  audio::PlayButtonSound();
  AdvanceTutorial(tutorial::Step::CloseSensors, tutorial::Step::OpenGalaxyMap);
  audio::PlayMinimizeSound();
  Close();
}

void OpenSensors() {
  const rules::SensorScan scan = rules::ScanWithSensors();
  if (scan.refused) {
    popups::ShowText(scan.topic, scan.text);
    return;
  }
  // Each ship in range is read in turn, so the last one stays selected.
  SensorsScreen& sensors = GameForm<SensorsScreen>();
  sensors.ClearSelection();
  for (int k : scan.ships) sensors.ShowShipInfo(k);
  AdvanceTutorial(tutorial::Step::OpenSensors, tutorial::Step::CloseSensors);
  audio::PlayMaximizeSound();
  sensors.StartSweep();
  sensors.ShowModal();
}

bool SensorsShowing() { return GameForm<SensorsScreen>().Visible(); }

int SensorSelection() { return GameForm<SensorsScreen>().Selection(); }

}  // namespace screens
