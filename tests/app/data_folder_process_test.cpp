// The real program and its data folder, as processes: a second copy started on a folder the first
// one holds says so and ends without writing anything while the first plays on and saves; a first
// save killed at any step shows, after a restart, what is on disk and loads.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "state/data_folder.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/new_world.h"
#include "state/save_test_support.h"
#include "state/savegame.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/running_program.h"

namespace {

namespace fs = std::filesystem;
using support::RunningProgram;

// A new Federation pilot, saved into slot 3 as "Voyage 3" from the travel screen's options, then
// back to the start screen and Exit.
constexpr const char* kNewGameSavedInSlot3 =
    "click Start.NewGameButton\n"
    "click FactionSelection.ContinueLabel\n"
    "key Enter\n"
    "click ProfessionSelection.ContinueButton\n"
    "answer continue\n"
    "expect TravelScreen.Visible true\n"
    "click TravelScreen.OptionsButton\n"
    "click TravelScreen.SaveGameLabel\n"
    "type SaveLoad.SlotName3 \"Voyage 3\"\n"
    "click SaveLoad.SaveButton3\n"
    "answer yes\n"
    "expect TextPopup.Topic.Caption \"Game saved!\"\n"
    "answer continue\n"
    "click SaveLoad.CloseLabel\n"
    "click TravelScreen.ExitToMenuLabel\n"
    "answer yes\n"
    "click Start.ExitButton\n";

// Every file of a folder with its bytes.
std::map<std::string, save_test::Bytes> Contents(const fs::path& folder) {
  std::map<std::string, save_test::Bytes> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = save_test::ReadFile(entry.path());
  return files;
}

class DataFolderProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    work = fs::path(::testing::TempDir()) /
           (std::string("data_folder_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(work);
    fs::create_directories(work / "first");
    fs::create_directories(work / "second");
  }
  void TearDown() override { state::SetGeneralDataDefaults(); }
  fs::path work;
  fs::path data() const { return work / "data"; }
};

TEST_F(DataFolderProcess, ASecondCopyEndsWithItsMessageAndTheFirstPlaysOnAndSaves) {
  // The first copy sits on the start screen until the test says go.
  RunningProgram first(work / "first", data(),
                       std::string("seed 11\nclick Start.WelcomeCloseButton\nprint \"ready\"\nawait \"go\"\n") +
                           kNewGameSavedInSlot3);
  ASSERT_TRUE(first.Ready());
  const auto before = Contents(data());
  ASSERT_TRUE(before.count(state::kLockFileName));

  // The second copy would start a game and save it into the same slot.
  RunningProgram second(work / "second", data(),
                        std::string("seed 12\nclick Start.WelcomeCloseButton\n") + kNewGameSavedInSlot3);
  const int status = second.WaitForEnd();
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(second.Errors(), "Farhaven 4 is already running with this data folder.\n");
  EXPECT_TRUE(Contents(data()) == before) << "the second copy wrote into the data folder";
  EXPECT_EQ(Contents(work / "second").size(), 2u) << "its script and its errors, nothing else";

  std::ofstream(work / "first" / "go") << "go\n";
  const int firstStatus = first.WaitForEnd();
  ASSERT_TRUE(WIFEXITED(firstStatus)) << firstStatus;
  EXPECT_EQ(WEXITSTATUS(firstStatus), 0) << first.Errors();

  // The next start finds the first copy's save in slot 3, and only its start counted.
  state::SetGeneralDataDefaults();
  ASSERT_TRUE(state::ReadGeneralData(data()).ok);
  EXPECT_EQ(state::StartCount, 1);
  EXPECT_EQ(state::SaveSlotUsed[3], 1);
  EXPECT_EQ(state::SaveSlotNames[3], "Voyage 3");
  RunningProgram next(work / "second", data(),
                      "click Start.WelcomeCloseButton\n"
                      "click Start.LoadButton\n"
                      "expect SaveLoad.SlotName3.Text \"Voyage 3\"\n"
                      "click SaveLoad.LoadButton3\n"
                      "answer yes\n"
                      "expect TextPopup.Topic.Caption \"Game loaded!\"\n"
                      "answer continue\n"
                      "expect TravelScreen.Visible true\n");
  const int nextStatus = next.WaitForEnd();
  ASSERT_TRUE(WIFEXITED(nextStatus)) << nextStatus;
  EXPECT_EQ(WEXITSTATUS(nextStatus), 0) << next.Errors();
}

TEST_F(DataFolderProcess, AFirstSaveKilledAtAnyStepShowsWhatIsOnDiskAfterARestartAndLoads) {
  // A new game as the program makes one, saved into the empty slot 1 by the same file code the
  // program runs, stopped dead before each of its file steps in turn; then the real program starts
  // on what is left. A commit record, or the whole new pair in place, means the save is on disk:
  // the slot must show used and load. Anything less must leave it empty, and the start must clear
  // away what the save left.
  state::ClearGameState();
  state::PlayerData[player::kProfession] = 1;
  state::PlayerData[player::kFaction] = 1;
  state::PlayerName = "Kira Vey";
  state::BuildNewWorld(state::StartShipClass(kProfessionTrader, kFactionFederation));
  state::FinishNewWorld();
  const fs::path folder = data();
  fs::create_directories(folder);
  save_test::ProbeFileSystem counting;
  (void)state::SaveGame(1, "New", folder, counting);
  const int steps = counting.steps();
  ASSERT_GT(steps, 10);

  std::set<std::vector<std::string>> tried;  // each state of the folder once
  int empties = 0, useds = 0;
  for (int crashAt = 0; crashAt < steps; ++crashAt) {
    SCOPED_TRACE("killed before step " + std::to_string(crashAt));
    fs::remove_all(folder);
    fs::create_directories(folder);
    save_test::ProbeFileSystem dying(crashAt);
    const std::int32_t slot1 = state::SaveSlotUsed[1];
    state::SaveSlotUsed[1] = 0;
    state::SaveSlotNames[1].clear();
    try {
      (void)state::SaveGame(1, "New", folder, dying);
    } catch (const save_test::SimulatedCrash&) {
    }
    state::SaveSlotUsed[1] = slot1;
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    if (!tried.insert(left).second) continue;

    const auto has = [&](const char* name) { return fs::exists(folder / name); };
    const bool onDisk = has("Savegame1.commit") || (has("Savegame1.int") && has("Savegame1.str"));
    std::string script = "click Start.WelcomeCloseButton\nclick Start.LoadButton\nclick SaveLoad.LoadButton1\n";
    script += onDisk ? "answer yes\nexpect TextPopup.Topic.Caption \"Game loaded!\"\n"
                     : "expect TextPopup.Topic.Caption \"Empty savegame slot!\"\n";
    RunningProgram restart(work / "first", folder, script);
    const int status = restart.WaitForEnd();
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << restart.Errors();

    std::set<std::string> after;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename();
      if (name.starts_with("Savegame")) after.insert(name);
    }
    if (onDisk) {
      EXPECT_EQ(after, (std::set<std::string>{"Savegame1.int", "Savegame1.str"}));
      ++useds;
    } else {
      EXPECT_TRUE(after.empty()) << "the empty slot left " << *after.begin();
      ++empties;
    }
  }
  EXPECT_GT(empties, 0);
  EXPECT_GT(useds, 0);
}

}  // namespace
