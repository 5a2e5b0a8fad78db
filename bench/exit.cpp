// Exit: from the click on the start screen's Exit to the end of the game, in the process (the
// general data written, the forms destroyed, the sound device closed), and the whole program as
// a process, from its start through that click to its end.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "app/start.h"
#include "platform/application.h"
#include "screens/shared/game_forms.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A working folder of its own, entered for the benchmark's time and made the game's data folder.
struct WorkFolder {
  fs::path home = fs::current_path();
  fs::path work;
  explicit WorkFolder(const char* name) : work(fs::temp_directory_path() / name) {
    fs::remove_all(work);
    fs::create_directories(work);
    fs::current_path(work);
    setenv("FARHAVEN_DATA_DIR", work.c_str(), 1);
  }
  ~WorkFolder() {
    fs::current_path(home);
    fs::remove_all(work);
  }
};

void UseDummyVideo() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("FARHAVEN_ASSETS", FARHAVEN_ASSET_DIR, 0);
}

void BM_ExitClickToGameEnd(benchmark::State& state) {
  UseDummyVideo();
  WorkFolder folder("farhaven_bench_exit");
  platform::Application& app = platform::App();
  for (auto _ : state) {
    Clock::time_point clicked;
    bool done = false;
    // The start screen's loop waits for the first time: press Exit.
    app.SetIdleHook([&] {
      if (done) return;
      done = true;
      screens::GameForm<app::StartScreen>().ShowWelcomePanel(false);
      const platform::Rect r =
          screens::GameForm<app::StartScreen>().Get<platform::Image>("ExitButton").ScreenRect();
      const int x = r.x + r.w / 2, y = r.y + r.h / 2;
      app.Post({platform::InputEvent::Move, platform::MouseButton::None, x, y, {}, {}});
      app.Post({platform::InputEvent::Down, platform::MouseButton::Left, x, y, {}, {}});
      app.Post({platform::InputEvent::Up, platform::MouseButton::Left, x, y, {}, {}});
      clicked = Clock::now();
    });
    app::RunGame();
    const double seconds = std::chrono::duration<double>(Clock::now() - clicked).count();
    state.SetIterationTime(seconds);
    app.SetIdleHook(nullptr);
    app.Reset();
    if (!done) state.SkipWithError("the start screen never waited for input");
  }
}
BENCHMARK(BM_ExitClickToGameEnd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Runs the program under the steps of a script file; true when it ended well.
bool RunProgram(const fs::path& script) {
  const std::string program = FARHAVEN_PROGRAM;
  const std::string steps = script.string();
  char* args[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--script"),
                  const_cast<char*>(steps.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, args, environ) != 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_WholeProcessStartToExit(benchmark::State& state) {
  UseDummyVideo();
  WorkFolder folder("farhaven_bench_exit_process");
  // Three starts first, so that the welcome panel of the first starts is gone from the start screen.
  const fs::path warmUp = folder.work / "warm_up.script";
  std::ofstream(warmUp) << "click Start.WelcomeCloseButton\nclick Start.ExitButton\n";
  for (int i = 0; i < 3; ++i) RunProgram(warmUp);
  const fs::path exit = folder.work / "exit.script";
  std::ofstream(exit) << "click Start.ExitButton\n";
  for (auto _ : state) {
    if (!RunProgram(exit)) {
      state.SkipWithError("the program failed");
      break;
    }
  }
}
BENCHMARK(BM_WholeProcessStartToExit)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
