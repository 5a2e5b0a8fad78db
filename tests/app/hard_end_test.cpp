// The program ended from outside, as a process: killed outright at the high-score table, the new
// row is already on disk; sent SIGTERM during a game, it ends at once, writing the general data and
// saving no game.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "state/fields.h"
#include "state/general_data.h"
#include "state/variables.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A new Federation pilot lands on Earth: the steps up to the travel screen and the planet.
constexpr const char* kNewGameOnEarth =
    "seed 5\n"
    "click Start.WelcomeCloseButton\n"
    "click Start.NewGameButton\n"
    "click FactionSelection.ContinueLabel\n"
    "click NameSelection.ContinueLabel\n"
    "click ProfessionSelection.ContinueButton\n"
    "answer continue\n"
    "expect TravelScreen.Visible true\n";

// The program, run under `steps` in `folder`; the steps end by printing "ready" and handing the
// game to the real clock, so the program waits there for what the test does to it.
class RunningProgram {
 public:
  RunningProgram(const fs::path& folder, const std::string& steps) {
    const fs::path script = folder / "steps.script";
    std::ofstream(script) << steps << "print \"ready\"\nidle\n";
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string program = FARHAVEN_PROGRAM, scriptPath = script.string();
    char* args[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--script"),
                    const_cast<char*>(scriptPath.c_str()), nullptr};
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, args, environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    out_ = out[0];
  }
  ~RunningProgram() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // Whether the program printed "ready" within a minute.
  bool Ready() {
    std::string seen;
    const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (pid_ > 0 && std::chrono::steady_clock::now() < until) {
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, 200) <= 0) continue;
      char buffer[256];
      const ssize_t n = read(out_, buffer, sizeof buffer);
      if (n <= 0) return false;
      seen.append(buffer, std::size_t(n));
      if (seen.find("ready\n") != std::string::npos) return true;
    }
    return false;
  }

  // Sends `signal` and waits for the end; the wait status, or -1 after a minute, which only a hang
  // takes (how soon the program ends is bench_exit's figure).
  int EndWith(int signal) {
    kill(pid_, signal);
    const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    int status = 0;
    while (std::chrono::steady_clock::now() < until) {
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = 0;
        return status;
      }
      usleep(20000);
    }
    return -1;
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
};

class HardEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             (std::string("hard_end_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { state::SetGeneralDataDefaults(); }
  fs::path folder;
};

TEST_F(HardEnd, AKillAtTheHighScoreTableKeepsTheNewRow) {
  RunningProgram program(folder, std::string(kNewGameOnEarth) +
                                     "click TravelScreen.DockButton\n"
                                     "click PlanetScreen.BarLabel\n"
                                     "click Bar.RetireLabel\n"
                                     "answer yes\nanswer continue\nanswer continue\n"
                                     "click RetirementSummary.ContinueLabel\n"
                                     "answer continue\nanswer continue\n"
                                     "click CareerLadder.ContinueLabel\n"
                                     "expect HighScore.Visible true\n"
                                     "expect HighScore.ScoreSlot1.Caption \"1,938\"\n");
  ASSERT_TRUE(program.Ready());
  const int status = program.EndWith(SIGKILL);
  ASSERT_TRUE(WIFSIGNALED(status)) << status;

  state::SetGeneralDataDefaults();
  const state::FileResult read = state::ReadGeneralData(folder);
  ASSERT_TRUE(read.ok) << read.text;
  EXPECT_EQ(state::HighscoreNames[1], "Incognito");
  EXPECT_EQ(state::HighscoreTable[1][highscore::kScore], 1938);
  EXPECT_EQ(state::HighscoreTable[2][highscore::kUsed], 0);
  EXPECT_EQ(state::StartCount, 1);
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_EQ(entry.path().extension() == ".tmp", false) << entry.path() << " left half-written";
}

TEST_F(HardEnd, SigtermDuringAGameEndsAtOnceWritingTheGeneralDataAndSavingNoGame) {
  RunningProgram program(folder, std::string(kNewGameOnEarth) +
                                     "click TravelScreen.DockButton\n"
                                     "expect PlanetScreen.Visible true\n");
  ASSERT_TRUE(program.Ready());
  const int status = program.EndWith(SIGTERM);
  ASSERT_TRUE(WIFEXITED(status)) << "ended at once, by itself: " << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);

  state::SetGeneralDataDefaults();
  const state::FileResult read = state::ReadGeneralData(folder);
  ASSERT_TRUE(read.ok) << read.text;
  EXPECT_EQ(state::StartCount, 1);
  for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(state::SaveSlotUsed[slot], 0);
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "GeneralData.int" || name == "GeneralData.str" || name == "steps.script")
        << name;
  }
}

}  // namespace
