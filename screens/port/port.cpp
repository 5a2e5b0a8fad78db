#include "screens/port/port.h"

#include "screens/port/mission_board.h"
#include "screens/port/trade_window.h"
#include "screens/travel/travel_screen.h"

namespace screens {

void ToggleTradeWindow() {
  if (TradeWindow) TradeWindow->Toggle();
}
void UpdateTradeWindow() {
  if (TradeWindow) TradeWindow->Refresh();
}
bool TradeWindowShowing() { return TradeWindow && TradeWindow->Visible(); }
void HideTradeWindow() {
  if (TradeWindow) TradeWindow->HideWindow();
}
void BringTradeWindowToFront() {
  if (TradeWindowShowing()) TradeWindow->BringToFront();
}

TradeWindowAside::TradeWindowAside() : aside_(TradeWindowShowing()) {
  // Only hidden, not closed: its place, its selection and its tutorial arrow stay as they are.
  if (aside_) TradeWindow->Hide();
}

TradeWindowAside::~TradeWindowAside() {
  if (!aside_ || !TradeWindow || !(TravelScreenShowing() || PirateHideoutShowing())) return;
  TradeWindow->Show();
  TradeWindow->Refresh();
  // The travel screen drew its prices for a hidden trade window meanwhile.
  UpdateTravelPriceLabels();
}

void RedrawMissionBoard() {
  if (MissionBoard) MissionBoard->BuildMissionList();
}

}  // namespace screens
