#include "audio/sound.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "state/random.h"
#include "state/variables.h"

namespace {

// Records every call the cues make, as "effect X", "close N", "open N X", "play N".
struct RecordingOutput : audio::SoundOutput {
  std::vector<std::string> calls;
  bool failOpen = false;
  void PlayEffect(std::string_view f) override { calls.push_back("effect " + std::string(f)); }
  void OpenOggChannel(int c, std::string_view f) override {
    if (failOpen) throw std::runtime_error("cannot open " + std::string(f));
    calls.push_back("open " + std::to_string(c) + " " + std::string(f));
  }
  void PlayOggChannel(int c) override { calls.push_back("play " + std::to_string(c)); }
  void CloseOggChannel(int c) override { calls.push_back("close " + std::to_string(c)); }
  std::vector<std::string> Take() { return std::exchange(calls, {}); }
};

using Calls = std::vector<std::string>;

Calls Track(int channel, const std::string& file) {
  const std::string c = std::to_string(channel);
  return {"close " + c, "open " + c + " " + file, "play " + c};
}

class SoundCues : public testing::Test {
 protected:
  void SetUp() override {
    state::SoundEffectsOn = 1;
    state::MusicOn = 1;
    audio::IntroPlayed = false;
    audio::LastMusicChannel = 0;
    audio::ForgetReportedAudioErrors();
    state::Randomize(0);
    audio::SetSoundOutput(&out);
  }
  void TearDown() override { audio::SetSoundOutput(nullptr); }
  RecordingOutput out;
};

}  // namespace

TEST_F(SoundCues, EffectsPlayTheirFilesOnlyWhenEffectsAreOn) {
  struct Case {
    void (*cue)();
    const char* file;
  };
  const Case cases[] = {
      {audio::PlayButtonSound, "button.wav"},         {audio::PlayAlertSound, "alert.wav"},
      {audio::PlayMaximizeSound, "maxi.wav"},         {audio::PlayMinimizeSound, "mini.wav"},
      {audio::PlayRewardSound, "Reward1.wav"},        {audio::PlayAbilityUsedSound, "AbilityUsed.wav"},
      {audio::PlayEcmSound, "ECM.wav"},               {audio::PlayMissileSound, "Missile.wav"},
      {audio::PlayMissileExplosionSound, "Explosion_Missile.wav"},
      {audio::PlayShipExplosionSound, "Explosion_Ship.wav"},
  };
  for (const Case& c : cases) {
    state::SoundEffectsOn = 1;
    c.cue();
    EXPECT_EQ(out.Take(), Calls{"effect " + std::string(c.file)});
    state::SoundEffectsOn = 0;
    c.cue();
    EXPECT_EQ(out.Take(), Calls{});
  }
  state::SoundEffectsOn = 1;
  audio::PlayRadarSound();
  EXPECT_EQ(out.Take(), Calls{});
}

TEST_F(SoundCues, GunsAndFlightDrawOnEveryCallEvenWithEffectsOff) {
  // The picks follow the generator: the same draws made directly give the same files.
  state::Randomize(77);
  std::vector<int> draws;
  for (int i = 0; i < 6; ++i) draws.push_back(state::Random(2) + 1);
  const std::uint32_t afterSix = state::RandSeed;

  state::Randomize(77);
  Calls expected;
  for (int i = 0; i < 6; ++i) {
    const bool fly = i % 2;
    (fly ? audio::PlayFlySound : audio::PlayFireGunsSound)();
    expected.push_back(std::string("effect ") +
                       (fly ? (draws[i] == 1 ? "Fly1.wav" : "Fly2.wav")
                            : (draws[i] == 1 ? "FireGuns.wav" : "FireGuns2.wav")));
  }
  EXPECT_EQ(out.Take(), expected);

  // Effects off, and then no output at all: silent, but one draw per call all the same.
  state::Randomize(77);
  state::SoundEffectsOn = 0;
  for (int i = 0; i < 3; ++i) (i % 2 ? audio::PlayFlySound : audio::PlayFireGunsSound)();
  audio::SetSoundOutput(nullptr);
  state::SoundEffectsOn = 1;
  for (int i = 3; i < 6; ++i) (i % 2 ? audio::PlayFlySound : audio::PlayFireGunsSound)();
  EXPECT_EQ(out.Take(), Calls{});
  EXPECT_EQ(state::RandSeed, afterSix);
}

TEST_F(SoundCues, EventMusicReplacesChannelOneAndIsGatedByEffects) {
  audio::PlayRewardMusic();
  audio::PlayAwardMusic();
  audio::PlayRankPromotionMusic();
  Calls expected;
  for (int i = 0; i < 3; ++i) {
    const Calls t = Track(1, "Reward2.ogg");
    expected.insert(expected.end(), t.begin(), t.end());
  }
  EXPECT_EQ(out.Take(), expected);
  audio::CloseSoundChannel4();
  EXPECT_EQ(out.Take(), Calls{"close 4"});

  state::SoundEffectsOn = 0;
  state::MusicOn = 1;  // the music option does not matter here
  audio::PlayRewardMusic();
  audio::PlayAwardMusic();
  audio::PlayRankPromotionMusic();
  audio::CloseSoundChannel4();
  EXPECT_EQ(out.Take(), Calls{});
}

TEST_F(SoundCues, CrewCombatMusicDrawsOnlyWithEffectsOn) {
  // Threshold 41 of Random(100): find the file from the seed's own next draw.
  for (const std::uint32_t seed : {0u, 1u, 2u, 3u, 4u, 5u}) {
    state::Randomize(seed);
    const int r = state::Random(100);
    state::Randomize(seed);
    audio::PlayCrewCombatMusic();
    EXPECT_EQ(out.Take(), Track(1, r < 41 ? "CrewCombat.ogg" : "CrewCombat2.ogg"));
  }
  state::SoundEffectsOn = 0;
  state::Randomize(9);
  audio::PlayCrewCombatMusic();
  EXPECT_EQ(state::RandSeed, 9u);
  EXPECT_EQ(out.Take(), Calls{});
}

TEST_F(SoundCues, MusicTimerPlaysIntroOnceThenAlternatesBackgroundChannels) {
  // A fake clock driven by the intervals the timer asks for.
  int clock = audio::kMusicTimerFirstInterval;
  std::vector<int> tickTimes;
  Calls expected;
  for (int i = 0; i < 5; ++i) {
    tickTimes.push_back(clock);
    clock += audio::MusicTimerTick();
  }
  EXPECT_EQ(tickTimes, (std::vector<int>{1000, 61000, 120000, 179000, 238000}));
  for (const Calls& t : {Track(2, "Intro.ogg"), Track(2, "Background.ogg"), Track(3, "Background.ogg"),
                         Track(2, "Background.ogg"), Track(3, "Background.ogg")})
    expected.insert(expected.end(), t.begin(), t.end());
  EXPECT_EQ(out.Take(), expected);
  EXPECT_TRUE(audio::IntroPlayed);
  EXPECT_EQ(audio::LastMusicChannel, 3);
}

TEST_F(SoundCues, MusicOffIsSilentAndSwitchingOnPlaysTheIntroFirst) {
  state::MusicOn = 0;
  EXPECT_EQ(audio::MusicTimerTick(), 60000);
  EXPECT_EQ(audio::MusicTimerTick(), 60000);
  EXPECT_FALSE(audio::IntroPlayed);
  EXPECT_EQ(out.Take(), Calls{});

  int restarts = 0;
  static int* counter;
  counter = &restarts;
  audio::SetMusicTimerRestart([] { ++*counter; });
  state::MusicOn = 1;
  audio::RestartMusicTimer();
  EXPECT_EQ(restarts, 1);
  EXPECT_EQ(audio::MusicTimerTick(), 60000);
  EXPECT_EQ(out.Take(), Track(2, "Intro.ogg"));
  audio::SetMusicTimerRestart(nullptr);

  // Switching off and on again keeps the rotation where it was.
  audio::PlayNextMusicTrack();
  audio::PlayNextMusicTrack();
  out.Take();
  state::MusicOn = 0;
  audio::StopMusic();
  audio::PlayNextMusicTrack();
  state::MusicOn = 1;
  audio::PlayNextMusicTrack();
  EXPECT_EQ(out.Take(), (Calls{"close 2", "close 3", "close 2", "open 2 Background.ogg", "play 2"}));
}

TEST_F(SoundCues, StopMusicClosesBothBackgroundChannelsWhateverTheOptions) {
  state::MusicOn = 0;
  state::SoundEffectsOn = 0;
  audio::StopMusic();
  EXPECT_EQ(out.Take(), (Calls{"close 2", "close 3"}));
}

TEST_F(SoundCues, OutputFailuresAreLoggedOnceAndNeverReachTheCaller) {
  out.failOpen = true;
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(audio::PlayNextMusicTrack());
  EXPECT_NO_THROW(audio::PlayRewardMusic());
  EXPECT_NO_THROW(audio::PlayRewardMusic());
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("cannot open Intro.ogg"), std::string::npos) << log;
  EXPECT_EQ(log.find("cannot open Reward2.ogg"), log.rfind("cannot open Reward2.ogg")) << log;
  // The rotation goes on: the next tick plays the first background track.
  EXPECT_TRUE(audio::IntroPlayed);
  out.failOpen = false;
  out.Take();
  audio::PlayNextMusicTrack();
  EXPECT_EQ(out.Take(), Track(2, "Background.ogg"));
}
