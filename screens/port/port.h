// The port's services, opened from the planet screen's doors, and the trade window, the one screen
// that is not modal: it stays beside the travel screen and the pirate hideout.
#pragma once

namespace screens {

// The trade window: shown or hidden beside the travel screen, redrawn from the market.
void ToggleTradeWindow();
void UpdateTradeWindow();
bool TradeWindowShowing();
// Hides the trade window, as a new game or a load must not find it open.
void HideTradeWindow();
// Brings the trade window in front of the travel screen when it is showing.
void BringTradeWindowToFront();
// While a screen takes the travel screen's place (a fight, a fleet battle), the trade window is
// hidden with it, for as long as this lives. It comes back where it stood, redrawn, when the
// travel screen (or the pirate hideout) shows again, and stays hidden otherwise.
class TradeWindowAside {
 public:
  TradeWindowAside();
  ~TradeWindowAside();
  TradeWindowAside(const TradeWindowAside&) = delete;
  TradeWindowAside& operator=(const TradeWindowAside&) = delete;

 private:
  bool aside_ = false;
};
// Fills the mission board's tiles again from the offers of the ship's system.
void RedrawMissionBoard();

// The pirate hideout screen, modally.
void OpenPirateHideout();
bool PirateHideoutShowing();

// The services behind the planet screen's doors, each modally.
void OpenBank();
void OpenCrewHiring();
void OpenBar();
void OpenGovernor();
void OpenEquipmentShop();
// The equipment of the player's ship, to look at only (from the ship status sheet).
void OpenEquipmentView();
void OpenShipyard();
void OpenMissionBoard();
void OpenCampaignScreen();

}  // namespace screens
