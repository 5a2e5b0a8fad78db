// The ship sensors: the special ships near the player on a radar, the scan of the selected one,
// hailing it and attacking it. Opened from the travel screen's control panel (OpenSensors in
// navigation.h).
#pragma once

#include <vector>

#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/travel/sensors_view.h"

namespace screens {

// The sensor buttons, numbered as they light.
enum SensorButton : int {
  kSensorAttackButton = 1,
  kSensorCommunicateButton,
  kSensorBackButton,
};

// The radar sweeps this often, and at most this many times per opening.
inline constexpr int kSweepInterval = 4000;
inline constexpr int kSweepsPerOpening = 30;

class SensorsScreen : public platform::Form {
 public:
  SensorsScreen();

  // Selects the ship in slot 1..10 and shows its scan; nothing happens when it is selected already.
  void ShowShipInfo(int slot);
  // Forgets the selection (a new opening).
  void ClearSelection() { selected_ = 0; }
  // Shows, colours and labels the blips.
  void RefreshBlips();
  // Starts the sweep for a new opening.
  void StartSweep();

  void OnAttackClick();
  void OnCommunicateClick();
  void OnBackClick();

  int Selection() const { return selected_; }
  int Sweeps() const { return sweeps_; }
  int HoverButton() const { return buttons_.Lit(); }

 private:
  void OnSweep();

  PictureButtons buttons_;
  int selected_ = 0;  // the selected slot, 0 none; kept from opening to closing
  int sweeps_ = 0;
  ScreenUi rules_;
  std::vector<platform::Shape*> blips_ = GetNumbered<platform::Shape>("Blip", kSensorSlots);
  std::vector<platform::Label*> blipLabels_ = GetNumbered<platform::Label>("BlipLabel", kSensorSlots);
  platform::Label& line_ = Get<platform::Label>("ShipLine");
  platform::Label& description_ = Get<platform::Label>("Description");
  platform::Label& speciality_ = Get<platform::Label>("Speciality");
  platform::Image& picture_ = Get<platform::Image>("ShipPicture");
  platform::Timer& sweep_ = Get<platform::Timer>("SweepTimer");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

// The picture of sensor button k (1..3), lit or plain.
std::string SensorButtonPicture(int k, bool lit);

}  // namespace screens
