#include "app/background.h"

#include <chrono>
#include <cstdint>
#include <limits>

#include "app/start.h"
#include "audio/sound.h"
#include "screens/popups/popups.h"
#include "state/general_data.h"
#include "state/random.h"
#include "state/variables.h"

namespace app {

using platform::Sender;
using platform::Timer;

BackgroundWindow* Background = nullptr;

namespace {

// The cues restart the music timer with its short interval (after the music was switched on).
void RestartBackgroundMusicTimer() {
  if (!Background) return;
  Timer& timer = Background->Get<Timer>("MusicTimer");
  timer.SetInterval(audio::kMusicTimerRestartInterval);
  timer.SetEnabled(true);
}

// A file problem the player should know about, in the small text popup.
void Report(const state::FileResult& result) {
  if (!result.ok) screens::popups::ShowText(result.topic, result.text);
}

}  // namespace

BackgroundWindow::BackgroundWindow() : Form("Background") {
  Bind("FormActivate", &BackgroundWindow::FormActivate);
  Bind("OnMusicTimer", &BackgroundWindow::OnMusicTimer);
}

void SeedRandomFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  state::Randomize(static_cast<std::uint32_t>(ticks));
}

void ReadGeneralDataAtStart() {
  state::WebSiteUrl = kWebSiteUrl;
  // Missing files give the defaults; a damaged pair is put aside and the player told.
  Report(state::ReadGeneralData());
  if (state::StartCount < std::numeric_limits<std::int32_t>::max()) ++state::StartCount;
}

void PrepareStartScreen() {
  state::ZoomPercent = 100;
  Start->ShowWelcomePanel(state::StartCount <= 3);
  Start->CaptionHighScores();
}

void WriteGeneralDataAtEnd() { Report(state::WriteGeneralData()); }

void BackgroundWindow::FormActivate() {
  // The window is activated again whenever a screen over it closes; the start-up runs once.
  if (started_) return;
  started_ = true;
  SeedRandomFromClock();
  ReadGeneralDataAtStart();
  audio::SetMusicTimerRestart(&RestartBackgroundMusicTimer);
  Timer& music = musicTimer_;
  music.SetInterval(audio::kMusicTimerFirstInterval);
  music.SetEnabled(true);
  PrepareStartScreen();
  Start->ShowModal();
  WriteGeneralDataAtEnd();
  music.SetEnabled(false);
  audio::SetMusicTimerRestart(nullptr);
  Close();
}

void BackgroundWindow::OnMusicTimer() {
  musicTimer_.SetInterval(audio::MusicTimerTick());
}

}  // namespace app
