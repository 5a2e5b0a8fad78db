// Drawing: lit twins, captions' contrast, gauges, lettering only on logos and rungs, the contact sheets, and
// the BMP writer read back by SDL.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/encode.h"
#include "tools/assetgen/painters.h"
#include "tools/assetgen/sheet.h"

namespace assetgen {
namespace {

double Brightness(const Canvas& c) {
  double sum = 0;
  const auto pixels = c.pixels();
  for (std::uint8_t v : pixels) sum += v;
  return sum / pixels.size();
}

Asset Row(const char* file, const char* kind, int w, int h) {
  Asset a;
  a.file = file;
  a.kind = kind;
  a.width = w;
  a.height = h;
  a.label = "Label";
  return a;
}

TEST(Pictures, LitAndSelectedTwinsAreBrighterThanTheirPlainPicture) {
  Catalogue cat;
  struct Case {
    const char* plain;
    const char* brighter;
  } cases[] = {
      {"button", "button.lit"},       {"button", "button.on.lit"},  {"rung.dim", "rung.lit"},
      {"tab.off", "tab.over"},        {"hotspot.normal", "hotspot.mouseover"},
      {"hotspot", "hotspot.selected"}, {"ability.off", "ability.on"}, {"skill.off", "skill.over"},
      {"emblem", "emblem.MouseOver"}, {"mission", "mission.ON"},    {"equipment.dim", "equipment"},
      {"symbol.ship.left.off", "symbol.ship.left.on"},
  };
  for (const Case& c : cases) {
    double plain = Brightness(Paint(Row("a.jpg", c.plain, 120, 60), cat));
    double lit = Brightness(Paint(Row("a.jpg", c.brighter, 120, 60), cat));
    EXPECT_GT(lit, plain * 1.15) << c.plain << " vs " << c.brighter;  // visibly, not barely
  }
}

TEST(Pictures, BarsAndPipsShowTheirFill) {
  Catalogue cat;
  cat.colours.emplace("shield", Rgb{60, 165, 235});
  auto lit_pixels = [&](const std::string& kind) {
    Canvas c = Paint(Row("a.jpg", kind.c_str(), 150, 14), cat);
    int n = 0;
    for (int x = 0; x < c.width(); ++x) n += c.At(x, 7).b > 150;
    return n;
  };
  int previous = -1;
  for (int step = 0; step <= 25; ++step) {
    int n = lit_pixels("bar.shield.fill=" + std::to_string(step) + "/25");
    EXPECT_GE(n, previous) << step;
    previous = n;
  }
  EXPECT_EQ(lit_pixels("bar.shield.fill=0/25"), 0);
  EXPECT_GT(lit_pixels("bar.shield.fill=25/25"), 120);
  EXPECT_NEAR(lit_pixels("bar.shield.fill=1/2"), lit_pixels("bar.shield.fill=25/25") / 2, 8);

  auto bright = [&](int n) { return Brightness(Paint(Row("a.jpg", ("pips.of=8.n=" + std::to_string(n)).c_str(), 160, 20), cat)); };
  for (int n = 1; n <= 8; ++n) EXPECT_GT(bright(n), bright(n - 1)) << n;
}

TEST(Pictures, PaintingIsDeterministicAndVariesWithTheName) {
  Catalogue cat;
  Asset a = Row("news.jpg", "scene.hue=news", 215, 201), b = Row("GeneralMissionPic.jpg", "scene.hue=news", 215, 201);
  EXPECT_EQ(Paint(a, cat).pixels(), Paint(a, cat).pixels());
  EXPECT_NE(Paint(a, cat).pixels(), Paint(b, cat).pixels());  // stars and hills are seeded by the name
}

// White captions sit on the middle of buttons, tabs and rungs in every state: the brightest pixel
// there keeps a contrast of at least 4.5 : 1 with white.
TEST(Pictures, WhiteCaptionsStayReadableOnEveryButtonState) {
  Catalogue cat;
  cat.colours.emplace("Pirate_", Rgb{200, 55, 45});
  for (const char* shape : {"button", "tab", "rung", "button.Pirate_"})
    for (const char* state : {"", ".lit", ".on", ".on.lit", ".off", ".dim"})
      for (auto [w, h] : {std::pair{160, 40}, {297, 52}, {120, 32}, {300, 30}}) {
        std::string kind = std::string(shape) + state;
        Canvas c = Paint(Row("a.jpg", kind.c_str(), w, h), cat);
        double brightest = 0;
        for (int y = h * 3 / 10; y < h * 7 / 10; ++y)
          for (int x = w / 10; x < w * 9 / 10; ++x) brightest = std::max(brightest, Luminance(c.At(x, y)));
        EXPECT_GE(1.05 / (brightest + 0.05), 4.5) << kind << " at " << w << "x" << h;
      }
}

// The generator's record of lettering: only logos and the career ladder's rungs carry text, and
// nothing else draws any.
TEST(Pictures, OnlyLogosAndRungsCarryLettering) {
  Catalogue cat;
  cat.colours.emplace("blue", Rgb{60, 110, 225});
  struct Case {
    const char* kind;
    int w, h;
    bool lettered;
  } cases[] = {
      {"logo.blue", 100, 100, true},      {"button.lit", 297, 52, false},     {"frame", 262, 128, false},
      {"scene.news", 215, 201, false},    {"planet.earth", 197, 186, false},  {"ship.east.hull=Patton.fire=3", 280, 160, false},
      {"portrait.age=70", 110, 130, false}, {"emblem.on", 100, 100, false},   {"skill.over", 53, 53, false},
      {"blip.blue", 34, 28, false},       {"uniform.com", 300, 300, false},   {"deck.bridge", 160, 110, false},
  };
  for (const Case& c : cases) {
    Asset row = Row("a.jpg", c.kind, c.w, c.h);
    row.label = "Federation";
    Canvas canvas = Paint(row, cat);
    EXPECT_EQ(!canvas.texts().empty(), c.lettered) << c.kind;
    EXPECT_EQ(ShapeCarriesText(PictureStyle(row, cat).shape), c.lettered) << c.kind;
  }
  Asset rung = Row("RetireScreenON_04.jpg", "rung.dim", 300, 30);
  rung.label = "Rung 3";  // the ladder's third rung from the top
  EXPECT_EQ(Paint(rung, cat).texts().back(), "Governor");
  EXPECT_TRUE(ShapeCarriesText("rung"));
  Asset logo = Row("OuterRimLogo.jpg", "logo", 100, 100);
  logo.label = "OuterRim";
  EXPECT_EQ(Paint(logo, cat).texts(), std::vector<std::string>{"OUTER RIM"});
}

// The sheets: a picture family per file, written as PNG, each row on at most one sheet.
TEST(ContactSheets, WriteOnePngPerFamily) {
  Catalogue cat = ParseCatalogue(
      "Earth.jpg planet.earth 33x33 Earth\n"
      "Earthr.jpg planet.earth 197x186 Earth\n"
      "a.jpg button 120x32 A\n"
      "b.jpg button 120x32 B\n"  // the same look as a.jpg: shown once
      "hero1_20y.jpg portrait.age=20 110x130 Hero\n"
      "x.wav sfx.click 0.05s Click\n",
      "small.txt");
  EXPECT_EQ(SheetOf(cat.assets[0]), "planets");
  EXPECT_EQ(SheetOf(cat.assets[2]), "buttons");
  EXPECT_EQ(SheetOf(cat.assets[4]), "people");
  EXPECT_EQ(SheetOf(cat.assets[5]), "");
  auto folder = std::filesystem::temp_directory_path() / ("farhaven-sheets-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  auto written = WriteContactSheets(cat, folder);
  std::set<std::string> names;
  for (const auto& path : written) {
    names.insert(path.filename().string());
    char magic[4] = {};
    std::ifstream(path, std::ios::binary).read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG") << path;
  }
  EXPECT_EQ(names, (std::set<std::string>{"sheet-buttons.png", "sheet-people.png", "sheet-planets.png"}));
  std::filesystem::remove_all(folder);
}

// The BMP writer read back by SDL: size, rows top-down, and red/green/blue in the right channels.
TEST(Bmp, SdlReadsSizeOrientationAndChannels) {
  ASSERT_EQ(SDL_Init(0), 0) << SDL_GetError();
  for (int width : {1, 2, 3, 5, 64}) {  // every row padding 0..3
    Canvas canvas(width, 3, Rgb{0, 0, 0});
    canvas.Put(0, 0, Rgb{255, 0, 0});
    canvas.Put(width - 1, 2, Rgb{0, 0, 255});
    canvas.Put(width / 2, 1, Rgb{0, 200, 0});
    Bytes bmp = EncodeBmp(canvas);
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), int(bmp.size())), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, width);
    EXPECT_EQ(s->h, 3);
    ASSERT_EQ(SDL_LockSurface(s), 0);
    auto pixel = [&](int x, int y) {
      Uint32 value = 0;
      const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
      std::memcpy(&value, p, s->format->BytesPerPixel);
      Uint8 r, g, b;
      SDL_GetRGB(value, s->format, &r, &g, &b);
      return Rgb{r, g, b};
    };
    EXPECT_EQ(pixel(0, 0), (Rgb{255, 0, 0})) << width;
    EXPECT_EQ(pixel(width - 1, 2), (Rgb{0, 0, 255})) << width;
    EXPECT_EQ(pixel(width / 2, 1), (Rgb{0, 200, 0})) << width;
    if (width > 1) {
      EXPECT_EQ(pixel(width - 1, 0), (Rgb{0, 0, 0})) << width;
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
  }
  SDL_Quit();
}

}  // namespace
}  // namespace assetgen
