#include "audio/sdl_audio_device.h"

#include <cstring>

namespace audio {

namespace {
std::uint32_t wakeEventType = 0;

bool Supported(const WaveFormat& f) {
  return f.formatTag == 1 && (f.channels == 1 || f.channels == 2) && f.bitsPerSample == 16 &&
         f.samplesPerSec >= 4000 && f.samplesPerSec <= 192000;
}

// Holds the device's lock for one change of what the callback reads.
class DeviceLock {
 public:
  explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) { SDL_LockAudioDevice(device_); }
  ~DeviceLock() { SDL_UnlockAudioDevice(device_); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};
}  // namespace

std::uint32_t AudioWakeEventType() { return wakeEventType; }

bool SdlAudioDevice::BufferPlayed(std::uint64_t instance, WaveHeader* header) {
  const bool first = PostBufferDone(instance, header);
  if (first && wakeEventType != 0) {
    SDL_Event wake{};
    wake.type = wakeEventType;
    SDL_PushEvent(&wake);  // fails harmlessly when no event loop is running
  }
  return first;
}

std::unique_ptr<SdlAudioDevice> SdlAudioDevice::OpenDefault(std::string& why) {
  if (wakeEventType == 0) {
    const Uint32 type = SDL_RegisterEvents(1);
    if (type != static_cast<Uint32>(-1)) wakeEventType = type;
  }
  std::unique_ptr<SdlAudioDevice> self(new SdlAudioDevice());
  if (!self->OpenDevice(why)) return nullptr;
  return self;
}

bool SdlAudioDevice::OpenDevice(std::string& why) {
  SDL_AudioSpec want{};
  want.freq = static_cast<int>(kOutputRate);
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  // 512 frames (11.6 ms): short enough that closing the device, which waits for two buffers to
  // drain, holds up an exit or the rest after a silence by only 23 ms.
  want.samples = 512;
  want.callback = &SdlAudioDevice::Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants behind the callback.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    why = SDL_GetError();
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

bool SdlAudioDevice::Wake() {
  silentSince_ = 0;
  if (device_ != 0) return true;
  std::string why;
  return OpenDevice(why);
}

void SdlAudioDevice::Rest() {
  if (device_ == 0) return;
  bool silent = false;
  {
    DeviceLock lock(device_);
    silent = mixer_.Silent();
  }
  if (!silent) {
    silentSince_ = 0;
    return;
  }
  const std::uint64_t now = SDL_GetTicks64();
  if (silentSince_ == 0) {
    silentSince_ = now;
    // Wakes the event loop when the rest is due, in case nothing else does.
    SDL_AddTimer(static_cast<Uint32>(kRestAfterMs + 50), [](Uint32, void*) -> Uint32 {
      if (wakeEventType != 0) {
        SDL_Event wake{};
        wake.type = wakeEventType;
        SDL_PushEvent(&wake);
      }
      return 0;
    }, nullptr);
    return;
  }
  if (now - silentSince_ < kRestAfterMs) return;
  // Only this thread writes to the mixer, so nothing can start between the check and the close.
  SDL_CloseAudioDevice(device_);
  device_ = 0;
  silentSince_ = 0;
}

SdlAudioDevice::~SdlAudioDevice() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
}

void SDLCALL SdlAudioDevice::Callback(void* self, Uint8* stream, int len) {
  // SDL holds the device lock around this call.
  static_cast<SdlAudioDevice*>(self)->mixer_.Mix(reinterpret_cast<std::int16_t*>(stream), len / 4);
}

int SdlAudioDevice::QueryFormat(const WaveFormat& format) {
  return Supported(format) ? kWaveOk : kWaveBadFormat;
}

int SdlAudioDevice::Open(WaveHandle* handle, const WaveFormat& format, std::uint64_t instance) {
  if (!Supported(format)) return kWaveBadFormat;
  DeviceLock lock(device_);
  *handle = mixer_.AddVoice(instance, format.channels, format.samplesPerSec);
  return kWaveOk;
}

int SdlAudioDevice::PrepareHeader(WaveHandle handle, WaveHeader* header) {
  if (!header || !header->data) return kWaveInvalidParam;
  header->flags |= kHeaderPrepared;
  return kWaveOk;
}

int SdlAudioDevice::Write(WaveHandle handle, WaveHeader* header) {
  if (!(header->flags & kHeaderPrepared)) return kWaveUnprepared;
  Wake();
  DeviceLock lock(device_);
  return mixer_.Queue(handle, header);
}

int SdlAudioDevice::UnprepareHeader(WaveHandle handle, WaveHeader* header) {
  if (header) header->flags &= ~kHeaderPrepared;
  return kWaveOk;
}

int SdlAudioDevice::Reset(WaveHandle handle) {
  DeviceLock lock(device_);
  return mixer_.Reset(handle);
}

int SdlAudioDevice::Close(WaveHandle handle) {
  DeviceLock lock(device_);
  return mixer_.RemoveVoice(handle);
}

void SdlAudioDevice::PlayEffect(std::shared_ptr<const EffectSamples> effect) {
  std::shared_ptr<const EffectSamples> previous;
  if (effect) Wake();
  {
    DeviceLock lock(device_);
    previous = mixer_.PlayEffect(std::move(effect));
  }
}

std::shared_ptr<const EffectSamples> LoadEffect(const std::string& path, std::string& why) {
  SDL_AudioSpec spec{};
  Uint8* raw = nullptr;
  Uint32 rawLength = 0;
  if (!SDL_LoadWAV(path.c_str(), &spec, &raw, &rawLength)) {
    why = SDL_GetError();
    return nullptr;
  }
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 2,
                        static_cast<int>(kOutputRate)) < 0) {
    why = SDL_GetError();
    SDL_FreeWAV(raw);
    return nullptr;
  }
  std::vector<Uint8> work(static_cast<std::size_t>(rawLength) * static_cast<std::size_t>(cvt.len_mult));
  if (rawLength > 0) std::memcpy(work.data(), raw, rawLength);
  SDL_FreeWAV(raw);
  cvt.buf = work.data();
  cvt.len = static_cast<int>(rawLength);
  if (cvt.needed && SDL_ConvertAudio(&cvt) < 0) {
    why = SDL_GetError();
    return nullptr;
  }
  const int bytes = cvt.needed ? cvt.len_cvt : cvt.len;
  auto samples = std::make_shared<EffectSamples>(static_cast<std::size_t>(bytes / 4) * 2);
  if (!samples->empty()) std::memcpy(samples->data(), work.data(), samples->size() * sizeof(std::int16_t));
  return samples;
}

}  // namespace audio
