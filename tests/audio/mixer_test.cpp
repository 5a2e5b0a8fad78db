#include "audio/mixer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using audio::Mixer;
using audio::WaveHeader;

namespace {

std::vector<std::pair<std::uint64_t, WaveHeader*>> returned;
bool Collect(std::uint64_t instance, WaveHeader* header) {
  returned.push_back({instance, header});
  return returned.size() == 1;
}

// A buffer of 16-bit samples the mixer can play.
struct Buffer {
  explicit Buffer(std::vector<std::int16_t> s) : samples(std::move(s)) {
    header.data = reinterpret_cast<const std::uint8_t*>(samples.data());
    header.length = static_cast<std::uint32_t>(samples.size() * 2);
  }
  std::vector<std::int16_t> samples;
  WaveHeader header;
};

std::vector<std::int16_t> MixFrames(Mixer& mixer, int frames) {
  std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2, 12345);
  mixer.Mix(out.data(), frames);
  return out;
}

class MixerTest : public testing::Test {
 protected:
  void SetUp() override { returned.clear(); }
  Mixer mixer{&Collect};
};

}  // namespace

TEST_F(MixerTest, AddsVoicesAndSaturatesAtTheSixteenBitLimits) {
  Buffer a({30000, -30000, 1000, -1000});
  Buffer b({30000, -30000, 2000, 500});
  const auto va = mixer.AddVoice(1, 2, 44100);
  const auto vb = mixer.AddVoice(2, 2, 44100);
  mixer.Queue(va, &a.header);
  mixer.Queue(vb, &b.header);
  EXPECT_EQ(MixFrames(mixer, 3), (std::vector<std::int16_t>{32767, -32768, 3000, -500, 0, 0}));
  // Both buffers went back to their owners once played.
  ASSERT_EQ(returned.size(), 2u);
  EXPECT_EQ(returned[0], std::make_pair(std::uint64_t{1}, &a.header));
  EXPECT_EQ(returned[1], std::make_pair(std::uint64_t{2}, &b.header));
}

TEST_F(MixerTest, MonoGoesToBothSidesAndBuffersFollowInOrder) {
  Buffer first({100, 200});
  Buffer second({300});
  const auto v = mixer.AddVoice(7, 1, 44100);
  mixer.Queue(v, &first.header);
  mixer.Queue(v, &second.header);
  EXPECT_EQ(MixFrames(mixer, 4), (std::vector<std::int16_t>{100, 100, 200, 200, 300, 300, 0, 0}));
  ASSERT_EQ(returned.size(), 2u);
  EXPECT_EQ(returned[0].second, &first.header);
  EXPECT_EQ(returned[1].second, &second.header);
}

TEST_F(MixerTest, HalfRateVoiceIsStretchedToTheOutputRate) {
  std::vector<std::int16_t> ramp;
  for (int i = 0; i < 100; ++i) ramp.push_back(static_cast<std::int16_t>(i * 100));
  Buffer b(ramp);
  const auto v = mixer.AddVoice(1, 1, 22050);
  mixer.Queue(v, &b.header);
  const auto out = MixFrames(mixer, 150);
  EXPECT_TRUE(returned.empty());  // 150 output frames use only about 75 input frames
  // Interpolated: every output lies between neighbouring inputs and never goes backwards.
  for (std::size_t i = 2; i < out.size(); i += 2) {
    EXPECT_GE(out[i], out[i - 2]);
    EXPECT_EQ(out[i], out[i + 1]);
  }
  EXPECT_NEAR(out[2 * 100], 4900, 100);
  MixFrames(mixer, 60);
  EXPECT_EQ(returned.size(), 1u);
}

TEST_F(MixerTest, ResetGivesEveryBufferBackAndSilencesTheVoice) {
  Buffer a({1, 1, 1, 1});
  Buffer b({2, 2});
  const auto v = mixer.AddVoice(3, 2, 44100);
  mixer.Queue(v, &a.header);
  mixer.Queue(v, &b.header);
  MixFrames(mixer, 1);
  EXPECT_EQ(mixer.RemoveVoice(v), audio::kWaveStillPlaying);
  mixer.Reset(v);
  ASSERT_EQ(returned.size(), 2u);
  EXPECT_EQ(returned[0].second, &a.header);
  EXPECT_EQ(returned[1].second, &b.header);
  EXPECT_EQ(MixFrames(mixer, 2), (std::vector<std::int16_t>{0, 0, 0, 0}));
  EXPECT_EQ(mixer.RemoveVoice(v), audio::kWaveOk);
  EXPECT_EQ(mixer.Queue(v, &a.header), audio::kWaveInvalidHandle);
}

TEST_F(MixerTest, NewEffectStopsThePreviousOne) {
  auto first = std::make_shared<audio::EffectSamples>(audio::EffectSamples{10, 10, 10, 10, 10, 10});
  auto second = std::make_shared<audio::EffectSamples>(audio::EffectSamples{-5, -5});
  mixer.PlayEffect(first);
  EXPECT_EQ(MixFrames(mixer, 1), (std::vector<std::int16_t>{10, 10}));
  mixer.PlayEffect(second);
  EXPECT_EQ(MixFrames(mixer, 3), (std::vector<std::int16_t>{-5, -5, 0, 0, 0, 0}));
}

// The device may rest only while nothing is left to play: no queued buffer, no effect still going.
TEST_F(MixerTest, IsSilentOnlyWhenEveryBufferAndTheEffectHavePlayed) {
  EXPECT_TRUE(mixer.Silent());
  Buffer music({1, 2, 3, 4});
  const auto voice = mixer.AddVoice(1, 2, 44100);
  EXPECT_TRUE(mixer.Silent()) << "an open voice without buffers";
  mixer.Queue(voice, &music.header);
  EXPECT_FALSE(mixer.Silent()) << "a queued buffer";
  MixFrames(mixer, 2);
  EXPECT_TRUE(mixer.Silent()) << "the buffer played out";
  mixer.PlayEffect(std::make_shared<const audio::EffectSamples>(std::vector<std::int16_t>{5, 6, 7, 8}));
  EXPECT_FALSE(mixer.Silent()) << "an effect starts";
  MixFrames(mixer, 1);
  EXPECT_FALSE(mixer.Silent()) << "half the effect played";
  MixFrames(mixer, 1);
  EXPECT_TRUE(mixer.Silent()) << "the effect played out";
}
