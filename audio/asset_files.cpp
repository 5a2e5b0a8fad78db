#include "audio/asset_files.h"

#include <cstdlib>
#include <system_error>
#include <utility>

namespace audio {

namespace {
std::string& ChosenFolder() {
  static std::string folder;
  return folder;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}
}  // namespace

void SetAssetFolder(std::string folder) { ChosenFolder() = std::move(folder); }

std::filesystem::path AssetFolder() {
  if (!ChosenFolder().empty()) return ChosenFolder();
  const char* folder = std::getenv("FARHAVEN_ASSETS");
  if (folder && *folder) return folder;
  return ".";
}

std::optional<std::filesystem::path> FindAssetFile(std::string_view name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of("/\\") != std::string_view::npos || name.find('\0') != std::string_view::npos)
    return std::nullopt;
  const std::filesystem::path folder = AssetFolder();
  std::error_code ec;
  std::filesystem::path exact = folder / std::filesystem::path(std::string(name));
  if (std::filesystem::is_regular_file(exact, ec)) return exact;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (SameIgnoringCase(candidate, name) && it->is_regular_file(ec)) return it->path();
  }
  return std::nullopt;
}

}  // namespace audio
