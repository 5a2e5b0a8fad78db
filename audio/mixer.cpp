#include "audio/mixer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace audio {

namespace {
constexpr int kChunkFrames = 1024;
constexpr int kMaxQueued = 8;
constexpr std::uint32_t kFracOne = 1u << 16;

std::int16_t ReadSample(const std::uint8_t* p) {
  std::int16_t s;
  std::memcpy(&s, p, sizeof s);  // buffers hold little-endian samples, as this machine does
  return s;
}

std::int16_t Saturate(std::int32_t v) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(v, -32768, 32767));
}
}  // namespace

struct Mixer::Voice {
  WaveHandle handle = 0;
  std::uint64_t instance = 0;
  std::uint16_t channels = 2;
  std::uint32_t rate = kOutputRate;
  std::uint32_t step = kFracOne;  // input frames per output frame, 16.16 fixed point
  std::array<WaveHeader*, kMaxQueued> queue{};
  int head = 0;
  int size = 0;
  std::uint32_t offset = 0;  // bytes played of the front buffer
  // Resampling state: the two input frames the output lies between.
  std::int32_t prevL = 0, prevR = 0, curL = 0, curR = 0;
  std::uint32_t frac = kFracOne;
};

Mixer::Mixer(DoneSink sink) : sink_(sink), acc_(kChunkFrames * 2) {}
Mixer::~Mixer() = default;

Mixer::Voice* Mixer::Find(WaveHandle handle) const {
  for (const auto& v : voices_)
    if (v->handle == handle) return v.get();
  return nullptr;
}

bool Mixer::HasVoice(WaveHandle voice) const { return Find(voice) != nullptr; }

bool Mixer::Silent() const {
  for (const auto& v : voices_) {
    if (v->size > 0) return false;
  }
  return !effect_ || effectPos_ >= effect_->size();
}

WaveHandle Mixer::AddVoice(std::uint64_t instance, std::uint16_t channels, std::uint32_t rate) {
  auto voice = std::make_unique<Voice>();
  voice->handle = nextHandle_++;
  if (nextHandle_ == 0) nextHandle_ = 1;
  voice->instance = instance;
  voice->channels = channels;
  voice->rate = rate;
  voice->step = static_cast<std::uint32_t>((static_cast<std::uint64_t>(rate) << 16) / kOutputRate);
  if (voice->step == 0) voice->step = 1;
  voices_.push_back(std::move(voice));
  return voices_.back()->handle;
}

int Mixer::RemoveVoice(WaveHandle handle) {
  for (auto it = voices_.begin(); it != voices_.end(); ++it) {
    if ((*it)->handle != handle) continue;
    if ((*it)->size > 0) return kWaveStillPlaying;
    voices_.erase(it);
    return kWaveOk;
  }
  return kWaveInvalidHandle;
}

int Mixer::Queue(WaveHandle handle, WaveHeader* header) {
  Voice* v = Find(handle);
  if (!v) return kWaveInvalidHandle;
  if (v->size == kMaxQueued) return kWaveNoMemory;
  v->queue[(v->head + v->size) % kMaxQueued] = header;
  ++v->size;
  return kWaveOk;
}

int Mixer::Reset(WaveHandle handle) {
  Voice* v = Find(handle);
  if (!v) return kWaveInvalidHandle;
  while (v->size > 0) {
    WaveHeader* header = v->queue[v->head];
    v->head = (v->head + 1) % kMaxQueued;
    --v->size;
    sink_(v->instance, header);
  }
  v->offset = 0;
  return kWaveOk;
}

std::shared_ptr<const EffectSamples> Mixer::PlayEffect(std::shared_ptr<const EffectSamples> effect) {
  std::swap(effect_, effect);
  effectPos_ = 0;
  return effect;
}

void Mixer::MixVoice(Voice& v, std::int32_t* acc, int frames) {
  const std::uint32_t frameBytes = v.channels * 2u;
  // Takes the next input frame from the front buffer; a played-out buffer goes back to its owner.
  auto next = [&](std::int32_t& l, std::int32_t& r) {
    while (v.size > 0) {
      WaveHeader* h = v.queue[v.head];
      if (h->length - v.offset >= frameBytes) {
        const std::uint8_t* p = h->data + v.offset;
        l = ReadSample(p);
        r = v.channels == 2 ? ReadSample(p + 2) : l;
        v.offset += frameBytes;
        if (v.offset + frameBytes > h->length) {  // done (an odd tail byte is never played)
          v.head = (v.head + 1) % kMaxQueued;
          --v.size;
          v.offset = 0;
          sink_(v.instance, h);
        }
        return true;
      }
      v.head = (v.head + 1) % kMaxQueued;  // shorter than one frame: nothing to play
      --v.size;
      v.offset = 0;
      sink_(v.instance, h);
    }
    return false;
  };

  if (v.rate == kOutputRate) {
    for (int i = 0; i < frames; ++i) {
      std::int32_t l, r;
      if (!next(l, r)) return;
      acc[2 * i] += l;
      acc[2 * i + 1] += r;
    }
    return;
  }
  // Other rates: linear interpolation between the two input frames around each output frame.
  for (int i = 0; i < frames; ++i) {
    while (v.frac >= kFracOne) {
      std::int32_t l, r;
      if (!next(l, r)) return;  // starved: resume here when more arrives
      v.prevL = v.curL;
      v.prevR = v.curR;
      v.curL = l;
      v.curR = r;
      v.frac -= kFracOne;
    }
    const std::int64_t f = v.frac;
    acc[2 * i] += v.prevL + static_cast<std::int32_t>(((v.curL - v.prevL) * f) >> 16);
    acc[2 * i + 1] += v.prevR + static_cast<std::int32_t>(((v.curR - v.prevR) * f) >> 16);
    v.frac += v.step;
  }
}

void Mixer::Mix(std::int16_t* out, int frames) {
  while (frames > 0) {
    const int n = std::min(frames, kChunkFrames);
    std::int32_t* acc = acc_.data();
    std::fill(acc, acc + 2 * n, 0);
    for (const auto& v : voices_) MixVoice(*v, acc, n);
    if (effect_) {
      const EffectSamples& e = *effect_;
      const std::size_t count = std::min<std::size_t>(2 * static_cast<std::size_t>(n), e.size() - effectPos_);
      for (std::size_t i = 0; i < count; ++i) acc[i] += e[effectPos_ + i];
      effectPos_ += count;
    }
    for (int i = 0; i < 2 * n; ++i) out[i] = Saturate(acc[i]);
    out += 2 * n;
    frames -= n;
  }
}

}  // namespace audio
