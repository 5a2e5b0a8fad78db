// Start-up, headless: creating every form, reading the general data, counting the start and
// running the start screen, up to the first frame drawn of the screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "app/forms.h"
#include "platform/application.h"
#include "platform/pictures.h"

namespace {

struct FirstFrameDrawn {};

void BM_StartUpToFirstFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("FARHAVEN_ASSETS", FARHAVEN_ASSET_DIR, 0);
  // A working folder without general data: a first start.
  const auto home = std::filesystem::current_path();
  const auto work = std::filesystem::temp_directory_path() / "farhaven_bench_startup";
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  std::filesystem::current_path(work);

  platform::ManualClock clock;
  platform::Application& app = platform::App();
  app.SetClock(&clock);
  for (auto _ : state) {
    platform::ClearPictureCache();  // every start decodes its pictures afresh
    app::CreateForms();
    // The start screen's loop waits for input for the first time: draw the screen and stop.
    app.SetIdleHook([&app] {
      benchmark::DoNotOptimize(app.RenderScreen());
      throw FirstFrameDrawn{};
    });
    try {
      app.Run();
    } catch (const FirstFrameDrawn&) {
    }
    app.SetIdleHook(nullptr);
    app::DestroyForms();
    app.Reset();
  }
  app.SetClock(nullptr);
  std::filesystem::current_path(home);
  std::filesystem::remove_all(work);
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
