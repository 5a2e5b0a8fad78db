// The game's audio: one SDL output device, the eight music channels on it, and the sound cues
// connected to them. The program calls InitAudio once at start-up, PumpAudio in every iteration of
// its event loop (every modal loop included) and ShutdownAudio before it ends. A loop that sleeps
// in SDL_WaitEvent is woken by an event of type AudioWakeEventType() whenever played buffers wait
// for PumpAudio; the loop may otherwise ignore that event.
//
// Without a usable device (none present, or SDL_AUDIODRIVER naming a driver that does not exist)
// the game runs silent: one line goes to the log, nothing is shown, and the cues still draw their
// random numbers exactly as with sound.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "audio/ogg_channels.h"
#include "audio/sdl_audio_device.h"
#include "audio/sound.h"

namespace audio {

// The cues' output on the SDL device: effects as one-shot voices (a new effect stops the one still
// playing), music on the Ogg channels. Files are found by bare name without regard to case in the
// asset folder; a missing or unreadable file plays nothing and is logged once.
class SdlSoundOutput : public SoundOutput {
 public:
  explicit SdlSoundOutput(SdlAudioDevice& device);
  ~SdlSoundOutput() override;

  void PlayEffect(std::string_view wavFile) override;
  void OpenOggChannel(int channel, std::string_view oggFile) override;
  void PlayOggChannel(int channel) override;
  void CloseOggChannel(int channel) override;

  OggChannels& Channels() { return channels_; }

 private:
  SdlAudioDevice& device_;
  OggChannels channels_;
  // Effects are loaded once and kept; a file that failed is remembered as nullptr.
  std::unordered_map<std::string, std::shared_ptr<const EffectSamples>> effects_;
};

// Opens the audio device and installs the cues' output. False when the game runs silent.
bool InitAudio();
// Delivers the device's buffer-done notices: refills and decodes music on the calling thread; and
// lets the device rest after a while of silence.
void PumpAudio();
// Stops every sound, uninstalls the cues' output and closes the device.
void ShutdownAudio();
// The running output, nullptr when silent or not initialised.
SdlSoundOutput* GameSoundOutput();

}  // namespace audio
