#include "app/background.h"

#include <chrono>
#include <cstdio>
#include <cstdint>
#include <limits>

#include "app/start.h"
#include "audio/sound.h"
#include "platform/application.h"
#include "screens/travel/message_popups.h"
#include "state/general_data.h"
#include "state/random.h"
#include "state/variables.h"

namespace app {

using platform::Sender;
using platform::Timer;

TFbackground* Fbackground = nullptr;

namespace {

// The cues restart the music timer with its short interval (after the music was switched on).
void RestartBackgroundMusicTimer() {
  if (!Fbackground) return;
  Timer& timer = Fbackground->Get<Timer>("Timer1");
  timer.SetInterval(audio::kMusicTimerRestartInterval);
  timer.SetEnabled(true);
}

// A file problem the player should know about, in the small text popup.
void Report(const state::FileResult& result) {
  if (result.ok) return;
  // On the way out after the desktop's close request no popup opens: the player reads it here.
  if (platform::App().Quitting())
    std::fprintf(stderr, "Farhaven 4: %s: %s\n", result.topic.c_str(), result.text.c_str());
  if (!screens::FMessage3) return;
  screens::FMessage3->Get<platform::Label>("Topic").SetCaption(result.topic);
  screens::FMessage3->Get<platform::Label>("LabelText").SetCaption(result.text);
  screens::FMessage3->ShowModal();
}

}  // namespace

TFbackground::TFbackground() : Form("Fbackground") {
  Bind("FormActivate", [this](Sender) { FormActivate(); });
  Bind("Timer1Timer", [this](Sender) { Timer1Timer(); });
  Get<Timer>("Timer1");  // the music timer: a layout without it fails here and in the data check
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
  Form1->ShowWelcomePanel(state::StartCount <= 3);
  auto& caption = Form1->Get<platform::Label>("Label3");
  caption.SetCaption("Highscores");
  caption.SetFontSize(10);
}

void WriteGeneralDataAtEnd() { Report(state::WriteGeneralData()); }

void TFbackground::FormActivate() {
  // The window is activated again whenever a screen over it closes; the start-up runs once.
  if (started_) return;
  started_ = true;
  SeedRandomFromClock();
  ReadGeneralDataAtStart();
  audio::SetMusicTimerRestart(&RestartBackgroundMusicTimer);
  Timer& music = Get<Timer>("Timer1");
  music.SetInterval(audio::kMusicTimerFirstInterval);
  music.SetEnabled(true);
  PrepareStartScreen();
  Form1->ShowModal();
  WriteGeneralDataAtEnd();
  music.SetEnabled(false);
  audio::SetMusicTimerRestart(nullptr);
  Close();
}

void TFbackground::Timer1Timer() {
  Get<Timer>("Timer1").SetInterval(audio::MusicTimerTick());
}

}  // namespace app
