// A game folder that cannot be written: a read-only copy of a sound game starts without a false
// report, shows its slot names and loads its games; a save and the general data at the end fail
// with their messages and leave every file as it was.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "state/fields.h"
#include "state/general_data.h"
#include "state/savegame.h"
#include "state/variables.h"
#include "random_game.h"
#include "save_test_support.h"

namespace {

using namespace state;
using namespace save_test;

// The folder `source` seen through a second path that cannot be written: a read-only bind mount
// where the test may mount (as root, which ignores permissions), otherwise the folder itself
// without write permission.
class UnwritableView {
 public:
  UnwritableView(const fs::path& source, const fs::path& mountPoint) : source_(source) {
    if (::geteuid() == 0) {
      fs::create_directories(mountPoint);
      if (::mount(source.c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr) != 0) return;
      mounted_ = mountPoint;
      if (::mount(nullptr, mountPoint.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0) {
        path_ = mountPoint;
      }
      return;
    }
    if (::chmod(source.c_str(), 0555) == 0) path_ = source;
  }
  ~UnwritableView() {
    if (!mounted_.empty()) ::umount(mounted_.c_str());
    if (::geteuid() != 0) ::chmod(source_.c_str(), 0755);
  }
  // Empty when no unwritable view could be made here.
  const fs::path& path() const { return path_; }

 private:
  fs::path source_;
  fs::path mounted_;
  fs::path path_;
};

TEST(ReadOnlyFolder, ASoundGameLoadsAndWritingFailsWithNothingLost) {
  ScratchFolder folder("-game");
  ScratchFolder mountPoint("-view");
  SetGeneralDataDefaults();
  RandomGame(11);
  ASSERT_TRUE(SaveGame(3, "Moonrise", folder.path()).ok);
  const std::int32_t credits = PlayerData[player::kCredits];
  const std::vector<std::string> files = folder.Files();
  std::vector<Bytes> contents;
  for (const std::string& f : files) contents.push_back(ReadFile(folder / f));

  const UnwritableView view(folder.path(), mountPoint.path());
  if (view.path().empty()) GTEST_SKIP() << "no read-only view of a folder can be made here";

  SaveSlotNames[3].clear();
  SaveSlotUsed[3] = 0;
  const FileResult read = ReadGeneralData(view.path());
  EXPECT_TRUE(read.ok) << read.topic << ": " << read.text;
  EXPECT_EQ(SaveSlotNames[3], "Moonrise");
  EXPECT_EQ(SaveSlotUsed[3], 1);

  RandomGame(12);
  const FileResult loaded = LoadGame(3, view.path());
  EXPECT_TRUE(loaded.ok) << loaded.text;
  EXPECT_EQ(PlayerData[player::kCredits], credits);

  const FileResult saved = SaveGame(3, "Overwritten", view.path());
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.topic, "Save failed!");
  EXPECT_NE(saved.text.find("File access denied"), std::string::npos) << saved.text;
  ++StartCount;
  const FileResult atEnd = WriteGeneralData(view.path());
  EXPECT_FALSE(atEnd.ok);
  EXPECT_EQ(atEnd.topic, "Write error!");

  EXPECT_EQ(folder.Files(), files);
  for (std::size_t k = 0; k < files.size(); ++k) {
    EXPECT_EQ(ReadFile(folder / files[k]), contents[k]) << files[k];
  }
}

}  // namespace
