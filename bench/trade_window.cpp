// The trade window's cost per click: a Buy or a Sell of one unit clicked with the mouse, the rows,
// the hold and the buttons rewritten, and the changed area of the screen drawn again.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/forms.h"
#include "platform/application.h"
#include "platform/pictures.h"
#include "screens/shared/doors.h"
#include "screens/port/trade_window.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/variables.h"

namespace {

constexpr int kSystem = 5;
constexpr int kPlanet = 3;

// A planet with a full market and a ship docked at it, with the window shown and drawn once.
struct OpenTradeWindow {
  OpenTradeWindow() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    app::CreateForms();
    state::ClearGameState();
    state::FillGoodTables();
    state::BodyData[kSystem][kPlanet][body::kVisible] = 1;
    state::BodyData[kSystem][kPlanet][body::kKind] = 2;
    for (int g = 1; g <= state::kLastGood; ++g) {
      state::MarketPrice[kSystem][kPlanet][g] = 50 * g;
      state::MarketStock[kSystem][kPlanet][g] = 5000;
    }
    state::BodyPricesKnown[kPlanet] = 1;
    state::PlayerShip[ship::kSystem] = kSystem;
    state::PlayerShip[ship::kBody] = kPlanet;
    state::PlayerShip[ship::kCargoSpace] = 500;
    state::PlayerData[player::kCredits] = 1000000;
    state::SelectedBody = kPlanet;
    state::SelectedGood = state::Stored(kGoodSynthetics);
    state::TradeQuantity = 1;
    screens::ToggleTradeWindow();
    platform::App().RenderScreen();
  }
  ~OpenTradeWindow() { app::DestroyForms(); }

  static void Click(const platform::Control& c) {
    const platform::Rect r = c.ScreenRect();
    const int x = r.x + r.w / 2, y = r.y + r.h / 2;
    platform::App().MouseMove(x, y);
    platform::App().MouseDown(platform::MouseButton::Left, x, y);
    platform::App().MouseUp(platform::MouseButton::Left, x, y);
  }
};

// Buy and Sell take turns, so the market and the hold stay as they were.
void BM_TradeWindowClickAndRedraw(benchmark::State& state) {
  OpenTradeWindow open;
  const auto& buy =
      screens::GameForm<screens::TradeWindowScreen>().Get<platform::Image>("BuyButton");
  const auto& sell =
      screens::GameForm<screens::TradeWindowScreen>().Get<platform::Image>("SellButton");
  bool buying = true;
  for (auto _ : state) {
    OpenTradeWindow::Click(buying ? buy : sell);
    buying = !buying;
    benchmark::DoNotOptimize(platform::App().RenderScreenArea(platform::App().DirtyArea()));
  }
}
BENCHMARK(BM_TradeWindowClickAndRedraw)->Unit(benchmark::kMicrosecond);

// The window's rows, hold and buttons rewritten from the game state, without drawing.
void BM_TradeWindowRefresh(benchmark::State& state) {
  OpenTradeWindow open;
  for (auto _ : state) screens::UpdateTradeWindow();
}
BENCHMARK(BM_TradeWindowRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
