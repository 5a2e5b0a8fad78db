// Start-up: a whole process of the game, from its start to the first frame of the start screen,
// and from there to its exit; a whole process started without a display, to its end; and, inside
// one process, creating every form, reading the general data, counting the start and running the
// start screen, up to the first frame drawn of the screen.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/forms.h"
#include "platform/application.h"
#include "platform/pictures.h"

namespace {

struct FirstFrameDrawn {};

void BM_StartUpToFirstFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("FARHAVEN_ASSETS", FARHAVEN_ASSET_DIR, 0);
  // A working and data folder without general data: a first start.
  const auto home = std::filesystem::current_path();
  const auto work = std::filesystem::temp_directory_path() / "farhaven_bench_startup";
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  std::filesystem::current_path(work);
  setenv("FARHAVEN_DATA_DIR", work.c_str(), 1);

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
// waits for input, that is after its first frame: the step prints a line, and the time the line
// arrives is the first frame's. The steps then run out and the game ends; `exit_ms` is the time
// from the line to the process's end. Under the dummy video driver unless the environment names
// another (a real X server shows the window's cost too). Wall time, each start after a pause.
void BM_ProcessStartToFirstFrame(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const auto work = std::filesystem::temp_directory_path() / "farhaven_bench_process";
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  const std::string script = (work / "first_frame.txt").string();
  std::ofstream(script) << "print drawn\n";
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(work);
  setenv("FARHAVEN_DATA_DIR", work.c_str(), 1);
  std::string program = FARHAVEN_PROGRAM, option = "--script";
  char* argv[] = {program.data(), option.data(), const_cast<char*>(script.c_str()), nullptr};
  std::vector<double> exits;
  for (auto _ : state) {
    int out[2];
    if (pipe(out) != 0) {
      state.SkipWithError("no pipe");
      break;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto start = Clock::now();
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    // The first frame: the printed line.
    std::string line;
    char c = 0;
    while (spawned && read(out[0], &c, 1) == 1 && c != '\n') line += c;
    const auto drawn = Clock::now();
    close(out[0]);
    int status = 0;
    if (!spawned || line != "drawn" || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      state.SkipWithError("the game did not start and end cleanly");
      break;
    }
    exits.push_back(std::chrono::duration<double, std::milli>(Clock::now() - drawn).count());
    state.SetIterationTime(std::chrono::duration<double>(drawn - start).count());
    // A pause, untimed, as between a player's starts: right after a game ends, the display
    // server and the system are still clearing it away, and a start at once is slower.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  state.counters["budget_ms"] = 150;
  if (!exits.empty()) {
    std::sort(exits.begin(), exits.end());
    state.counters["exit_ms"] = exits[exits.size() / 2];
  }
  std::filesystem::current_path(home);
  std::filesystem::remove_all(work);
}
BENCHMARK(BM_ProcessStartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// The game started where there is no display (DISPLAY, WAYLAND_DISPLAY and SDL_VIDEODRIVER unset,
// as over SSH): from its start to its end, after the one line that says so (1 s). Wall time.
void BM_ProcessWithoutDisplay(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  std::vector<std::string> kept;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "SDL_VIDEODRIVER") kept.push_back(entry);
  }
  kept.push_back("SDL_AUDIODRIVER=dummy");
  std::vector<char*> env;
  for (std::string& entry : kept) env.push_back(entry.data());
  env.push_back(nullptr);
  std::string program = FARHAVEN_PROGRAM;
  char* argv[] = {program.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    const auto start = Clock::now();
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, env.data()) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 1) {
      state.SkipWithError("the game without a display did not end with its failure status");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  posix_spawn_file_actions_destroy(&actions);
  state.counters["budget_ms"] = 1000;
}
BENCHMARK(BM_ProcessWithoutDisplay)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
