// Linked into every test and benchmark program: a program run by hand, outside ctest (which names a
// folder of its own for each test), keeps its save files and general data in a fresh folder of its
// own under the system's temporary folder, never in the user's data folder.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "state/data_folder.h"

namespace {

struct ScratchDataFolder {
  std::filesystem::path made;

  ScratchDataFolder() {
    const char* named = std::getenv(state::kDataFolderVariable);
    if (!named || !*named) {
      std::error_code ec;
      made = std::filesystem::temp_directory_path(ec) / ("farhaven-data-" + std::to_string(::getpid()));
      ::setenv(state::kDataFolderVariable, made.c_str(), 1);
    }
    (void)state::MakeDataFolder(state::DataFolder());
  }
  ~ScratchDataFolder() {
    std::error_code ignored;
    if (!made.empty()) std::filesystem::remove_all(made, ignored);
  }
};

const ScratchDataFolder scratchDataFolder;

}  // namespace
