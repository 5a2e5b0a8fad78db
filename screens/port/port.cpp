#include "screens/port/port.h"

#include "screens/port/trade_window.h"
#include "screens/screen_ui.h"

namespace screens {

void ToggleTradeWindow() {
  if (TradeWindow) TradeWindow->Toggle();
}
void UpdateTradeWindow() {
  if (TradeWindow) TradeWindow->Refresh();
}
bool TradeWindowShowing() { return TradeWindow && TradeWindow->Visible(); }

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
