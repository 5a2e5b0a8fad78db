// The program ended from outside, as a process: killed outright at the high-score table, the new
// row is already on disk; sent SIGTERM during a game, it ends at once, writing the general data and
// saving no game.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "state/fields.h"
#include "state/general_data.h"
#include "state/variables.h"
#include "support/running_program.h"

namespace {

namespace fs = std::filesystem;
using support::RunningProgram;

// The program run under `steps` in `folder`, its data folder too; the steps end by printing
// "ready" and handing the game to the real clock, so the program waits there for what the test
// does to it.
std::string UntilReady(const std::string& steps) { return steps + "print \"ready\"\nidle\n"; }

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
  RunningProgram program(folder, folder, UntilReady(std::string(kNewGameOnEarth) +
                                     "click TravelScreen.DockButton\n"
                                     "click PlanetScreen.BarLabel\n"
                                     "click Bar.RetireLabel\n"
                                     "answer yes\nanswer continue\nanswer continue\n"
                                     "click RetirementSummary.ContinueLabel\n"
                                     "answer continue\nanswer continue\n"
                                     "click CareerLadder.ContinueLabel\n"
                                     "expect HighScore.Visible true\n"
                                     "expect HighScore.ScoreSlot1.Caption \"1,938\"\n"));
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
  RunningProgram program(folder, folder, UntilReady(std::string(kNewGameOnEarth) +
                                     "click TravelScreen.DockButton\n"
                                     "expect PlanetScreen.Visible true\n"));
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
    EXPECT_TRUE(name == "GeneralData.int" || name == "GeneralData.str" || name == state::kLockFileName ||
                name == "steps.script" || name == "errors.txt")
        << name;
  }
}

}  // namespace
