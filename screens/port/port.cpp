#include "screens/port/port.h"

#include "screens/screen_ui.h"

namespace screens {

void ToggleTradeWindow() { ScreenNotBuiltYet("TradeWindow"); }
void UpdateTradeWindow() { ScreenNotBuiltYet("UpdateTradePopup"); }
bool TradeWindowShowing() { return false; }

void OpenPirateHideout() { ScreenNotBuiltYet("PirateHideout"); }
bool PirateHideoutShowing() { return false; }

void OpenBank() { ScreenNotBuiltYet("Bank"); }
void OpenCrewHiring() { ScreenNotBuiltYet("CrewHiring"); }
void OpenBar() { ScreenNotBuiltYet("Bar"); }
void OpenGovernor() { ScreenNotBuiltYet("Governor"); }
void OpenEquipmentShop() { ScreenNotBuiltYet("EquipmentShop"); }
void OpenShipyard() { ScreenNotBuiltYet("Shipyard"); }
void OpenMissionBoard() { ScreenNotBuiltYet("MissionBoard"); }
void OpenCampaignScreen() { ScreenNotBuiltYet("CampaignScreen"); }

}  // namespace screens
