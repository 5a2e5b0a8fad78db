#include "audio/ogg_channels.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "audio/asset_files.h"
#include "audio/sound.h"
#include "tests/audio/fake_wave_backend.h"
#include "tests/audio/ogg_fixture.h"

using audio::OggChannels;
using audio_test::FakeWaveBackend;
using audio_test::TempFolder;

namespace {

class OggChannelsTest : public testing::Test {
 protected:
  // Files are looked up in the test's own folder, by exact name.
  OggChannels::FileFinder Finder() {
    return [this](std::string_view name) -> std::optional<std::filesystem::path> {
      const auto path = folder / std::string(name);
      if (std::filesystem::exists(path)) return path;
      return std::nullopt;
    };
  }

  // Plays the device's buffers back until channel `channel` has released itself.
  void PlayToEnd(OggChannels& channels, int channel) {
    for (int guard = 0; channels.Device(channel) && guard < 10000; ++guard) {
      ASSERT_TRUE(backend.CompleteOldest()) << "channel " << channel << " stalled";
      audio::DeliverBufferDoneNotices();
    }
  }

  TempFolder folder;
  FakeWaveBackend backend;
};

}  // namespace

TEST_F(OggChannelsTest, PlaysWholeFileAndReleasesItself) {
  struct Case {
    int channels;
    long rate;
    long frames;
  };
  for (const Case c : {Case{1, 22050, 30000}, Case{2, 44100, 50000}}) {
    SCOPED_TRACE(c.channels);
    FakeWaveBackend fresh;
    const auto path = folder / "Track.ogg";
    audio_test::WriteOggFile(path, c.channels, c.rate, c.frames);
    OggChannels channels(fresh, Finder());
    channels.OpenOggChannel(2, "Track.ogg");
    audio::TWaveOut* device = channels.Device(2);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->Opened());
    EXPECT_FALSE(device->Playing());
    EXPECT_EQ(device->Format().channels, c.channels);
    EXPECT_EQ(device->Format().samplesPerSec, static_cast<std::uint32_t>(c.rate));
    EXPECT_EQ(fresh.Count("write"), 0);  // opening does not play

    channels.PlayOggChannel(2);
    for (int guard = 0; channels.Device(2) && guard < 1000; ++guard) {
      ASSERT_TRUE(fresh.CompleteOldest());
      audio::DeliverBufferDoneNotices();
    }
    EXPECT_EQ(channels.Device(2), nullptr);
    EXPECT_FALSE(channels.HasStream(2));
    EXPECT_EQ(channels.FileName(2), "Track.ogg");
    EXPECT_EQ(fresh.played.size(), static_cast<std::size_t>(c.frames * c.channels * 2));
    EXPECT_EQ(fresh.played, audio_test::DecodeOggFile(path));
    EXPECT_TRUE(fresh.openHandles.empty());
    channels.CloseOggChannel(2);  // already released: nothing to do
  }
}

TEST_F(OggChannelsTest, EachBufferIsStampedWithThePositionOfItsFirstSample) {
  struct Case {
    int channels;
    long rate;
  };
  for (const Case c : {Case{1, 22050}, Case{2, 44100}}) {
    SCOPED_TRACE(c.channels);
    FakeWaveBackend fresh;
    audio_test::WriteOggFile(folder / "Long.ogg", c.channels, c.rate, 8 * c.rate);
    OggChannels channels(fresh, Finder());
    channels.OpenOggChannel(1, "Long.ogg");
    const audio::WaveBuffer* first = channels.Device(1)->NextFreeBuffer();
    ASSERT_NE(first, nullptr);
    channels.PlayOggChannel(1);
    EXPECT_DOUBLE_EQ(first->playPosition, 0.0);
    // Played back, the first buffer is refilled after the four the pool held.
    ASSERT_TRUE(fresh.CompleteOldest());
    audio::DeliverBufferDoneNotices();
    const double framesPerBuffer = audio::TWaveOut::kBufferSize / (2.0 * c.channels);
    EXPECT_DOUBLE_EQ(first->playPosition, 4 * framesPerBuffer / static_cast<double>(c.rate));
    channels.CloseOggChannel(1);
  }
}

TEST_F(OggChannelsTest, ReopeningStopsTheOldSoundAndStartsNothing) {
  audio_test::WriteOggFile(folder / "A.ogg", 2, 44100, 400000);
  OggChannels channels(backend, Finder());
  channels.OpenOggChannel(1, "A.ogg");
  channels.PlayOggChannel(1);
  ASSERT_EQ(backend.pending.size(), 4u);
  channels.OpenOggChannel(1, "A.ogg");
  EXPECT_TRUE(backend.pending.empty());  // the old device was reset: every buffer came back
  EXPECT_EQ(backend.openHandles.size(), 1u);
  ASSERT_NE(channels.Device(1), nullptr);
  EXPECT_FALSE(channels.Device(1)->Playing());
  audio::DeliverBufferDoneNotices();  // the old device's returns are dropped
  EXPECT_NE(channels.Device(1), nullptr);
}

TEST_F(OggChannelsTest, TwoChannelsPlayIndependently) {
  audio_test::WriteOggFile(folder / "Long.ogg", 2, 44100, 200000);
  audio_test::WriteOggFile(folder / "Short.ogg", 1, 22050, 5000);
  OggChannels channels(backend, Finder());
  channels.OpenOggChannel(2, "Long.ogg");
  channels.OpenOggChannel(3, "Short.ogg");
  channels.PlayOggChannel(2);
  channels.PlayOggChannel(3);
  PlayToEnd(channels, 3);
  EXPECT_EQ(channels.Device(3), nullptr);
  ASSERT_NE(channels.Device(2), nullptr);
  EXPECT_TRUE(channels.Device(2)->Playing());
  PlayToEnd(channels, 2);
  EXPECT_EQ(backend.played.size(), static_cast<std::size_t>(200000 * 4 + 5000 * 2));
}

TEST_F(OggChannelsTest, ChannelsWithoutHandlersAreNeverFed) {
  audio_test::WriteOggFile(folder / "A.ogg", 2, 44100, 1000);
  OggChannels channels(backend, Finder());
  for (const int channel : {0, 7}) {
    channels.OpenOggChannel(channel, "A.ogg");
    ASSERT_NE(channels.Device(channel), nullptr);
    channels.PlayOggChannel(channel);
    EXPECT_EQ(backend.Count("write"), 0);
  }
  // Outside the table: logged and ignored.
  testing::internal::CaptureStderr();
  channels.OpenOggChannel(8, "A.ogg");
  channels.OpenOggChannel(-1, "A.ogg");
  channels.PlayOggChannel(8);
  channels.CloseOggChannel(-1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(backend.openHandles.size(), 2u);
}

TEST_F(OggChannelsTest, UnplayableFilesLeaveTheChannelEmpty) {
  audio::ForgetReportedAudioErrors();
  audio_test::WriteOggFile(folder / "Three.ogg", 3, 44100, 2000);
  audio_test::WriteFileBytes(folder / "Noise.ogg", std::vector<std::uint8_t>(5000, 0x5a));
  audio_test::WriteFileBytes(folder / "Empty.ogg", {});
  OggChannels channels(backend, Finder());
  for (const char* name : {"Three.ogg", "Noise.ogg", "Empty.ogg", "Missing.ogg"}) {
    SCOPED_TRACE(name);
    testing::internal::CaptureStderr();
    channels.OpenOggChannel(1, name);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find(name), std::string::npos) << log;
    EXPECT_EQ(channels.Device(1), nullptr);
    EXPECT_FALSE(channels.HasStream(1));
    channels.PlayOggChannel(1);
  }
  EXPECT_EQ(backend.Count("open"), 0);
  EXPECT_EQ(backend.Count("write"), 0);
}

TEST_F(OggChannelsTest, DamagedStreamsEndCleanly) {
  const auto good = folder / "Good.ogg";
  audio_test::WriteOggFile(good, 2, 44100, 400000);
  const std::vector<std::uint8_t> bytes = audio_test::ReadFileBytes(good);
  const std::size_t expected = 400000 * 4;

  std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() * 6 / 10));
  std::vector<std::uint8_t> scrambled = bytes;
  for (std::size_t i = bytes.size() / 2; i < bytes.size() / 2 + 2000; ++i) scrambled[i] ^= 0xa5;
  audio_test::WriteFileBytes(folder / "Truncated.ogg", truncated);
  audio_test::WriteFileBytes(folder / "Scrambled.ogg", scrambled);

  OggChannels channels(backend, Finder());
  for (const char* name : {"Truncated.ogg", "Scrambled.ogg"}) {
    SCOPED_TRACE(name);
    backend.played.clear();
    testing::internal::CaptureStderr();
    channels.OpenOggChannel(1, name);
    ASSERT_NE(channels.Device(1), nullptr);
    channels.PlayOggChannel(1);
    PlayToEnd(channels, 1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(channels.Device(1), nullptr);
    EXPECT_FALSE(channels.HasStream(1));
    EXPECT_GT(backend.played.size(), 0u);
    EXPECT_LT(backend.played.size(), expected);
    EXPECT_EQ(backend.played.size() % 4, 0u);  // whole stereo frames only
  }
}

TEST_F(OggChannelsTest, FileWithoutSamplesReleasesTheChannelWhenPlayed) {
  audio_test::WriteOggFile(folder / "Silent.ogg", 2, 44100, 0);
  OggChannels channels(backend, Finder());
  channels.OpenOggChannel(1, "Silent.ogg");
  ASSERT_NE(channels.Device(1), nullptr);
  channels.PlayOggChannel(1);
  EXPECT_EQ(channels.Device(1), nullptr);
  EXPECT_FALSE(channels.HasStream(1));
  EXPECT_EQ(backend.Count("write"), 0);
}

TEST(AssetFiles, FindsBareNamesWithoutRegardToCase) {
  TempFolder folder;
  audio_test::WriteFileBytes(folder / "Intro.ogg", {1});
  audio_test::WriteFileBytes(folder / "button.wav", {1});
  std::filesystem::create_directory(folder / "sub");
  audio_test::WriteFileBytes(folder / "sub" / "x.wav", {1});
  const char* old = std::getenv("FARHAVEN_ASSETS");
  const std::string saved = old ? old : "";
  setenv("FARHAVEN_ASSETS", folder.path().c_str(), 1);
  struct Case {
    const char* name;
    const char* found;  // nullptr: nothing
  };
  for (const Case c : {Case{"Intro.ogg", "Intro.ogg"}, Case{"intro.OGG", "Intro.ogg"},
                       Case{"BUTTON.WAV", "button.wav"}, Case{"Missing.wav", nullptr},
                       Case{"sub/x.wav", nullptr}, Case{"../Intro.ogg", nullptr}, Case{"", nullptr},
                       Case{"sub", nullptr}}) {
    SCOPED_TRACE(c.name);
    const auto path = audio::FindAssetFile(c.name);
    if (c.found) {
      ASSERT_TRUE(path.has_value());
      EXPECT_EQ(path->filename().string(), c.found);
    } else {
      EXPECT_FALSE(path.has_value());
    }
  }
  // The channels use that lookup by default.
  audio_test::WriteOggFile(folder / "Background.ogg", 1, 22050, 1000);
  FakeWaveBackend backend;
  OggChannels channels(backend);
  channels.OpenOggChannel(3, "background.ogg");
  EXPECT_NE(channels.Device(3), nullptr);
  if (old) setenv("FARHAVEN_ASSETS", saved.c_str(), 1); else unsetenv("FARHAVEN_ASSETS");
}

TEST(AssetFiles, ChosenFolderComesBeforeTheEnvironmentAndTheWorkingFolder) {
  TempFolder chosen, fromEnv;
  audio_test::WriteFileBytes(chosen / "Reward2.ogg", {1});
  audio_test::WriteFileBytes(fromEnv / "alert.wav", {1});
  const char* old = std::getenv("FARHAVEN_ASSETS");
  const std::string saved = old ? old : "";
  setenv("FARHAVEN_ASSETS", fromEnv.path().c_str(), 1);

  audio::SetAssetFolder(chosen.path().string());
  EXPECT_EQ(audio::AssetFolder(), chosen.path());
  const auto reward = audio::FindAssetFile("reward2.ogg");
  ASSERT_TRUE(reward.has_value());
  EXPECT_EQ(reward->parent_path(), chosen.path());
  EXPECT_FALSE(audio::FindAssetFile("alert.wav").has_value());

  // Cleared: the environment again, and without it the working folder.
  audio::SetAssetFolder("");
  EXPECT_EQ(audio::AssetFolder(), fromEnv.path());
  EXPECT_TRUE(audio::FindAssetFile("ALERT.wav").has_value());
  unsetenv("FARHAVEN_ASSETS");
  EXPECT_EQ(audio::AssetFolder(), std::filesystem::path("."));
  if (old) setenv("FARHAVEN_ASSETS", saved.c_str(), 1);
}
