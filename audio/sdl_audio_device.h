// The game's one audio output: an SDL audio device (44100 Hz, signed 16-bit stereo, callback
// mode) whose callback mixes every open wave-out voice and the current effect. Each TWaveOut opened
// on it is one voice; the callback hands played buffers back only by posting buffer-done notices.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "audio/mixer.h"
#include "audio/wave_out.h"

namespace audio {

class SdlAudioDevice : public WaveOutBackend {
 public:
  // Opens the default output device; nullptr, with the reason in `why`, when there is none.
  // The SDL audio subsystem must be initialised.
  static std::unique_ptr<SdlAudioDevice> OpenDefault(std::string& why);
  ~SdlAudioDevice() override;

  int QueryFormat(const WaveFormat& format) override;
  int Open(WaveHandle* handle, const WaveFormat& format, std::uint64_t instance) override;
  int PrepareHeader(WaveHandle handle, WaveHeader* header) override;
  int Write(WaveHandle handle, WaveHeader* header) override;
  int UnprepareHeader(WaveHandle handle, WaveHeader* header) override;
  int Reset(WaveHandle handle) override;
  int Close(WaveHandle handle) override;

  // Plays a one-shot effect, stopping the one still playing.
  void PlayEffect(std::shared_ptr<const EffectSamples> effect);

  // While nothing plays, the SDL device is closed, so that no mixing thread wakes many times a
  // second to play silence. Rest (on the event loop's thread, through PumpAudio) closes it once
  // everything has been silent for kRestAfterMs; the next buffer or effect opens it again.
  void Rest();
  bool Resting() const { return device_ == 0; }
  static constexpr std::uint64_t kRestAfterMs = 2000;

 private:
  SdlAudioDevice() : mixer_(&BufferPlayed) {}
  // Opens the SDL device again after a rest; false when it cannot (the sound is then lost).
  bool Wake();
  bool OpenDevice(std::string& why);
  static void SDLCALL Callback(void* self, Uint8* stream, int len);
  static bool BufferPlayed(std::uint64_t instance, WaveHeader* header);

  SDL_AudioDeviceID device_ = 0;
  Mixer mixer_;
  std::uint64_t silentSince_ = 0;  // SDL ticks when the silence began; 0 while something plays
};

// The SDL event type the device pushes to wake an event loop that waits for input when played
// buffers are waiting for PumpAudio; event loops may ignore it. 0 before InitAudio.
std::uint32_t AudioWakeEventType();

// Loads a ".wav" file and converts it to the device's format; nullptr when it cannot be read.
std::shared_ptr<const EffectSamples> LoadEffect(const std::string& path, std::string& why);

}  // namespace audio
