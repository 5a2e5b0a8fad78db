// Shared set-up for tests that drive real screens: headless SDL, a manual clock, fresh input
// state, a recorder for the sound cues, and steps that run whenever a modal loop waits for input.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/forms.h"
#include "audio/sound.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/pictures.h"
#include "state/variables.h"
#include "support/data_folder_at.h"

namespace screens_test {

// A fresh working folder of a test's own, entered while the object lives and made the game's data
// folder: the game writes its general data and saves into it.
class WorkFolder {
 public:
  explicit WorkFolder(const std::string& name)
      : home_(std::filesystem::current_path()),
        path_(std::filesystem::path(::testing::TempDir()) / name) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
    data_.emplace(path_);
  }
  ~WorkFolder() { std::filesystem::current_path(home_); }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path home_, path_;
  std::optional<support::DataFolderAt> data_;
};

// Every effect the cues play, by file name.
struct SoundRecorder : audio::SoundOutput {
  std::vector<std::string> effects;
  void PlayEffect(std::string_view wav) override { effects.emplace_back(wav); }
  void OpenOggChannel(int, std::string_view) override {}
  void PlayOggChannel(int) override {}
  void CloseOggChannel(int) override {}
};

class FormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  void SetUp() override {
    platform::App().SetClock(&clock);
    platform::App().Reset();
    state::SoundEffectsOn = 1;
    audio::SetSoundOutput(&sounds);
  }
  void TearDown() override {
    audio::SetSoundOutput(nullptr);
    platform::App().SetIdleHook(nullptr);
    platform::App().SetClock(nullptr);
    platform::App().Reset();
  }

  // Things to do, one per moment a loop waits for input; a loop still waiting when none is left
  // fails the test and unwinds.
  struct OutOfSteps {};
  void WhenIdle(std::vector<std::function<void()>> steps) {
    idle_ = std::deque<std::function<void()>>(steps.begin(), steps.end());
    platform::App().SetIdleHook([this] {
      if (idle_.empty()) {
        ADD_FAILURE() << "a modal loop is still waiting and no step is left";
        throw OutOfSteps{};
      }
      auto step = std::move(idle_.front());
      idle_.pop_front();
      step();
    });
  }
  bool StepsLeft() const { return !idle_.empty(); }

  static std::pair<int, int> Centre(const platform::Control& c) {
    const platform::Rect r = c.ScreenRect();
    return {r.x + r.w / 2, r.y + r.h / 2};
  }
  static void MoveOnto(const platform::Control& c, int dx = 0) {
    auto [x, y] = Centre(c);
    platform::App().MouseMove(x + dx, y);
  }
  // A point where the mouse reaches `c` itself: its middle, or where another control covers the
  // middle, the first point of it that nothing covers.
  static std::pair<int, int> Reachable(const platform::Control& c) {
    auto [x, y] = Centre(c);
    if (platform::App().ControlAt(x, y) == &c) return {x, y};
    const platform::Rect r = c.ScreenRect();
    for (int py = r.y; py < r.y + r.h; ++py)
      for (int px = r.x; px < r.x + r.w; ++px)
        if (platform::App().ControlAt(px, py) == &c) return {px, py};
    ADD_FAILURE() << c.Name() << " is covered all over: no click can reach it";
    return {x, y};
  }
  // A single click on `c` itself, never the second half of a double click.
  static void ClickOn(const platform::Control& c) {
    auto [x, y] = Reachable(c);
    platform::App().ForgetDoubleClick();
    platform::App().MouseMove(x, y);
    platform::App().MouseDown(platform::MouseButton::Left, x, y);
    platform::App().MouseUp(platform::MouseButton::Left, x, y);
  }
  // What the hidden button or any handler-only control does when clicked.
  static void FireClick(platform::Form& form, const std::string& component) {
    platform::EventArgs a{*form.Find(component)};
    form.Fire(platform::Event::Click, a);
  }
  static const std::string& Picture(platform::Form& form, const std::string& image) {
    return form.Get<platform::Image>(image).PictureName();
  }
  static std::uint64_t PictureLoads() { return platform::GetPictureStats().requests; }
  // A script's screenshot step for `form` when FARHAVEN_SCREENSHOTS names a folder
  // (scripts/screenshots.sh); nothing otherwise.
  static std::string ScreenshotStep(const char* form, const char* file) {
    const char* folder = std::getenv("FARHAVEN_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0') return {};
    return std::string("screenshot ") + form + " \"" +
           (std::filesystem::path(folder) / file).string() + "\"\n";
  }

  platform::ManualClock clock;
  SoundRecorder sounds;

 private:
  std::deque<std::function<void()>> idle_;
};

// The same with every form of the game created through the game's own registry, as at start-up,
// and destroyed again after each test: no test puts a form of its own into the registry.
class GameFormsTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    app::CreateForms();
  }
  void TearDown() override {
    app::DestroyForms();
    FormTest::TearDown();
  }
};

}  // namespace screens_test
