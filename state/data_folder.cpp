#include "state/data_folder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "state/general_data.h"
#include "state/savegame.h"

namespace state {

namespace {

bool Set(const char* value) { return value != nullptr && *value != '\0'; }

// The largest game file copied from an earlier build's folder: far more than any layout holds, so
// a file is copied whole, and still a bound on what is read.
constexpr std::size_t kLargestCopiedFile = 64u << 20;

// The pairs a game folder holds, each as its two names.
std::vector<std::pair<std::string, std::string>> GameFilePairs() {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int slot = kFirstSaveSlot; slot <= kLastSaveSlot; ++slot)
    pairs.emplace_back(SaveGameIntName(slot), SaveGameTextName(slot));
  // The general data last: until it is in the data folder, a start that finds the copy cut short
  // copies again.
  pairs.emplace_back(kGeneralDataIntName, kGeneralDataTextName);
  return pairs;
}

// Whether the two folders are one, however they are named.
bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  const bool same = std::filesystem::equivalent(a.empty() ? "." : a, b.empty() ? "." : b, ec);
  return !ec && same;
}

// A folder as the player reads it: absolute, with the home folder written "~".
std::string ShownFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::string shown = std::filesystem::absolute(folder.empty() ? "." : folder, ec).lexically_normal().string();
  if (shown.size() > 1 && shown.ends_with('/')) shown.pop_back();
  const char* home = std::getenv("HOME");
  if (Set(home)) {
    std::string prefix = std::filesystem::path(home).lexically_normal().string();
    if (!prefix.ends_with('/')) prefix += '/';
    if (shown.starts_with(prefix)) return "~/" + shown.substr(prefix.size());
  }
  return shown;
}

}  // namespace

std::filesystem::path DataFolderFor(const char* dataDir, const char* xdgDataHome, const char* home) {
  if (Set(dataDir)) return dataDir;
  if (Set(xdgDataHome) && std::filesystem::path(xdgDataHome).is_absolute())
    return std::filesystem::path(xdgDataHome) / "farhaven";
  if (Set(home)) return std::filesystem::path(home) / ".local/share/farhaven";
  return {};
}

std::filesystem::path DataFolder() {
  return DataFolderFor(std::getenv(kDataFolderVariable), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

bool MakeDataFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return true;  // the start folder
  std::filesystem::path made;
  for (const std::filesystem::path& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

DataFolderLock::DataFolderLock(const std::filesystem::path& folder) {
  const std::filesystem::path file = (folder.empty() ? std::filesystem::path(".") : folder) / kLockFileName;
  // The descriptor stays open while the lock is held: closing it drops the lock.
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  // A folder that cannot be written may still hold the lock file of a copy that can.
  if (fd_ < 0) fd_ = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = FolderLock::Held;
    return;
  }
  if (errno == EWOULDBLOCK) state_ = FolderLock::HeldElsewhere;
  ::close(fd_);
  fd_ = -1;
}

DataFolderLock::~DataFolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

std::vector<std::string> GameFilesIn(const std::filesystem::path& folder, FileSystem& fs) {
  std::vector<std::string> files;
  for (const auto& [first, second] : GameFilePairs()) {
    for (const std::string& name : {first, second})
      if (fs.Exists(folder / name)) files.push_back(name);
  }
  return files;
}

FileResult CopyGameFilesFrom(const std::filesystem::path& startFolder,
                             const std::filesystem::path& dataFolder, FileSystem& fs) {
  if (SameFolder(startFolder, dataFolder)) return {true, {}, {}};
  if (fs.Exists(dataFolder / kGeneralDataIntName) || fs.Exists(dataFolder / kGeneralDataTextName))
    return {true, {}, {}};
  if (GameFilesIn(startFolder, fs).empty()) return {true, {}, {}};
  (void)MakeDataFolder(dataFolder);  // a failure shows as each copy's own

  const std::string from = ShownFolder(startFolder);
  const std::string to = ShownFolder(dataFolder);
  std::string failures;
  auto failed = [&failures](const std::string& file, const std::string& cause) {
    failures += (failures.empty() ? "" : "; ") + file + ": " + cause;
  };
  for (const auto& [first, second] : GameFilePairs()) {
    std::vector<std::uint8_t> bytes[2];
    std::vector<FileContent> copies;
    for (int k = 0; k < 2; ++k) {
      const std::string& name = k == 0 ? first : second;
      if (!fs.Exists(startFolder / name)) continue;
      const IoStatus read = fs.ReadAll(startFolder / name, bytes[k], kLargestCopiedFile);
      if (!read.ok) {
        failed(name, read.cause);
        continue;
      }
      copies.push_back({dataFolder / name, bytes[k]});
    }
    std::filesystem::path notWritten;
    IoStatus written;
    if (copies.size() == 2) {
      written = WriteFilePair(fs, copies[0], copies[1], notWritten);
    } else if (copies.size() == 1) {
      notWritten = copies[0].file;
      written = WriteWholeFile(fs, copies[0]);
    }
    if (!written.ok) failed(notWritten.filename().string(), written.cause);
  }
  if (!failures.empty()) {
    return {false, "Copy failed!",
            "Your savegames and settings could not all be copied from " + from + " to " + to +
                ", where the game keeps them now. " + failures +
                ". The files in " + from + " have been left as they were."};
  }
  return {true, "Savegames copied",
          "Your savegames and settings have been copied from " + from + " to " + to +
              ", where the game keeps them from now on. The files in " + from +
              " have been left as they were."};
}

}  // namespace state
