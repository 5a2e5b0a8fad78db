#include "audio/sound.h"

#include <cstdio>
#include <exception>
#include <mutex>
#include <set>
#include <string>

#include "state/random.h"
#include "state/variables.h"

namespace audio {

namespace {
SoundOutput* output = nullptr;
MusicTimerRestart musicTimerRestart = nullptr;

bool EffectsOn() { return state::SoundEffectsOn == 1; }

// Runs one call on the output; a failure is logged and the cue goes on silent.
template <class Call>
void Guarded(Call call) {
  if (!output) return;
  try {
    call(*output);
  } catch (const std::exception& e) {
    ReportAudioError(e.what());
  } catch (...) {
    ReportAudioError("unknown failure of the sound output");
  }
}

void Effect(std::string_view file) {
  if (EffectsOn()) Guarded([&](SoundOutput& o) { o.PlayEffect(file); });
}

// Replaces whatever plays on a channel with a new track.
void PlayTrack(int channel, std::string_view file) {
  Guarded([&](SoundOutput& o) {
    o.CloseOggChannel(channel);
    o.OpenOggChannel(channel, file);
    o.PlayOggChannel(channel);
  });
}

void EventMusic(std::string_view file) {
  if (EffectsOn()) PlayTrack(1, file);
}
}  // namespace

bool IntroPlayed = false;
int LastMusicChannel = 0;

void SetSoundOutput(SoundOutput* o) { output = o; }
SoundOutput* CurrentSoundOutput() { return output; }
void SetMusicTimerRestart(MusicTimerRestart restart) { musicTimerRestart = restart; }

namespace {
std::mutex reportMutex;
std::set<std::string, std::less<>> reported;  // messages already logged in this run
}  // namespace

void ReportAudioError(std::string_view message) {
  auto& logged = reported;
  try {
    std::lock_guard<std::mutex> lock(reportMutex);
    if (logged.count(message)) return;
    logged.emplace(message);
    std::fprintf(stderr, "Farhaven audio: %.*s\n", static_cast<int>(message.size()), message.data());
  } catch (...) {
  }
}

void ForgetReportedAudioErrors() {
  std::lock_guard<std::mutex> lock(reportMutex);
  reported.clear();
}

void PlayButtonSound() { Effect("button.wav"); }

// Gun fire and flight pick one of two recordings; the draw happens even with effects off.
void PlayFireGunsSound() {
  const int r = state::Random(2) + 1;
  Effect(r == 1 ? "FireGuns.wav" : "FireGuns2.wav");
}

void PlayFlySound() {
  const int r = state::Random(2) + 1;
  Effect(r == 1 ? "Fly1.wav" : "Fly2.wav");
}

void PlayAlertSound() { Effect("alert.wav"); }
void PlayMaximizeSound() { Effect("maxi.wav"); }
void PlayMinimizeSound() { Effect("mini.wav"); }
void PlayRewardSound() { Effect("Reward1.wav"); }
void PlayAbilityUsedSound() { Effect("AbilityUsed.wav"); }
void PlayEcmSound() { Effect("ECM.wav"); }
void PlayMissileSound() { Effect("Missile.wav"); }
void PlayMissileExplosionSound() { Effect("Explosion_Missile.wav"); }
void PlayShipExplosionSound() { Effect("Explosion_Ship.wav"); }
void PlayRadarSound() {}

void PlayRewardMusic() { EventMusic("Reward2.ogg"); }
void PlayAwardMusic() { PlayRewardMusic(); }
void PlayRankPromotionMusic() { PlayRewardMusic(); }

// The boarding fight's tune: the draw happens only when effects are on.
void PlayCrewCombatMusic() {
  if (!EffectsOn()) return;
  EventMusic(state::Random(100) < 41 ? "CrewCombat.ogg" : "CrewCombat2.ogg");
}

void CloseSoundChannel4() {
  if (EffectsOn()) Guarded([](SoundOutput& o) { o.CloseOggChannel(4); });
}

void PlayNextMusicTrack() {
  if (state::MusicOn != 1) return;
  if (!IntroPlayed) {
    PlayTrack(2, "Intro.ogg");
    IntroPlayed = true;
  } else if (LastMusicChannel != 2) {
    LastMusicChannel = 2;
    PlayTrack(2, "Background.ogg");
  } else {
    LastMusicChannel = 3;
    PlayTrack(3, "Background.ogg");
  }
}

int MusicTimerTick() {
  const int next = IntroPlayed ? 59000 : 60000;
  PlayNextMusicTrack();
  return next;
}

void StopMusic() {
  Guarded([](SoundOutput& o) { o.CloseOggChannel(2); });
  Guarded([](SoundOutput& o) { o.CloseOggChannel(3); });
}

void RestartMusicTimer() {
  if (musicTimerRestart) musicTimerRestart();
}

}  // namespace audio
