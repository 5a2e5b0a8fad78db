// The travel screen's cost on the software renderer: the whole 1280 x 720 screen drawn afresh with
// the travel screen and the trade window beside it (budget 4 ms), and one day of a flight, the
// daily turn and the day's encounter roll with the flight window counting down over the travel
// screen and the changed area drawn again (budget 5 ms).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/forms.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "rules/flight.h"
#include "rules/forwarding_ui.h"
#include "rules/new_game.h"
#include "screens/screen_ui.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/flight.h"
#include "screens/travel/travel_screen.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/id.h"
#include "state/professions.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

// The screens' own refreshers, but no popup, question or fight: a benchmark has nobody to answer
// them. A day's news, encounter or promotion is decided as in the game and then passes unseen.
class QuietScreenUi : public rules::ForwardingUi {
 public:
  QuietScreenUi() : ForwardingUi(screens_) {}
  void Message(rules::Popup, std::string_view, std::string_view, std::string_view) override {}
  void ShowNotice(std::string_view, std::string_view, std::string_view, std::string_view) override {}
  void ShowScoredNotice(std::string_view, std::string_view, std::string_view, std::string_view,
                        std::string_view) override {}
  void ShowEncounter(std::string_view, std::string_view, std::string_view,
                     std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return false; }
  bool Choose(std::string_view, std::string_view, std::string_view, std::string_view,
              std::string_view) override {
    return false;
  }
  void ShowPromotion(rules::PromotionAward, int) override {}
  void ChooseNewAbility(rules::AbilityChoice) override {}
  void RunShipCombat() override {}
  bool RunFleetBattle(Faction, std::int32_t) override { return false; }
  void StopFlight() override {}
  void CloseTravelScreen() override {}
  void OpenMissions() override {}
  void BeginTutorialStep(tutorial::Step) override {}

 private:
  screens::ScreenUi screens_;
};

// A new Federation trader's game at Earth, the travel screen shown with the trade window beside it
// and a good selected, so the prices stand under the planets too; drawn once.
struct TravelScreenShown {
  TravelScreenShown() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    app::CreateForms();
    state::Randomize(7);
    state::ClearGameState();
    state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
    state::PlayerData[player::kProfession] = state::Stored(kProfessionTrader);
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
    state::SelectedBody = state::PlayerShip[ship::kBody];
    state::SelectedGood = state::Stored(kGoodSynthetics);
    state::TradeQuantity = 10;
    screens::GameForm<screens::TravelScreenForm>().ShowSystem(true,
                                                              state::PlayerShip[ship::kSystem]);
    screens::GameForm<screens::TravelScreenForm>().Show();
    screens::ToggleTradeWindow();
    platform::App().RenderScreen();
  }
  ~TravelScreenShown() { app::DestroyForms(); }

  QuietScreenUi ui;
};

void BM_TravelScreenFullRedraw(benchmark::State& state) {
  TravelScreenShown shown;
  for (auto _ : state) {
    platform::App().Invalidate();
    benchmark::DoNotOptimize(platform::App().RenderScreen());
  }
  state.counters["budget_ms"] = 4;
}
BENCHMARK(BM_TravelScreenFullRedraw)->Unit(benchmark::kMillisecond);

// The same, with every component of both windows rewritten from the game state first, as after a
// load or a jump.
void BM_TravelScreenRefreshAndRedraw(benchmark::State& state) {
  TravelScreenShown shown;
  for (auto _ : state) {
    screens::GameForm<screens::TravelScreenForm>().ShowSystem(true,
                                                              state::PlayerShip[ship::kSystem]);
    platform::App().Invalidate();
    benchmark::DoNotOptimize(platform::App().RenderScreen());
  }
  state.counters["budget_ms"] = 4;
}
BENCHMARK(BM_TravelScreenRefreshAndRedraw)->Unit(benchmark::kMillisecond);

// One tick of the flight window toward Saturn: the daily turn and the encounter roll, the days left
// written, and the area that changed drawn again, as the event loop does after each tick. The
// flight never ends: its counter is filled up again before each day.
void BM_FlightTick(benchmark::State& state) {
  TravelScreenShown shown;
  state::SelectedBody = 6;
  screens::GameForm<screens::FlightScreen>()
      .Get<platform::Image>("ShipPicture")
      .LoadPicture(state::GetShipFactionImage(state::ShipClassOf(state::PlayerShip),
                                              Faction{state::PlayerShip[ship::kFaction]}) +
                   "_scene.jpg");
  screens::GameForm<screens::FlightScreen>().Show();
  auto& daysLeftLabel = screens::GameForm<screens::FlightScreen>().Get<platform::Label>("DaysLeft");
  platform::App().RenderScreen();
  for (auto _ : state) {
    std::int32_t daysLeft = 50;
    rules::FlightDay(daysLeft, shown.ui);
    daysLeftLabel.SetCaption(screens::DayCountWindow::DaysText(daysLeft));
    benchmark::DoNotOptimize(platform::App().RenderScreenArea(platform::App().DirtyArea()));
  }
  state.counters["budget_ms"] = 5;
}
BENCHMARK(BM_FlightTick)->Unit(benchmark::kMillisecond);

}  // namespace
