// The window: what is drawn and where the mouse lands go through one mapping, windowed, full
// screen and resized; the window's own mouse events reach the control drawn under them.
#include "platform_fixture.h"

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

}  // namespace
}  // namespace platform_test
