// Contact sheets for reviewing the pictures: one PNG per family (planets, ships by faction, the
// shipyard's views, portraits, insignia, logos and tiles, icons, equipment, buttons, panels and
// scenes, gauges, map symbols), each picture as a thumbnail over its file name.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/catalogue.h"

namespace assetgen {

// The sheet a picture belongs on, or "" when the sheets leave it out (a near-twin of one shown).
std::string SheetOf(const Asset& asset);

// Writes "sheet-<family>.png" for every family into `folder`; returns the files written.
std::vector<std::filesystem::path> WriteContactSheets(const Catalogue& catalogue, const std::filesystem::path& folder);

}  // namespace assetgen
