// Turns catalogue rows into file contents and writes the whole catalogue into a folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/encode.h"

namespace assetgen {

constexpr int kJpegQuality = 65;
constexpr float kOggQuality = 0.0f;  // about 64 kbit/s for stereo: plenty for placeholder tunes

// Checks every row's kind against the shapes and recipes before anything is drawn; a fault throws
// CatalogueError naming the source line.
void CheckCatalogue(const Catalogue& catalogue, std::string_view source);

// The bytes of one asset; the same row always gives the same bytes. When `texts` is given, it
// receives every text drawn on the picture.
Bytes Render(const Asset& asset, const Catalogue& catalogue, std::vector<std::string>* texts = nullptr);

struct GenerateReport {
  std::size_t files = 0;
  std::uint64_t bytes = 0;
  std::size_t removed = 0;
  std::map<std::string, std::vector<std::string>> lettering;  // file -> texts drawn, for pictures with any
};

// Writes every asset into `folder` (created when missing), spread over `threads` workers.
// Files whose bytes are already there are left untouched. Pictures and sounds left over from rows
// that are gone are removed, so a check for "is this file among the assets" never finds a stale one;
// other files are kept.
GenerateReport GenerateAll(const Catalogue& catalogue, const std::filesystem::path& folder, unsigned threads);

}  // namespace assetgen
