#include "screens/shared/doors.h"

#include "screens/port/mission_board.h"
#include "screens/port/trade_window.h"
#include "screens/shared/game_forms.h"

namespace screens {

void ToggleTradeWindow() {
  GameForm<TradeWindowScreen>().Toggle();
}
void UpdateTradeWindow() {
  GameForm<TradeWindowScreen>().Refresh();
}
bool TradeWindowShowing() { return GameForm<TradeWindowScreen>().Visible(); }
void HideTradeWindow() {
  GameForm<TradeWindowScreen>().HideWindow();
}
void BringTradeWindowToFront() {
  if (TradeWindowShowing()) GameForm<TradeWindowScreen>().BringToFront();
}

TradeWindowAside::TradeWindowAside() : aside_(TradeWindowShowing()) {
  // Only hidden, not closed: its place, its selection and its tutorial arrow stay as they are.
  if (aside_) GameForm<TradeWindowScreen>().Hide();
}

TradeWindowAside::~TradeWindowAside() {
  if (!aside_ || !(TravelScreenShowing() || PirateHideoutShowing())) return;
  TradeWindowScreen& tradeWindow = GameForm<TradeWindowScreen>();
  tradeWindow.Show();
  tradeWindow.Refresh();
  // The travel screen drew its prices for a hidden trade window meanwhile.
  UpdateTravelPriceLabels();
}

void RedrawMissionBoard() {
  GameForm<MissionBoardScreen>().BuildMissionList();
}

}  // namespace screens
