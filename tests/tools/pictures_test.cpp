// Drawing: the built-in font, label wrapping, lit twins, gauges, and the BMP writer read back by SDL.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/encode.h"
#include "tools/assetgen/painters.h"

namespace assetgen {
namespace {

constexpr Rgb kInk{255, 255, 255};

int CountInk(const Canvas& c) {
  int n = 0;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) n += c.At(x, y) == kInk;
  return n;
}

double Brightness(const Canvas& c) {
  double sum = 0;
  for (std::uint8_t v : c.pixels()) sum += v;
  return sum / c.pixels().size();
}

TEST(Font, DrawsGlyphPixelsAtScaleAndFoldsCase) {
  struct Case {
    const char* text;
    int scale;
    int pixels;
  } cases[] = {
      {"I", 1, 11},   // three across, five down, three across
      {"I", 2, 44},   // every pixel becomes 2x2
      {"-", 1, 5},
      {"II", 1, 22},
      {"_ ", 1, 0},   // underscore and space draw nothing
      {"~", 1, 20},   // unknown characters draw a hollow box
  };
  for (const Case& c : cases) {
    Canvas canvas(40, 20, Rgb{});
    DrawText(canvas, 1, 1, c.text, c.scale, kInk);
    EXPECT_EQ(CountInk(canvas), c.pixels) << c.text << " at " << c.scale;
  }
  Canvas lower(80, 10, Rgb{}), upper(80, 10, Rgb{});
  DrawText(lower, 0, 0, "farhaven 4", 1, kInk);
  DrawText(upper, 0, 0, "FARHAVEN 4", 1, kInk);
  EXPECT_EQ(lower.pixels(), upper.pixels());
  EXPECT_EQ(TextWidth("AB", 1), 11);
  EXPECT_EQ(TextWidth("AB", 2), 22);
}

TEST(Label, WrapsWordsBreaksLongOnesAndDropsWhatDoesNotFit) {
  struct Case {
    const char* text;
    int w, h;
    int lines;
  } cases[] = {
      {"Pirate Starwolf", 200, 40, 1},
      {"Pirate Starwolf", 50, 40, 2},    // 8 characters a line: one word each
      {"Pirate_Starwolf", 50, 40, 2},    // '_' separates words like a space
      {"ABCDEFGHIJKLMNOP", 50, 40, 2},   // one long word broken over two lines
      {"Pirate Starwolf", 50, 9, 1},     // room for one line only
      {"Pirate Starwolf", 50, 4, 0},
  };
  for (const Case& c : cases) {
    Canvas canvas(c.w, std::max(c.h, 1), Rgb{});
    EXPECT_EQ(DrawLabel(canvas, c.text, 0, 0, c.w, c.h, 1, kInk), c.lines) << c.text << " in " << c.w << "x" << c.h;
  }
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
    EXPECT_GT(lit, plain * 1.05) << c.plain << " vs " << c.brighter;
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
