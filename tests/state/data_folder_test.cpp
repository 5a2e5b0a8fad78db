// The data folder: where it is, how it is made, the lock that keeps a second running copy away,
// and the copy of an earlier build's files from the folder the game was started from.
#include "state/data_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "save_test_support.h"
#include "state/general_data.h"
#include "state/savegame.h"

using namespace state;
using namespace save_test;

namespace {

TEST(DataFolder, ComesFromTheEnvironmentInItsOrder) {
  const struct {
    const char* dataDir;
    const char* xdgDataHome;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/tmp/mine", "/home/ann/.data", "/home/ann", "/tmp/mine"},
      {"relative/data", nullptr, "/home/ann", "relative/data"},
      {"", "/home/ann/.data", "/home/ann", "/home/ann/.data/farhaven"},
      {nullptr, "/home/ann/.data", "/home/ann", "/home/ann/.data/farhaven"},
      {nullptr, "", "/home/ann", "/home/ann/.local/share/farhaven"},
      {nullptr, "not/absolute", "/home/ann", "/home/ann/.local/share/farhaven"},
      {nullptr, nullptr, "/home/ann", "/home/ann/.local/share/farhaven"},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.dataDir ? c.dataDir : "-") + " " + (c.xdgDataHome ? c.xdgDataHome : "-") +
                 " " + (c.home ? c.home : "-"));
    EXPECT_EQ(DataFolderFor(c.dataDir, c.xdgDataHome, c.home), fs::path(c.expected));
  }
}

TEST(DataFolder, IsMadeWithEveryMissingFolderAboveItForItsOwnerAlone) {
  ScratchFolder scratch;
  const fs::path folder = scratch / "home/.local/share/farhaven";
  ASSERT_TRUE(MakeDataFolder(folder));
  for (const fs::path& made : {scratch / "home", scratch / "home/.local", scratch / "home/.local/share", folder}) {
    struct stat info {};
    ASSERT_EQ(::stat(made.c_str(), &info), 0) << made;
    EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
  }
  // A folder that is there already is taken as it is.
  ::chmod(folder.c_str(), 0755);
  EXPECT_TRUE(MakeDataFolder(folder));
  struct stat info {};
  ASSERT_EQ(::stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0755u);
  // A file in the folder's place is no folder.
  WriteFile(scratch / "file", {1});
  EXPECT_FALSE(MakeDataFolder(scratch / "file"));
}

TEST(DataFolder, OneHolderAtATime) {
  ScratchFolder folder;
  {
    const DataFolderLock first(folder.path());
    EXPECT_EQ(first.state(), FolderLock::Held);
    const DataFolderLock second(folder.path());
    EXPECT_EQ(second.state(), FolderLock::HeldElsewhere);
    ScratchFolder other("other");
    EXPECT_EQ(DataFolderLock(other.path()).state(), FolderLock::Held) << "another folder is free";
  }
  // Released with its holder.
  EXPECT_EQ(DataFolderLock(folder.path()).state(), FolderLock::Held);
  // Where no lock file can be made, there is nothing to hold.
  EXPECT_EQ(DataFolderLock(folder / "missing").state(), FolderLock::NotPossible);
  if (::geteuid() != 0) {  // permissions bind all but the superuser
    ScratchFolder readOnly("read-only");
    ::chmod(readOnly.path().c_str(), 0500);
    EXPECT_EQ(DataFolderLock(readOnly.path()).state(), FolderLock::NotPossible);
    ::chmod(readOnly.path().c_str(), 0700);
  }
}

// An earlier build's folder: all its game files, each of its own content.
std::map<std::string, Bytes> EarlierFiles(const std::vector<std::string>& names) {
  std::map<std::string, Bytes> files;
  std::uint8_t mark = 1;
  for (const std::string& name : names) files[name] = Bytes(100 + mark, mark), ++mark;
  return files;
}

TEST(DataFolder, TakesOverAnEarlierBuildsFilesOnceAndKeepsTheOriginals) {
  const std::vector<std::string> all = {"GeneralData.int", "GeneralData.str", "Savegame1.int",
                                        "Savegame1.str", "Savegame4.int", "Savegame4.str"};
  const struct {
    const char* what;
    std::vector<std::string> inStart;
    std::vector<std::string> inData;
    std::vector<std::string> copied;
  } cases[] = {
      {"the general data and two saves", all, {}, all},
      {"saves without general data", {"Savegame4.int", "Savegame4.str"}, {}, {"Savegame4.int", "Savegame4.str"}},
      {"half a pair is copied as it is", {"Savegame1.str"}, {}, {"Savegame1.str"}},
      {"a data folder in use is left alone", all, {"GeneralData.int", "GeneralData.str"}, {}},
      {"a data folder with saves alone still takes them", {"GeneralData.int", "GeneralData.str"},
       {"Savegame2.int"}, {"GeneralData.int", "GeneralData.str"}},
      {"a start folder without game files", {}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder start("start");
    ScratchFolder data("data");
    const auto files = EarlierFiles(all);
    for (const std::string& name : c.inStart) WriteFile(start / name, files.at(name));
    WriteFile(start / "notes.txt", {'x'});
    for (const std::string& name : c.inData) WriteFile(data / name, {9, 9});
    const auto dataBefore = data.Files();

    const FileResult result = CopyGameFilesFrom(start.path(), data.path());
    EXPECT_TRUE(result.ok) << result.text;
    if (c.copied.empty()) {
      EXPECT_EQ(result.topic, "");
      EXPECT_EQ(data.Files(), dataBefore);
    } else {
      EXPECT_EQ(result.topic, "Savegames copied");
      EXPECT_EQ(result.text, "Your savegames and settings have been copied from " + start.path().string() +
                                 " to " + data.path().string() +
                                 ", where the game keeps them from now on. The files in " +
                                 start.path().string() + " have been left as they were.");
      for (const std::string& name : c.copied) EXPECT_EQ(ReadFile(data / name), files.at(name)) << name;
      auto expected = dataBefore;
      expected.insert(expected.end(), c.copied.begin(), c.copied.end());
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(data.Files(), expected) << "nothing but the copies is left in the data folder";
    }
    for (const std::string& name : c.inStart) EXPECT_EQ(ReadFile(start / name), files.at(name)) << name;
    EXPECT_FALSE(fs::exists(data / "notes.txt"));
    // Once the general data is in the data folder (at the latest when the game ends), nothing is
    // copied again.
    if (std::count(c.copied.begin(), c.copied.end(), "GeneralData.int") == 1) {
      EXPECT_EQ(CopyGameFilesFrom(start.path(), data.path()).topic, "");
    }
  }
  // Folders in the player's home are written from "~".
  {
    ScratchFolder start("start");
    WriteFile(start / "Savegame1.int", {1});
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", start.path().parent_path().c_str(), 1);
    const FileResult result = CopyGameFilesFrom(start.path(), start / "data");
    ::setenv("HOME", home.c_str(), 1);
    const std::string name = start.path().filename().string();
    EXPECT_EQ(result.text, "Your savegames and settings have been copied from ~/" + name + " to ~/" + name +
                               "/data, where the game keeps them from now on. The files in ~/" + name +
                               " have been left as they were.");
  }
  // The start folder is the data folder: nothing to do.
  ScratchFolder both("both");
  WriteFile(both / "Savegame1.int", {1});
  EXPECT_EQ(CopyGameFilesFrom(both.path(), both.path()).topic, "");
}

TEST(DataFolder, ACopyThatFailsSaysSoAndLeavesNoHalfFile) {
  ScratchFolder start("start");
  ScratchFolder data("data");
  for (const char* name : {"GeneralData.int", "GeneralData.str", "Savegame2.int", "Savegame2.str"})
    WriteFile(start / name, Bytes(64, 7));
  FaultyFileSystem full(Fault::WriteHalfway, "Savegame2");
  const FileResult result = CopyGameFilesFrom(start.path(), data.path(), full);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.topic, "Copy failed!");
  EXPECT_NE(result.text.find("Savegame2.int: Disk full"), std::string::npos) << result.text;
  EXPECT_EQ(data.Files(), (std::vector<std::string>{"GeneralData.int", "GeneralData.str"}));
  EXPECT_EQ(start.Files().size(), 4u);
}

}  // namespace
