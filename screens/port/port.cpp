#include "screens/port/port.h"

#include "screens/port/mission_board.h"
#include "screens/port/trade_window.h"

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
void RedrawMissionBoard() {
  if (MissionBoard) MissionBoard->BuildMissionList();
}

}  // namespace screens
