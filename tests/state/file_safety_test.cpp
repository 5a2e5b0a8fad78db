// Save files under a crash at any moment and under hostile files in the game's folder: a save killed
// at any step loads as the whole old or the whole new game, a first save into an empty slot killed
// at any step leaves the slot empty or shows it used and loading, and pipes, links, devices, huge
// files and repeated damage are refused or survived without loss.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "random_game.h"
#include "save_test_support.h"
#include "state/general_data.h"
#include "state/savegame.h"
#include "state/variables.h"

using namespace state;
using namespace save_test;

namespace {

const std::vector<std::string> kWholeFolder = {"GeneralData.int", "GeneralData.str", "Savegame1.int",
                                               "Savegame1.str"};

// What a load finds after a killed save: the old game, the new one, or (a fault) neither.
enum class Found { Old, New, Mix };

class KilledSave : public ::testing::Test {
 protected:
  // A save stopped dead: what it is, the rename made to fail ("" for none), and whether the folder
  // lacks hard links.
  struct Case {
    const char* what;
    std::string failRename;
    bool noLinks = false;
  };

  void SetUp() override {
    SetGeneralDataDefaults();
    RandomGame(1);
    oldGame = Snapshot();
    ProbeFileSystem quiet;
    ASSERT_TRUE(SaveGame(1, "Old", saved.path(), quiet).ok);
    RandomGame(2);
    newGame = Snapshot();
    RandomGame(3);
    otherGame = Snapshot();
  }

  // Puts the game in memory without building it again.
  static void Put(const Snapshot& game) { ASSERT_TRUE(ApplySaveGameBytes(game.ints, game.texts).ok); }

  // Starts from the old game saved as "Old" (its general data included), then saves the new game
  // as "New" and stops dead before step `crashAt`; then starts again: reads the general data and
  // loads the slot, as the next run of the game does.
  Found SaveKilledAt(int crashAt, const std::string& failRename, bool noLinks) {
    for (const std::string& f : folder.Files()) fs::remove(folder / f);
    for (const std::string& f : saved.Files()) fs::copy_file(saved / f, folder / f);
    EXPECT_TRUE(ReadGeneralData(folder.path()).ok);
    Put(newGame);
    ProbeFileSystem dying(crashAt, failRename, noLinks);
    try {
      (void)SaveGame(1, "New", folder.path(), dying);
    } catch (const SimulatedCrash&) {
    }

    Put(otherGame);
    const FileResult general = ReadGeneralData(folder.path());
    EXPECT_TRUE(general.ok) << general.text;
    EXPECT_TRUE(SaveSlotNames[1] == "Old" || SaveSlotNames[1] == "New") << SaveSlotNames[1];
    const FileResult loaded = LoadGame(1, folder.path());
    EXPECT_TRUE(loaded.ok) << loaded.text;
    // Nothing of the interrupted save is left beside the pairs.
    EXPECT_EQ(folder.Files(), kWholeFolder);
    const Snapshot found;
    if (found == oldGame) return Found::Old;
    if (found == newGame) return Found::New;
    return Found::Mix;
  }

  // What a start finds after a first save into the empty slot 1 was killed: the slot empty with
  // nothing of the save on disk, the slot used with the new game, or (a fault) anything else.
  enum class FirstFound { Empty, Used, Fault };

  // Starts with general data that has no slot used and no save on disk, then saves the new game
  // as "New" into slot 1 and stops dead before step `crashAt`; then starts again: reads the
  // general data, checks the slots against the disk and loads slot 1 when it shows used.
  FirstFound FirstSaveKilledAt(int crashAt, const std::string& failRename, bool noLinks) {
    for (const std::string& f : folder.Files()) fs::remove(folder / f);
    SetGeneralDataDefaults();
    EXPECT_TRUE(WriteGeneralData(folder.path()).ok);
    Put(newGame);
    const std::string automaticName = SaveSlotName("");
    ProbeFileSystem dying(crashAt, failRename, noLinks);
    try {
      (void)SaveGame(1, "New", folder.path(), dying);
    } catch (const SimulatedCrash&) {
    }

    Put(otherGame);
    SetGeneralDataDefaults();
    const FileResult general = ReadGeneralData(folder.path());
    EXPECT_TRUE(general.ok) << general.text;
    FindSavedSlots(folder.path());
    if (SaveSlotUsed[1] == 0) {
      const std::vector<std::string> generalOnly = {"GeneralData.int", "GeneralData.str"};
      if (folder.Files() != generalOnly) return FirstFound::Fault;
      return FirstFound::Empty;
    }
    // The list names the save when it was written; a save it missed shows its automatic name.
    EXPECT_TRUE(SaveSlotNames[1] == "New" || SaveSlotNames[1] == automaticName) << SaveSlotNames[1];
    const FileResult loaded = LoadGame(1, folder.path());
    EXPECT_TRUE(loaded.ok) << loaded.text;
    EXPECT_EQ(folder.Files(), kWholeFolder);
    return Snapshot() == newGame ? FirstFound::Used : FirstFound::Fault;
  }

  ScratchFolder folder;
  ScratchFolder saved{"saved"};
  Snapshot oldGame;
  Snapshot newGame;
  Snapshot otherGame;
};

TEST_F(KilledSave, AtEveryFileStepLoadsAsTheWholeOldOrTheWholeNewGame) {
  // A save writes the slot's pair, then the general data's pair; each case stops it dead before
  // every one of its file steps in turn. When a rename fails with an error, the save undoes what
  // it did, and a crash while undoing must leave the old game too.
  const Case cases[] = {
      {"a save that succeeds", ""},
      {"the slot's second rename fails", "Savegame1.str"},
      {"the general data's second rename fails", "GeneralData.str"},
      {"the slot's second rename fails in a folder without hard links", "Savegame1.str", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProbeFileSystem counting(ProbeFileSystem::kNever, c.failRename, c.noLinks);
    Put(newGame);
    (void)SaveGame(1, "New", folder.path(), counting);
    const int steps = counting.steps();
    ASSERT_GT(steps, 20);
    int olds = 0;
    int news = 0;
    for (int crashAt = 0; crashAt < steps; ++crashAt) {
      const Found found = SaveKilledAt(crashAt, c.failRename, c.noLinks);
      ASSERT_NE(found, Found::Mix) << "killed before step " << crashAt << " of " << steps;
      (found == Found::Old ? olds : news) += 1;
    }
    // Killed early the old game stays, killed late the new one is there.
    EXPECT_GT(olds, 0);
    EXPECT_GT(news, 0);
  }
}

TEST_F(KilledSave, AFirstSaveKilledAtEveryFileStepLeavesTheSlotEmptyOrShowsItAndLoads) {
  // The first save into a slot: its pair is new, and the list of slots still calls the slot empty
  // until the general data is written, the last step. Stopped dead before each step, the next
  // start either finds nothing of it, or shows the slot used and loads the new game.
  const Case cases[] = {
      {"a save that succeeds", ""},
      {"the slot's second rename fails", "Savegame1.str"},
      {"the general data's second rename fails", "GeneralData.str"},
      {"a save in a folder without hard links", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::string& f : folder.Files()) fs::remove(folder / f);
    SetGeneralDataDefaults();
    ASSERT_TRUE(WriteGeneralData(folder.path()).ok);
    ProbeFileSystem counting(ProbeFileSystem::kNever, c.failRename, c.noLinks);
    Put(newGame);
    (void)SaveGame(1, "New", folder.path(), counting);
    const int steps = counting.steps();
    ASSERT_GT(steps, 10);
    int empties = 0;
    int useds = 0;
    for (int crashAt = 0; crashAt < steps; ++crashAt) {
      const FirstFound found = FirstSaveKilledAt(crashAt, c.failRename, c.noLinks);
      ASSERT_NE(found, FirstFound::Fault) << "killed before step " << crashAt << " of " << steps;
      (found == FirstFound::Empty ? empties : useds) += 1;
    }
    EXPECT_GT(empties, 0);
    EXPECT_GT(useds, 0);
  }
}

TEST_F(KilledSave, ARealWriterKilledAtRandomLeavesAWholeGame) {
  // A child process saves the two games by turns as fast as it can; it is killed at a random
  // moment, and what it leaves must load as one of them.
  Put(oldGame);
  ASSERT_TRUE(SaveGame(1, "Old", folder.path()).ok);
  std::mt19937 rng(2026);
  std::uniform_int_distribution<int> delayMicros(0, 60000);
  for (int round = 0; round < 40; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0; n < 1000; ++n) {
        Put(n % 2 == 0 ? newGame : oldGame);
        (void)SaveGame(1, n % 2 == 0 ? "New" : "Old", folder.path());
      }
      ::_exit(0);
    }
    ::usleep(static_cast<useconds_t>(delayMicros(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);

    Put(otherGame);
    const FileResult general = ReadGeneralData(folder.path());
    ASSERT_TRUE(general.ok) << "round " << round << ": " << general.text;
    const FileResult loaded = LoadGame(1, folder.path());
    ASSERT_TRUE(loaded.ok) << "round " << round << ": " << loaded.text;
    const Snapshot found;
    ASSERT_TRUE(found == oldGame || found == newGame) << "round " << round << " loaded a mix";
    EXPECT_EQ(folder.Files(), kWholeFolder) << "round " << round;
  }
}

// What a hostile-file case does once its folder is prepared.
enum class Action { ReadGeneralData, WriteGeneralData, LoadSlot, SaveSlot };

TEST(HostileFiles, AreRefusedWithAMessageOrReplacedAndNothingElseIsTouched) {
  ScratchFolder folder;
  ScratchFolder outside("outside");  // another user's files, reached through links
  const fs::path victim = outside / "victim.txt";
  const Bytes victimBytes = {'m', 'i', 'n', 'e'};
  const std::vector<std::string> generalAside = {"GeneralData.int.bad", "GeneralData.str.bad",
                                                 "Savegame1.int", "Savegame1.str"};

  auto pipeAt = [&](const std::string& name) {
    fs::remove(folder / name);
    ASSERT_EQ(::mkfifo((folder / name).c_str(), 0600), 0);
  };
  auto linkAt = [&](const std::string& name, const fs::path& target) {
    fs::remove(folder / name);
    fs::create_symlink(target, folder / name);
  };
  struct Case {
    const char* what;
    std::function<void()> prepare;
    Action action;
    bool ok;
    std::string message;  // part of the popup text ("" when a success shows none)
    std::vector<std::string> files;
    std::function<void()> verify = [] {};
  };
  const Case cases[] = {
      {"a pipe at the general data", [&] { pipeAt("GeneralData.int"); }, Action::ReadGeneralData,
       false, "GeneralData.int: Not a regular file", generalAside},
      {"a pipe at a save file, loaded", [&] { pipeAt("Savegame1.int"); }, Action::LoadSlot, false,
       "Savegame1.int: Not a regular file. Nothing has been changed.", kWholeFolder},
      {"a pipe at a save file, saved over", [&] { pipeAt("Savegame1.str"); }, Action::SaveSlot,
       true, "successfully saved", kWholeFolder},
      {"a folder at a save file",
       [&] {
         fs::remove(folder / "Savegame1.str");
         fs::create_directory(folder / "Savegame1.str");
       },
       Action::LoadSlot, false, "Savegame1.str: Invalid filename", kWholeFolder},
      {"a link to /dev/zero at a save file, loaded", [&] { linkAt("Savegame1.int", "/dev/zero"); },
       Action::LoadSlot, false, "Savegame1.int: Not a regular file", kWholeFolder},
      {"a link to /dev/zero at a save file, saved over",
       [&] { linkAt("Savegame1.int", "/dev/zero"); }, Action::SaveSlot, true, "successfully saved",
       kWholeFolder},
      {"a link at a save file's temporary name", [&] { linkAt("Savegame1.str.tmp", victim); },
       Action::SaveSlot, true, "successfully saved", kWholeFolder},
      {"a link at the general data's temporary name",
       [&] { linkAt("GeneralData.int.tmp", victim); }, Action::WriteGeneralData, true, "",
       kWholeFolder},
      {"a dangling link at a temporary name",
       [&] { linkAt("Savegame1.int.tmp", outside / "nothing"); }, Action::SaveSlot, true,
       "successfully saved", kWholeFolder},
      {"a huge sparse general data file, written over",
       [&] {
         const int fd = ::open((folder / "GeneralData.int").c_str(), O_WRONLY | O_TRUNC);
         ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);
         ::close(fd);
       },
       Action::WriteGeneralData, true, "", kWholeFolder},
      {"a huge sparse general data file, read",
       [&] { fs::resize_file(folder / "GeneralData.int", std::uintmax_t{1} << 30); },
       Action::ReadGeneralData, true, "", kWholeFolder},
      {"a second damaged start",
       [&] {
         WriteFile(folder / "GeneralData.int.bad", {1, 2, 3});
         WriteFile(folder / "GeneralData.str.bad", {4, 5});
         WriteFile(folder / "GeneralData.int", {6});
       },
       Action::ReadGeneralData, false,
       "GeneralData.int: Read beyond end of file. The game starts with its default settings; what "
       "was there has been kept as GeneralData.int.bad2 and GeneralData.str.bad2.",
       {"GeneralData.int.bad", "GeneralData.int.bad2", "GeneralData.str.bad",
        "GeneralData.str.bad2", "Savegame1.int", "Savegame1.str"},
       [&] {
         EXPECT_EQ(ReadFile(folder / "GeneralData.int.bad"), (Bytes{1, 2, 3}));
         EXPECT_EQ(ReadFile(folder / "GeneralData.str.bad"), (Bytes{4, 5}));
         EXPECT_EQ(ReadFile(folder / "GeneralData.int.bad2"), Bytes{6});
       }},
  };

  // Nothing here may wait on a pipe: a hang ends the test program instead of the test run.
  ::alarm(120);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::string& f : folder.Files()) fs::remove_all(folder / f);
    WriteFile(victim, victimBytes);
    SetGeneralDataDefaults();
    RandomGame(4);
    ASSERT_TRUE(SaveGame(1, "Sound", folder.path()).ok);
    c.prepare();

    ProbeFileSystem probe;
    FileResult result;
    switch (c.action) {
      case Action::ReadGeneralData: result = ReadGeneralData(folder.path(), probe); break;
      case Action::WriteGeneralData: result = WriteGeneralData(folder.path(), probe); break;
      case Action::LoadSlot: result = LoadGame(1, folder.path(), probe); break;
      case Action::SaveSlot: result = SaveGame(1, "Again", folder.path(), probe); break;
    }
    EXPECT_EQ(result.ok, c.ok) << result.text;
    if (c.message.empty()) {
      EXPECT_EQ(result.text, "");
    } else {
      EXPECT_NE(result.text.find(c.message), std::string::npos) << result.text;
    }
    EXPECT_EQ(folder.Files(), c.files);
    c.verify();
    // Nothing is read beyond the largest layout, and what the links point to is untouched.
    EXPECT_LE(probe.largestRead(), kSaveGameTextBytes + 1);
    EXPECT_EQ(ReadFile(victim), victimBytes);
    EXPECT_EQ(outside.Files(), std::vector<std::string>{"victim.txt"});
    // A pair written over whatever was in the way is a whole, regular pair again.
    if (c.ok && c.action != Action::ReadGeneralData && c.action != Action::LoadSlot) {
      for (const std::string& f : c.files) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / f))) << f;
      }
      EXPECT_TRUE(LoadGame(1, folder.path()).ok);
      EXPECT_TRUE(ReadGeneralData(folder.path()).ok);
    }
  }
  ::alarm(0);
}

}  // namespace
