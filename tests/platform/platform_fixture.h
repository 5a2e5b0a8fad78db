// Shared set-up for the form layer's tests: headless SDL, a manual clock, fresh input state, and
// forms built from layout text whose handlers write what happened into a log.
#pragma once

#include "platform/application.h"
#include "platform/form.h"
#include "platform/layout.h"
#include "platform/pictures.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform_test {

using namespace platform;

class PlatformTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  void SetUp() override {
    App().SetClock(&clock);
    App().Reset();
  }
  void TearDown() override {
    App().SetIdleHook(nullptr);
    App().SetClock(nullptr);
    App().Reset();
  }

  // Things to do, one per idle moment of whatever loop is running; running out is a test failure
  // that unwinds the loops.
  struct OutOfSteps {};
  void WhenIdle(std::vector<std::function<void()>> steps) {
    idle_ = std::deque<std::function<void()>>(steps.begin(), steps.end());
    App().SetIdleHook([this] {
      if (idle_.empty()) {
        ADD_FAILURE() << "a loop is still waiting and no step is left";
        throw OutOfSteps{};
      }
      auto step = std::move(idle_.front());
      idle_.pop_front();
      step();
    });
  }
  bool IdleStepsLeft() const { return !idle_.empty(); }

  static void MoveTo(int x, int y) { App().MouseMove(x, y); }
  static void Click(int x, int y, MouseButton b = MouseButton::Left) {
    App().MouseMove(x, y);
    App().MouseDown(b, x, y);
    App().MouseUp(b, x, y);
  }
  // The middle of a component on the screen.
  static std::pair<int, int> Centre(const Control& c) {
    const Rect r = c.ScreenRect();
    return {r.x + r.w / 2, r.y + r.h / 2};
  }
  static void ClickOn(const Control& c, MouseButton b = MouseButton::Left) {
    auto [x, y] = Centre(c);
    Click(x, y, b);
  }

  ManualClock clock;

 private:
  std::deque<std::function<void()>> idle_;
};

// A form from layout text; every handler name the layout uses logs "<sender>:<handler>".
class LoggingForm : public Form {
 public:
  LoggingForm(const std::string& name, std::string_view layoutText, std::vector<std::string>& log)
      : Form(name, ParseLayout(layoutText, name + ".layout")) {
    for (const std::string& h : LayoutHandlerNames(ParseLayout(layoutText, name + ".layout")))
      Bind(h, [&log, h](Sender s) { log.push_back(s.sender.Name() + ":" + h); });
  }
};

// A maker for CheckForm: builds an F, then binds or (with a null handler) unbinds the names given.
template <class F>
std::function<std::unique_ptr<Form>()> Rebound(std::vector<std::pair<std::string, Handler>> changes) {
  return [changes] {
    auto f = std::make_unique<F>();
    for (const auto& [name, handler] : changes) f->Bind(name, handler);
    return std::unique_ptr<Form>(std::move(f));
  };
}

// A fresh, empty folder under the test temporary directory.
inline std::filesystem::path FreshFolder(const std::string& name) {
  auto dir = std::filesystem::path(::testing::TempDir()) / ("farhaven_platform_" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// Writes a solid-colour JPEG (w x h) for the decoder and lookup tests.
bool WriteSolidJpeg(const std::string& path, int w, int h, Color c);
// Reads the colour of one pixel of an ARGB surface.
Color PixelAt(SDL_Surface* s, int x, int y);

}  // namespace platform_test
