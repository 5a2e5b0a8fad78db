// The data folder: where the save games and the general data live. It is a per-user, writable
// folder, never the folder the program is started from nor the one it is installed in:
// $FARHAVEN_DATA_DIR when set, else $XDG_DATA_HOME/farhaven, else ~/.local/share/farhaven. It is
// made on first use, readable by its owner alone. One running copy of the game holds it at a time.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "state/file_io.h"

namespace state {

// The environment variable that names the data folder outright (tests and scripts point it at a
// scratch folder of their own).
inline constexpr const char* kDataFolderVariable = "FARHAVEN_DATA_DIR";

// The data folder for the given values of $FARHAVEN_DATA_DIR, $XDG_DATA_HOME and $HOME (null or
// empty when unset). A relative $XDG_DATA_HOME is ignored, as the desktop's rules ask. Empty when
// no value names a folder: the game then keeps its files in the folder it was started from.
std::filesystem::path DataFolderFor(const char* dataDir, const char* xdgDataHome, const char* home);

// The data folder, from the environment as it stands. The file functions of the save games and the
// general data use it unless they are given a folder.
std::filesystem::path DataFolder();

// Makes `folder` and every missing folder above it, each readable by its owner alone. True when
// the folder is there afterwards (made now or before).
bool MakeDataFolder(const std::filesystem::path& folder);

// The lock that keeps a second running copy of the game away from a data folder: an advisory lock
// on the file "farhaven.lock" in it, held for as long as the object lives (the system drops it
// when the program dies).
enum class FolderLock {
  Held,           // this run holds the folder
  HeldElsewhere,  // another running copy holds it
  NotPossible,    // no lock file can be made (a read-only folder): nothing can be written there
};
inline constexpr const char* kLockFileName = "farhaven.lock";

class DataFolderLock {
 public:
  explicit DataFolderLock(const std::filesystem::path& folder);
  ~DataFolderLock();
  DataFolderLock(const DataFolderLock&) = delete;
  DataFolderLock& operator=(const DataFolderLock&) = delete;

  FolderLock state() const { return state_; }

 private:
  int fd_ = -1;
  FolderLock state_ = FolderLock::NotPossible;
};

// What a second copy says before it ends.
inline constexpr const char* kAlreadyRunningText =
    "Farhaven 4 is already running with this data folder.";

// The game's files that a folder of an earlier build holds beside the program: the general data
// and the save games ("GeneralData.int", "Savegame3.str", ...), by name, in a fixed order.
std::vector<std::string> GameFilesIn(const std::filesystem::path& folder, FileSystem& fs);

// Copies the game's files from `startFolder` into `dataFolder` when the data folder holds no
// general data yet while the start folder holds game files: each pair is written as a save is
// (whole, then renamed into place), the originals stay. The result says where the files are now
// (not ok only when a copy failed); an empty topic when nothing was to be copied.
FileResult CopyGameFilesFrom(const std::filesystem::path& startFolder,
                             const std::filesystem::path& dataFolder,
                             FileSystem& fs = RealFileSystem());

}  // namespace state
