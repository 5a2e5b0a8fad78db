// The game's sound cues: parameterless calls made by screens and rules at the moment something
// happens. Each decides by itself whether anything is heard (the options SoundEffectsOn and
// MusicOn), and none ever reports a failure to its caller. The cues that draw random numbers draw
// whether or not any sound device exists, so outcomes never depend on the machine's audio.
//
// This file has no SDL in it: the cues play through a SoundOutput, which the game connects to its
// audio device and tests replace with a recorder. A SoundOutput may throw; the cues catch it, log
// it once and go on silent.
#pragma once

#include <string_view>

namespace audio {

// Where the cues send their sounds.
struct SoundOutput {
  virtual ~SoundOutput() = default;
  virtual void PlayEffect(std::string_view wavFile) = 0;                  // one-shot, asynchronous
  virtual void OpenOggChannel(int channel, std::string_view oggFile) = 0;  // channels 0..7
  virtual void PlayOggChannel(int channel) = 0;
  virtual void CloseOggChannel(int channel) = 0;
};

// The output the cues use; nullptr (the start) plays nothing.
void SetSoundOutput(SoundOutput* output);
SoundOutput* CurrentSoundOutput();

// Restarts the background music timer (interval 100 ms); connected by the background window.
using MusicTimerRestart = void (*)();
void SetMusicTimerRestart(MusicTimerRestart restart);

// The background window's music timer: created with the first interval, enabled once at
// start-up; RestartMusicTimer sets the restart interval.
constexpr int kMusicTimerFirstInterval = 1000;   // ms
constexpr int kMusicTimerRestartInterval = 100;  // ms
// One tick of the music timer: returns the interval until the next tick (59 s once the intro has
// been started, else 60 s, decided before this tick plays), then plays the next step.
int MusicTimerTick();

// Writes an audio problem to the log (stderr), each distinct message once; never throws.
void ReportAudioError(std::string_view message);

// Forgets which messages were logged, so each is logged once again (tests start afresh with it).
void ForgetReportedAudioErrors();

// Background rotation state: the intro plays once per run; background tracks alternate 2, 3, 2...
extern bool IntroPlayed;
extern int LastMusicChannel;

// One-shot effects.
void PlayButtonSound();
void PlayFireGunsSound();
void PlayFlySound();
void PlayAlertSound();
void PlayMaximizeSound();
void PlayMinimizeSound();
void PlayRewardSound();
void PlayAbilityUsedSound();
void PlayEcmSound();
void PlayMissileSound();
void PlayMissileExplosionSound();
void PlayShipExplosionSound();
void PlayRadarSound();

// Event music on channel 1.
void PlayRewardMusic();
void PlayAwardMusic();
void PlayRankPromotionMusic();
void PlayCrewCombatMusic();
void CloseSoundChannel4();

// Background music rotation on channels 2 and 3.
void PlayNextMusicTrack();
// Closes both background channels, so switching music off is silent at once.
void StopMusic();
void RestartMusicTimer();

}  // namespace audio
