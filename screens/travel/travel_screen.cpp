#include "screens/travel/travel_screen.h"

#include "screens/screen_ui.h"

namespace screens {

void OpenTravelScreen() { ScreenNotBuiltYet("TravelScreen"); }

bool TravelScreenShowing() { return false; }

void RedrawTravelSystem(bool placeBodies) {
  (void)placeBodies;
  ScreenNotBuiltYet("RedrawSystem");
}

void UpdateTravelStatusBars() { ScreenNotBuiltYet("UpdateStatusBars"); }

void ShowTravelSpaceFinds() { ScreenNotBuiltYet("ShowSpaceFinds"); }

void CloseTravelScreenForGameOver() { ScreenNotBuiltYet("CloseTravelScreen"); }

bool MissionPanelShowing() { return false; }

void HideMissionPanel() { ScreenNotBuiltYet("HideMissionPanel"); }

void UpdateMissionPanel() { ScreenNotBuiltYet("UpdateMissionPanel"); }

void OpenMissions() { ScreenNotBuiltYet("OpenMissions"); }

}  // namespace screens
