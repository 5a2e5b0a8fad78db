// Points the game's data folder at a test's own folder while the object lives, and back at the
// folder named before when it goes: what the game saves and reads then lands in that folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "state/data_folder.h"

namespace support {

class DataFolderAt {
 public:
  explicit DataFolderAt(const std::filesystem::path& folder) {
    if (const char* named = std::getenv(state::kDataFolderVariable)) before_ = named;
    ::setenv(state::kDataFolderVariable, folder.c_str(), 1);
  }
  ~DataFolderAt() {
    if (before_) {
      ::setenv(state::kDataFolderVariable, before_->c_str(), 1);
    } else {
      ::unsetenv(state::kDataFolderVariable);
    }
  }
  DataFolderAt(const DataFolderAt&) = delete;
  DataFolderAt& operator=(const DataFolderAt&) = delete;

 private:
  std::optional<std::string> before_;
};

}  // namespace support
