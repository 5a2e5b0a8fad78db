// The ship combat screen's cost on the software renderer during its animations: the player's ship
// switching between its firing and its shield-hit pictures, each change drawn as the event loop
// draws it (the changed area only; budget 4 ms a frame), and the whole
// screen drawn afresh (budget 4 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/forms.h"
#include "combat/combat_ui.h"
#include "screens/combat/ship_combat_screen.h"
#include "platform/application.h"
#include "platform/pictures.h"
#include "rules/null_ui.h"
#include "rules/new_game.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/id.h"
#include "state/professions.h"
#include "state/random.h"
#include "state/variables.h"

namespace {

// A mercenary's corvette against a pirate corvette, the combat screen shown and drawn once.
struct FightShown {
  FightShown() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    app::CreateForms();
    state::Randomize(5);
    state::ClearGameState();
    state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
    state::PlayerData[player::kProfession] = state::Stored(kProfessionMercenary);
    rules::CreateNewGameWorld(state::kClassShadowcat, ui);
    screens::SetupShipCombatOnScreen(state::kClassShadowcat, kFactionPirates, kMilitaryShip, 0);
    screens::GameForm<screens::ShipCombatScreen>().Show();
    platform::App().RenderScreen();
  }
  ~FightShown() { app::DestroyForms(); }

  rules::NullUi ui;
};

void BM_CombatAnimationFrame(benchmark::State& state) {
  FightShown shown;
  combat::CombatUi& ui = screens::GameForm<screens::ShipCombatScreen>().Ui();
  bool firing = false;
  for (auto _ : state) {
    // One frame of a volley: the player's ship fires, or flashes under the enemy's answer.
    firing = !firing;
    ui.Animate(combat::Side::Player,
               firing ? combat::Animation::Firing : combat::Animation::ShieldHit);
    benchmark::DoNotOptimize(platform::App().RenderScreenArea(platform::App().DirtyArea()));
  }
  state.counters["budget_ms"] = 4;
}
BENCHMARK(BM_CombatAnimationFrame)->Unit(benchmark::kMillisecond);

void BM_CombatScreenFullRedraw(benchmark::State& state) {
  FightShown shown;
  for (auto _ : state) {
    platform::App().Invalidate();
    benchmark::DoNotOptimize(platform::App().RenderScreen());
  }
  state.counters["budget_ms"] = 4;
}
BENCHMARK(BM_CombatScreenFullRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
