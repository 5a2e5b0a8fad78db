// The window: what is drawn and where the mouse lands go through one mapping, windowed, full
// screen and resized; the window's own mouse events reach the control drawn under them.
#include "platform_fixture.h"

#include "platform/canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace platform_test {
namespace {

constexpr Color kCornerColour = Rgb(255, 0, 0);
constexpr Color kButtonColour = Rgb(0, 0, 255);

// A full-screen form: a marker in the top-left corner and a button near the bottom-right one, so
// a picture or a mouse shifted or scaled wrongly misses one of them.
constexpr const char* kLayout = R"(
form W : TW  width 1280 height 720 color black
  shape Corner  left 0 top 0 width 120 height 60  brush #ff0000 pen #ff0000  OnClick CornerClick
  shape Button  left 1100 top 620 width 140 height 60  brush #0000ff pen #0000ff  OnClick ButtonClick
)";

class Window : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    form = std::make_unique<LoggingForm>("W", kLayout, log);
    form->Show();
    App().SetPresenting(true);
    Settle();
    ASSERT_NE(App().WindowId(), 0u) << "no window under the dummy video driver";
  }
  void TearDown() override {
    if (App().Fullscreen()) App().ToggleFullscreen();
    App().ResizeWindow(921, 518);
    Settle();
    App().SetPresenting(false);
    form.reset();
    PlatformTest::TearDown();
  }
  static void Settle() {
    App().ProcessMessages();
    App().Invalidate();
    App().ProcessMessages();
  }
  // The colour the window shows at a window point.
  static Color Shown(int wx, int wy) {
    SDL_Window* window = SDL_GetWindowFromID(App().WindowId());
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    int ww = 0, wh = 0;
    SDL_GetWindowSize(window, &ww, &wh);
    return PixelAt(surface, wx * surface->w / ww, wy * surface->h / wh);
  }
  static void PushButton(Uint32 type, int wx, int wy) {
    SDL_Event ev{};
    ev.type = type;
    ev.button.windowID = App().WindowId();
    ev.button.button = SDL_BUTTON_LEFT;
    ev.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    ev.button.clicks = 1;
    ev.button.x = wx;
    ev.button.y = wy;
    SDL_PushEvent(&ev);
  }
  // For each component: the window point where its middle and its corners are mapped shows its
  // colour, and a click of the window's mouse there reaches it.
  void ExpectDrawingAndMouseAgree() {
    struct Target {
      const char* name;
      Color colour;
    };
    for (const Target& t : {Target{"Corner", kCornerColour}, Target{"Button", kButtonColour}}) {
      SCOPED_TRACE(t.name);
      const Rect r = form->Get<Shape>(t.name).ScreenRect();
      const std::pair<int, int> points[] = {{r.x + r.w / 2, r.y + r.h / 2},
                                            {r.x + 4, r.y + 4},
                                            {r.x + r.w - 5, r.y + r.h - 5}};
      for (auto [x, y] : points) {
        int wx = 0, wy = 0;
        ASSERT_TRUE(App().LogicalToWindow(x, y, wx, wy));
        EXPECT_EQ(Shown(wx, wy), t.colour) << "logical " << x << "," << y;
        log.clear();
        PushButton(SDL_MOUSEBUTTONDOWN, wx, wy);
        PushButton(SDL_MOUSEBUTTONUP, wx, wy);
        App().ProcessMessages();
        EXPECT_EQ(log, std::vector<std::string>{std::string(t.name) + ":" + t.name + "Click"});
      }
    }
  }

  std::vector<std::string> log;
  std::unique_ptr<LoggingForm> form;
};

TEST_F(Window, ThePictureAndTheMouseAgreeInEveryWindowState) {
  {
    SCOPED_TRACE("windowed");
    ExpectDrawingAndMouseAgree();
  }
  App().PressKey(Key::F11);
  Settle();
  EXPECT_TRUE(App().Fullscreen());
  {
    SCOPED_TRACE("full screen");
    ExpectDrawingAndMouseAgree();
  }
  App().PressKey(Key::F11);
  Settle();
  EXPECT_FALSE(App().Fullscreen());
  {
    SCOPED_TRACE("windowed again");
    ExpectDrawingAndMouseAgree();
  }
  const std::pair<int, int> sizes[] = {{1000, 400}, {500, 700}, {1280, 720}};
  for (auto [w, h] : sizes) {
    SCOPED_TRACE("resized to " + std::to_string(w) + "x" + std::to_string(h));
    ASSERT_TRUE(App().ResizeWindow(w, h));
    Settle();
    ExpectDrawingAndMouseAgree();
  }
}

TEST_F(Window, PointsOnTheBarsBesideThePictureMapOffTheScreen) {
  ASSERT_TRUE(App().ResizeWindow(1000, 300));  // wide: bars left and right
  Settle();
  int x = 0, y = 0;
  ASSERT_TRUE(App().WindowToLogical(2, 150, x, y));
  EXPECT_LT(x, 0);
  ASSERT_TRUE(App().WindowToLogical(997, 150, x, y));
  EXPECT_GE(x, kScreenWidth);
  EXPECT_EQ(Shown(2, 150), colors::Black);
}

// The brightest channel of a colour.
int Brightness(Color c) {
  return std::max({int(c.r), int(c.g), int(c.b)});
}

// The strokes of `area` on the logical screen: groups of touching pixels brighter than the ground.
std::vector<std::vector<std::pair<int, int>>> StrokesIn(SDL_Surface* screen, Rect area) {
  std::vector<std::vector<std::pair<int, int>>> strokes;
  std::vector<bool> seen(static_cast<std::size_t>(area.w * area.h));
  const auto ink = [&](int x, int y) { return Brightness(PixelAt(screen, x, y)) > 60; };
  for (int y = area.y; y < area.y + area.h; ++y)
    for (int x = area.x; x < area.x + area.w; ++x) {
      if (seen[static_cast<std::size_t>((y - area.y) * area.w + x - area.x)] || !ink(x, y)) continue;
      std::vector<std::pair<int, int>> stroke, todo{{x, y}};
      seen[static_cast<std::size_t>((y - area.y) * area.w + x - area.x)] = true;
      while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        stroke.emplace_back(px, py);
        for (auto [nx, ny] : {std::pair{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}}) {
          if (!area.Contains(nx, ny)) continue;
          auto at = static_cast<std::size_t>((ny - area.y) * area.w + nx - area.x);
          if (seen[at] || !ink(nx, ny)) continue;
          seen[at] = true;
          todo.emplace_back(nx, ny);
        }
      }
      strokes.push_back(std::move(stroke));
    }
  return strokes;
}

// A window smaller than the screen shows every stroke, however thin: a line one pixel wide, a
// hyphen, the dots of a colon, a period and a question mark, wherever they fall between the
// window's pixels (the strokes lie one pixel apart from each other's places across and down).
TEST_F(Window, ThinStrokesStayInAWindowSmallerThanTheScreen) {
  std::string layout = "form Strokes : TStrokes  width 1280 height 720 color black\n";
  for (int k = 0; k < 8; ++k) {
    const std::string n = std::to_string(k), x = std::to_string(100 + k * 140 + k);
    layout += "  shape Across" + n + " left " + x + " top " + std::to_string(100 + k) +
              " width 40 height 1 brush white pen white\n";
    layout += "  shape Down" + n + " left " + std::to_string(120 + k * 140 + k) + " top 140" +
              " width 1 height 40 brush white pen white\n";
    // The news lines' thin characters, each alone, so that nothing else lies beside its strokes.
    const char* characters[] = {"-", ":", "?", "."};
    for (int c = 0; c < 4; ++c)
      for (int column = 0; column < 4; ++column)
        layout += "  label Character" + n + std::to_string(c) + std::to_string(column) + " left " +
                  std::to_string(100 + k * 140 + column * 30 + column % 2 + k) + " top " +
                  std::to_string(200 + c * 100 + k + column / 2) + " caption \"" + characters[c] +
                  "\" font \"Arial\" 8 white transparent\n";
  }
  LoggingForm strokes("Strokes", layout, log);
  strokes.SetBounds(0, 0, kScreenWidth, kScreenHeight);
  strokes.Show();
  const std::pair<int, int> sizes[] = {{1000, 600}, {800, 450}, {1100, 700}};
  for (auto [w, h] : sizes) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    ASSERT_TRUE(App().ResizeWindow(w, h));
    Settle();
    SDL_Surface* screen = App().RenderScreen();
    int strokesSeen = 0;
    for (const auto& child : strokes.Children()) {
      for (const auto& stroke : StrokesIn(screen, child->ScreenRect())) {
        // The brightest pixel of the stroke, and the brightest the window shows where it lies.
        int logical = 0, shown = 0;
        for (auto [x, y] : stroke) {
          logical = std::max(logical, Brightness(PixelAt(screen, x, y)));
          int wx = 0, wy = 0;
          ASSERT_TRUE(App().LogicalToWindow(x, y, wx, wy));
          shown = std::max(shown, Brightness(Shown(wx, wy)));
        }
        ++strokesSeen;
        // A stroke dropped between two samples leaves the ground's black; one averaged in keeps at
        // least a share of its light as large as the part of a window pixel it covers.
        EXPECT_GE(shown * 10, logical) << child->Name() << ": the stroke at " << stroke.front().first
                                       << "," << stroke.front().second << " is gone";
      }
    }
    // The lines, the hyphens and the periods one stroke each, the colons and question marks two.
    EXPECT_EQ(strokesSeen, 8 * (2 + 4 * 6)) << "every line and character drawn";
  }
}

// The shrunk picture of a part is the same part of the whole picture shrunk (the screen sends
// only its changed area), in the window surface's own format or through a conversion, and a plain
// area keeps its exact colour.
TEST(DrawShrunk, APartMatchesTheWholeInEveryFormatAndPlainAreasKeepTheirColour) {
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32,
                                                       SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(screen, nullptr);
  SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 10, 20, 30));
  // A pattern left of x = 640, a plain colour right of it.
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < 640; ++x)
      static_cast<Uint32*>(screen->pixels)[y * kScreenWidth + x] =
          0xff000000u | Uint32((x * 7 + y * 3) % 256) << 16 | Uint32((x * y) % 256) << 8 | Uint32(y % 256);
  const Rect frame{3, 19, 1000, 562};
  const Rect part{200, 100, 137, 91};  // odd places and sizes, inside the pattern
  for (Uint32 format : {Uint32(SDL_PIXELFORMAT_RGB888), Uint32(SDL_PIXELFORMAT_ARGB8888),
                        Uint32(SDL_PIXELFORMAT_BGR888), Uint32(SDL_PIXELFORMAT_RGB565)}) {
    SCOPED_TRACE(SDL_GetPixelFormatName(format));
    const int bits = int(SDL_BITSPERPIXEL(format));
    SDL_Surface* whole = SDL_CreateRGBSurfaceWithFormat(0, 1006, 600, bits, format);
    SDL_Surface* parts = SDL_CreateRGBSurfaceWithFormat(0, 1006, 600, bits, format);
    ASSERT_NE(whole, nullptr);
    ASSERT_NE(parts, nullptr);
    DrawShrunk(screen, whole, frame, frame);
    DrawShrunk(screen, parts, frame, part);
    int differing = 0;
    for (int y = part.y; y < part.y + part.h; ++y)
      for (int x = part.x; x < part.x + part.w; ++x)
        if (!(PixelAt(whole, x, y) == PixelAt(parts, x, y))) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(PixelAt(parts, part.x - 1, part.y), Rgb(0, 0, 0)) << "nothing drawn beside the part";
    // Sixteen bits keep fewer shades: there the colour is whatever the format makes of it.
    Color plain = Rgb(10, 20, 30);
    if (bits == 16) {
      Uint8 r = 0, g = 0, b = 0;
      SDL_GetRGB(SDL_MapRGB(whole->format, 10, 20, 30), whole->format, &r, &g, &b);
      plain = Rgb(r, g, b);
    }
    EXPECT_EQ(PixelAt(whole, 900, 300), plain);
    SDL_FreeSurface(whole);
    SDL_FreeSurface(parts);
  }
  SDL_FreeSurface(screen);
}

}  // namespace
}  // namespace platform_test
