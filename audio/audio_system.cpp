#include "audio/audio_system.h"

#include <SDL.h>

#include "audio/asset_files.h"

namespace audio {

namespace {
std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (char& ch : out)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return out;
}

struct AudioSystem {
  std::unique_ptr<SdlAudioDevice> device;
  std::unique_ptr<SdlSoundOutput> output;
  bool sdlStarted = false;
};
AudioSystem& System() {
  static AudioSystem system;
  return system;
}
}  // namespace

SdlSoundOutput::SdlSoundOutput(SdlAudioDevice& device) : device_(device), channels_(device) {}

SdlSoundOutput::~SdlSoundOutput() {
  for (int i = 0; i < OggChannels::kChannelCount; ++i) channels_.CloseOggChannel(i);
  device_.PlayEffect(nullptr);
}

void SdlSoundOutput::PlayEffect(std::string_view wavFile) {
  const std::string key = LowerCase(wavFile);
  auto it = effects_.find(key);
  if (it == effects_.end()) {
    std::shared_ptr<const EffectSamples> loaded;
    if (const auto path = FindAssetFile(wavFile)) {
      std::string why;
      loaded = LoadEffect(path->string(), why);
      if (!loaded) ReportAudioError("Sound file \"" + std::string(wavFile) + "\" cannot be played: " + why);
    } else {
      ReportAudioError("Sound file \"" + std::string(wavFile) + "\" not found.");
    }
    it = effects_.emplace(key, std::move(loaded)).first;
  }
  if (it->second) device_.PlayEffect(it->second);
}

void SdlSoundOutput::OpenOggChannel(int channel, std::string_view oggFile) {
  channels_.OpenOggChannel(channel, oggFile);
}
void SdlSoundOutput::PlayOggChannel(int channel) { channels_.PlayOggChannel(channel); }
void SdlSoundOutput::CloseOggChannel(int channel) { channels_.CloseOggChannel(channel); }

bool InitAudio() {
  AudioSystem& s = System();
  if (s.output) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    ReportAudioError(std::string("No sound (") + SDL_GetError() + "); the game runs silent.");
    return false;
  }
  s.sdlStarted = true;
  std::string why;
  s.device = SdlAudioDevice::OpenDefault(why);
  if (!s.device) {
    ReportAudioError("No sound device (" + why + "); the game runs silent.");
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.sdlStarted = false;
    return false;
  }
  s.output = std::make_unique<SdlSoundOutput>(*s.device);
  SetSoundOutput(s.output.get());
  return true;
}

void PumpAudio() {
  DeliverBufferDoneNotices();
  if (SdlAudioDevice* device = System().device.get()) device->Rest();
}

void ShutdownAudio() {
  AudioSystem& s = System();
  if (CurrentSoundOutput() == s.output.get()) SetSoundOutput(nullptr);
  s.output.reset();
  s.device.reset();
  DeliverBufferDoneNotices();  // drops what the closed voices handed back
  if (s.sdlStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  s.sdlStarted = false;
}

SdlSoundOutput* GameSoundOutput() { return System().output.get(); }

}  // namespace audio
