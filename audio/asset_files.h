// Finding the game's sound files: bare names, looked up without regard to letter case in the asset
// folder (the one set with SetAssetFolder, else FARHAVEN_ASSETS when set, else the working folder).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace audio {

// Sets the folder the sounds come from; an empty folder goes back to FARHAVEN_ASSETS or the
// working folder. Main thread.
void SetAssetFolder(std::string folder);
std::filesystem::path AssetFolder();

// The file of that name in the asset folder, whatever its case; nothing when there is none or the
// name is not a bare file name.
std::optional<std::filesystem::path> FindAssetFile(std::string_view name);

}  // namespace audio
