// The game's sound cues: parameterless calls made by screens and rules at the moment something
// happens. Each decides by itself whether anything is heard (the options SoundEffectsOn and
// MusicOn), and none ever reports a failure to its caller. The cues that draw random numbers draw
// whether or not any sound device exists, so outcomes never depend on the machine's audio.
//
// This file has no SDL in it: the cues play through a SoundOutput, which the game connects to its
// audio device and tests replace with a recorder.
#pragma once

#include <string_view>

namespace audio {

// Where the cues send their sounds.
struct SoundOutput {
  virtual ~SoundOutput() = default;
  virtual void PlayEffect(std::string_view wavFile) = 0;                  // one-shot, asynchronous
  virtual void OpenOggChannel(int channel, std::string_view oggFile) = 0;  // music channels 1..8
  virtual void PlayOggChannel(int channel) = 0;
  virtual void CloseOggChannel(int channel) = 0;
};

// The output the cues use; nullptr (the start) plays nothing.
void SetSoundOutput(SoundOutput* output);
SoundOutput* CurrentSoundOutput();

// Restarts the background music timer (interval 100 ms); connected by the background window.
using MusicTimerRestart = void (*)();
void SetMusicTimerRestart(MusicTimerRestart restart);

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
void StopMusic();
void RestartMusicTimer();

}  // namespace audio
