// The mixer under the one audio output device: every open wave-out voice and the current one-shot
// effect are added into 44100 Hz signed 16-bit stereo, saturating at the 16-bit limits.
//
// The mixer does no locking of its own: the owner runs Mix on the device's thread and every other
// call on the main thread while holding the device's lock.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "audio/wave_out.h"

namespace audio {

constexpr std::uint32_t kOutputRate = 44100;

// Stereo 44100 Hz samples of a loaded effect, interleaved left, right.
using EffectSamples = std::vector<std::int16_t>;

class Mixer {
 public:
  // Called on the mixing thread when a written buffer has been played to its end.
  using DoneSink = bool (*)(std::uint64_t instance, WaveHeader* header);

  explicit Mixer(DoneSink sink = &PostBufferDone);
  ~Mixer();

  // A voice plays 16-bit mono or stereo at any rate; returns its handle (never 0).
  WaveHandle AddVoice(std::uint64_t instance, std::uint16_t channels, std::uint32_t rate);
  // Forgets a voice; fails while it still holds buffers.
  int RemoveVoice(WaveHandle voice);
  // Appends a buffer to a voice's queue.
  int Queue(WaveHandle voice, WaveHeader* header);
  // Hands back every queued buffer of a voice at once, in the order written.
  int Reset(WaveHandle voice);
  bool HasVoice(WaveHandle voice) const;
  // Nothing left to play: no voice holds a buffer and the effect has played out.
  bool Silent() const;

  // Starts an effect, stopping the one still playing; nullptr stops it. Returns the previous one,
  // so the caller can let it go outside the device's lock.
  std::shared_ptr<const EffectSamples> PlayEffect(std::shared_ptr<const EffectSamples> effect);

  // Fills `frames` stereo frames (interleaved) with the mix of everything playing.
  void Mix(std::int16_t* out, int frames);

 private:
  struct Voice;
  Voice* Find(WaveHandle voice) const;
  void MixVoice(Voice& voice, std::int32_t* acc, int frames);

  DoneSink sink_;
  std::vector<std::unique_ptr<Voice>> voices_;
  WaveHandle nextHandle_ = 1;
  std::shared_ptr<const EffectSamples> effect_;
  std::size_t effectPos_ = 0;  // samples, not frames
  std::vector<std::int32_t> acc_;
};

}  // namespace audio
