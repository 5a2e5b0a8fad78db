// The asset catalogue: one row per generated file, read from a small text format with compact
// expansion rules (see catalogue.txt for the syntax).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace assetgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Format { Jpeg, Bmp, Wav, Ogg };

struct Asset {
  std::string file;    // bare file name, e.g. "StartScreen_05.jpg"
  std::string kind;    // shape plus modifiers, e.g. "button.lit"
  int width = 0;       // pictures only
  int height = 0;
  double seconds = 0;  // sounds only
  std::string label;
  int line = 0;        // catalogue line the row came from
  Format format = Format::Jpeg;
  bool IsPicture() const { return format == Format::Jpeg || format == Format::Bmp; }
};

// Pictures of one family that may look alike although their rows differ, and why (an `alike` row):
// the files it names, or every picture of a shape ("shape:button").
struct AlikeGroup {
  std::vector<std::string> files;
  std::string shape;
  std::string why;
  int line = 0;
  bool Holds(const Asset& a, const Asset& b) const;
};

struct Catalogue {
  std::vector<Asset> assets;
  std::map<std::string, Rgb, std::less<>> colours;  // named colours, case-sensitive
  std::vector<AlikeGroup> alike;
  // Whether an `alike` row allows the two pictures to look alike.
  bool MayLookAlike(const Asset& a, const Asset& b) const {
    for (const AlikeGroup& g : alike)
      if (g.Holds(a, b)) return true;
    return false;
  }
  // Pictures that are plain plates (a flat panel, a frame piece), so a screen may draw them
  // stretched to any shape: file name -> why, from the `stretchable` rows.
  std::map<std::string, std::string, std::less<>> stretchable;
};

// A fault in the catalogue text, with "<source>:<line>: " in front of what is wrong.
class CatalogueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses and expands the catalogue; every error names the source and line. Rejects file names
// that differ only in letter case, since the game finds pictures without regard to case.
Catalogue ParseCatalogue(std::string_view text, std::string_view source);
// The format a file name's extension stands for; std::invalid_argument for any other extension.
Format FormatOf(std::string_view file);
Catalogue LoadCatalogue(const std::filesystem::path& path);

// Expands the brace groups of one pattern: "a{1..2}{x,y}" gives a1x a1y a2x a2y, with the value and
// position of each group for the $N / $#N references. Exposed for the tests.
struct Expansion {
  std::string text;
  std::vector<std::string> values;
  std::vector<int> positions;  // 1-based
};
std::vector<Expansion> ExpandPattern(std::string_view pattern,
                                     const std::map<std::string, std::vector<std::string>, std::less<>>& lists);

}  // namespace assetgen
