// The game's audio on real SDL drivers: the disk driver, which writes the mixed output to a file,
// and a driver name that does not exist.
#include "audio/audio_system.h"
#include "audio/sound.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "state/random.h"
#include "state/variables.h"
#include "tests/audio/ogg_fixture.h"

using audio_test::TempFolder;

namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnv {
 public:
  void Set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) setenv(it->first.c_str(), it->second->c_str(), 1);
      else unsetenv(it->first.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A 16-bit 44100 Hz ".wav" file (stereo unless told) holding exactly these samples.
void WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
              std::uint32_t channels = 2) {
  const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> bytes;
  auto put = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto tag = [&](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
  tag("RIFF"); put(36 + data, 4); tag("WAVE");
  tag("fmt "); put(16, 4); put(1, 2); put(channels, 2); put(44100, 4); put(44100 * 2 * channels, 4);
  put(2 * channels, 2); put(16, 2);
  tag("data"); put(data, 4);
  const auto* raw = reinterpret_cast<const std::uint8_t*>(samples.data());
  bytes.insert(bytes.end(), raw, raw + data);
  audio_test::WriteFileBytes(path, bytes);
}

bool Contains(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

}  // namespace

TEST(SdlAudio, DiskDriverOutputIsTheDecodedMusicAndTheEffect) {
  TempFolder folder;
  const auto output = folder / "out.raw";
  // 1.5 s: more than the four buffers hold, so the track needs refilling from the pump.
  audio_test::WriteOggFile(folder / "Theme.ogg", 2, 44100, 66150);
  std::vector<std::int16_t> ping;
  for (int i = 0; i < 4000; ++i) ping.push_back(static_cast<std::int16_t>((i * 37) % 20000 - 10000));
  WriteWav(folder / "Ping.wav", ping);

  ScopedEnv env;
  env.Set("SDL_AUDIODRIVER", "disk");
  env.Set("SDL_DISKAUDIOFILE", output.string());
  env.Set("FARHAVEN_ASSETS", folder.path().string());
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
  ASSERT_TRUE(audio::InitAudio());
  audio::SdlSoundOutput* out = audio::GameSoundOutput();
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(audio::CurrentSoundOutput(), out);

  out->OpenOggChannel(1, "theme.OGG");
  ASSERT_NE(out->Channels().Device(1), nullptr);
  out->PlayOggChannel(1);
  // An event loop that sleeps until something happens: played buffers wake it.
  int wakes = 0;
  for (int i = 0; i < 3000 && out->Channels().Device(1); ++i) {
    SDL_Event ev;
    if (SDL_WaitEventTimeout(&ev, 100) && ev.type == audio::AudioWakeEventType()) ++wakes;
    audio::PumpAudio();
  }
  EXPECT_EQ(out->Channels().Device(1), nullptr) << "the track never finished";
  EXPECT_GT(wakes, 0);

  const auto before = std::filesystem::file_size(output);
  out->PlayEffect("PING.wav");
  const auto wanted = before + ping.size() * 2 + 64 * 1024;
  for (int i = 0; i < 30000 && std::filesystem::file_size(output) < wanted; ++i) SDL_Delay(1);
  audio::ShutdownAudio();
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
  EXPECT_EQ(audio::CurrentSoundOutput(), nullptr);

  const auto written = audio_test::ReadFileBytes(output);
  const auto music = audio_test::DecodeOggFile(folder / "Theme.ogg");
  ASSERT_EQ(music.size(), 66150u * 4);
  EXPECT_TRUE(Contains(written, music)) << "the decoded track is not in the output unchanged";
  const auto* raw = reinterpret_cast<const std::uint8_t*>(ping.data());
  EXPECT_TRUE(Contains(written, std::vector<std::uint8_t>(raw, raw + ping.size() * 2)));
}

TEST(SdlAudio, MissingDriverRunsSilentWithOneLogLine) {
  audio::ForgetReportedAudioErrors();
  ScopedEnv env;
  env.Set("SDL_AUDIODRIVER", "nonexistent");
  state::SoundEffectsOn = 1;
  state::MusicOn = 1;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(audio::InitAudio());
  EXPECT_EQ(audio::GameSoundOutput(), nullptr);
  EXPECT_EQ(audio::CurrentSoundOutput(), nullptr);
  // The game goes on: cues are silent but still draw, the pump has nothing to do.
  state::Randomize(5);
  audio::PlayButtonSound();
  audio::PlayFireGunsSound();
  audio::PlayNextMusicTrack();
  audio::PlayCrewCombatMusic();
  audio::PumpAudio();
  audio::ShutdownAudio();
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
  EXPECT_NE(log.find("runs silent"), std::string::npos) << log;
  state::Randomize(5);
  state::Random(2);
  state::Random(100);
  const std::uint32_t afterTwoDraws = state::RandSeed;
  state::Randomize(5);
  audio::PlayFireGunsSound();
  audio::PlayCrewCombatMusic();
  EXPECT_EQ(state::RandSeed, afterTwoDraws);
  audio::IntroPlayed = false;
}

TEST(SdlAudio, EffectsLoadAsStereoAtTheOutputRate) {
  TempFolder folder;
  WriteWav(folder / "Stereo.wav", {100, -100, 2000, -2000});
  WriteWav(folder / "Mono.wav", {300, -400, 500}, 1);
  WriteWav(folder / "Empty.wav", {});
  audio_test::WriteFileBytes(folder / "Noise.wav", std::vector<std::uint8_t>(64, 0x5a));
  struct Case {
    const char* file;
    std::optional<audio::EffectSamples> samples;  // nothing: the file cannot be played
  };
  for (const Case& c : {Case{"Stereo.wav", audio::EffectSamples{100, -100, 2000, -2000}},
                        Case{"Mono.wav", audio::EffectSamples{300, 300, -400, -400, 500, 500}},
                        Case{"Empty.wav", std::nullopt}, Case{"Noise.wav", std::nullopt}}) {
    SCOPED_TRACE(c.file);
    std::string why;
    const auto loaded = audio::LoadEffect((folder / c.file).string(), why);
    if (c.samples) {
      ASSERT_NE(loaded, nullptr) << why;
      ASSERT_EQ(loaded->size(), c.samples->size());
      // A converted file may lose the lowest bit on its way through the converter.
      for (std::size_t i = 0; i < loaded->size(); ++i) EXPECT_NEAR((*loaded)[i], (*c.samples)[i], 1) << i;
    } else if (loaded) {
      EXPECT_TRUE(loaded->empty());  // an effect without sound plays nothing
    } else {
      EXPECT_FALSE(why.empty());
    }
  }
}
