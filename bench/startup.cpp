// Start-up: a whole process of the game, from its start through the first frame of the start screen
// to its exit; and, inside one process, creating every form, reading the general data, counting
// the start and running the start screen, up to the first frame drawn of the screen.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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

// The game started as a player starts it, under a script whose one step runs once the start screen
// waits for input, that is after its first frame; the step ends the script and with it the game.
// Under the dummy video driver unless the environment names another (a real X server shows the
// window's cost too). Wall time, the process's exit included.
void BM_ProcessStartToFirstFrameAndExit(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const auto work = std::filesystem::temp_directory_path() / "farhaven_bench_process";
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  const std::string script = (work / "first_frame.txt").string();
  std::ofstream(script) << "wait 0\n";
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(work);
  std::string program = FARHAVEN_PROGRAM, option = "--script";
  char* argv[] = {program.data(), option.data(), const_cast<char*>(script.c_str()), nullptr};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the game did not start and end cleanly");
      break;
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["budget_ms"] = 150;
  std::filesystem::current_path(home);
  std::filesystem::remove_all(work);
}
BENCHMARK(BM_ProcessStartToFirstFrameAndExit)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
