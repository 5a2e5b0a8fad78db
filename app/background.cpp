#include "app/background.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "app/start.h"
#include "audio/sound.h"
#include "platform/application.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "state/data_folder.h"
#include "state/general_data.h"
#include "state/random.h"
#include "state/savegame.h"
#include "state/variables.h"

namespace app {

using platform::Sender;
using platform::Timer;

namespace {

// The cues restart the music timer with its short interval (after the music was switched on).
void RestartBackgroundMusicTimer() {
  Timer& timer = screens::GameForm<BackgroundWindow>().Get<Timer>("MusicTimer");
  timer.SetInterval(audio::kMusicTimerRestartInterval);
  timer.SetEnabled(true);
}

// A file problem the player should know about, in the small text popup.
void Report(const state::FileResult& result) {
  if (result.ok) return;
  // On the way out after the desktop's close request no popup opens: the player reads it here.
  if (platform::App().Quitting()) {
    std::fprintf(stderr, "Farhaven 4: %s: %s\n", result.topic.c_str(), result.text.c_str());
    return;
  }
  screens::popups::ShowText(result.topic, result.text);
}

}  // namespace

BackgroundWindow::BackgroundWindow() : Form("Background") {
  Bind("FormActivate", &BackgroundWindow::FormActivate);
  Bind("OnMusicTimer", &BackgroundWindow::OnMusicTimer);
}

std::optional<std::uint32_t> ParseSeed(std::string_view text) {
  std::uint32_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return seed;
}

void SeedRandomFromClock() {
  // A run whose environment fixes the seed plays the same game every time (tests, scripts).
  if (const char* fixed = std::getenv(kSeedVariable)) {
    if (const auto seed = ParseSeed(fixed)) {
      state::Randomize(*seed);
      return;
    }
    std::fprintf(stderr, "Farhaven 4: %s=\"%s\" is not a seed (0 to 4294967295); seeding from the clock\n",
                 kSeedVariable, fixed);
  }
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  state::Randomize(static_cast<std::uint32_t>(ticks));
}

void CopyEarlierGameFiles() {
  // An earlier build kept its files in the folder it was started from; the first start that finds
  // them there, and none in the data folder, copies them over and says where they are now.
  const state::FileResult copied = state::CopyGameFilesFrom(std::filesystem::current_path(), state::DataFolder());
  if (!copied.topic.empty()) screens::popups::ShowText(copied.topic, copied.text);
}

void ReadGeneralDataAtStart() {
  state::WebSiteUrl = kWebSiteUrl;
  // Missing files give the defaults; a damaged pair is put aside and the player told.
  Report(state::ReadGeneralData());
  // A save that ended before the list of slots was written still shows in its slot.
  state::FindSavedSlots();
  if (state::StartCount < std::numeric_limits<std::int32_t>::max()) ++state::StartCount;
}

void PrepareStartScreen() {
  state::ZoomPercent = 100;
  StartScreen& start = screens::GameForm<StartScreen>();
  start.ShowWelcomePanel(state::StartCount <= 3);
  start.CaptionHighScores();
}

void WriteGeneralDataAtEnd() { Report(state::WriteGeneralData()); }

void BackgroundWindow::FormActivate() {
  // The window is activated again whenever a screen over it closes; the start-up runs once.
  if (started_) return;
  started_ = true;
  SeedRandomFromClock();
  CopyEarlierGameFiles();
  ReadGeneralDataAtStart();
  audio::SetMusicTimerRestart(&RestartBackgroundMusicTimer);
  Timer& music = musicTimer_;
  music.SetInterval(audio::kMusicTimerFirstInterval);
  music.SetEnabled(true);
  PrepareStartScreen();
  screens::GameForm<StartScreen>().ShowModal();
  WriteGeneralDataAtEnd();
  music.SetEnabled(false);
  audio::SetMusicTimerRestart(nullptr);
  Close();
}

void BackgroundWindow::OnMusicTimer() {
  musicTimer_.SetInterval(audio::MusicTimerTick());
}

}  // namespace app
