// The game options screen: what each tile switches and how it looks by its setting, the combat
// timers' pacing, the compatibility mode's question and notice, the lit tile under the mouse, and
// Close.
#include "screens/career/game_options.h"

#include <filesystem>

#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/general_data.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;

// The sound cues, with the music channels the options close.
struct MusicRecorder : SoundRecorder {
  std::vector<int> closed;
  void CloseOggChannel(int channel) override { closed.push_back(channel); }
};

int musicRestarts = 0;
void CountMusicRestart() { ++musicRestarts; }

class GameOptionsTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    audio::SetSoundOutput(&music);
    audio::SetMusicTimerRestart(&CountMusicRestart);
    musicRestarts = 0;
    state::SetGeneralDataDefaults();
    state::CompatibilityMode = 0;
    options().Show();
    options().RefreshGameOptionsScreen();
  }
  void TearDown() override {
    audio::SetMusicTimerRestart(nullptr);
    GameFormsTest::TearDown();
  }

  void Click(const char* component) { ClickOn(*options().Find(component)); }
  const std::string& PictureOf(const char* image) { return Picture(options(), image); }
  // The mouse onto the Close tile, away from every setting tile.
  void LeaveTiles() { MoveOnto(options().Get<Image>("CloseTile"), -50); }

  static screens::GameOptionsScreen& options() {
    return screens::GameForm<screens::GameOptionsScreen>();
  }
  static screens::TextPopup& notice() { return screens::GameForm<screens::TextPopup>(); }
  static screens::YesNoPopup& question() { return screens::GameForm<screens::YesNoPopup>(); }
  MusicRecorder music;
};

// The five flag tiles: each click on the picture or the label switches the flag both ways; the
// tile shows on or off by the flag, lit while the mouse is on it.
TEST_F(GameOptionsTest, FlagTilesSwitchTheirFlagBothWaysFromPictureAndLabel) {
  struct Case {
    const char* image;
    const char* label;
    const char* number;
    std::uint8_t* flag;
    std::vector<std::string> sounds;  // of a switch on and then off, both with effects on
  };
  const std::vector<std::string> twoClicks = {"button.wav", "button.wav"};
  const Case cases[] = {
      {"MusicTile",  "MusicLabel",  "02", &state::MusicOn,       twoClicks},
      {"AutoEndTurnTile",  "AutoEndTurnLabel",  "05", &state::AutoEndTurn,   twoClicks},
      {"VeteranModeTile",  "VeteranModeLabel",  "09", &state::VeteranMode,   twoClicks},
      {"WarMessagesTile", "WarMessagesLabel", "11", &state::NoWarPopups,   twoClicks},
      {"SoundEffectsTile",  "SoundEffectsLabel",  "03", &state::SoundEffectsOn, {}},
  };
  for (const Case& c : cases) {
    for (const char* by : {c.image, c.label}) {
      SCOPED_TRACE(by);
      *c.flag = 0;
      LeaveTiles();
      options().RefreshGameOptionsScreen();
      const std::string n = c.number;
      EXPECT_EQ(PictureOf(c.image), "GameSettings_" + n + ".jpg");
      music.effects.clear();
      Click(by);
      EXPECT_EQ(*c.flag, 1);
      EXPECT_EQ(PictureOf(c.image), "GameSettingsON+_" + n + ".jpg");
      LeaveTiles();
      EXPECT_EQ(PictureOf(c.image), "GameSettingsON_" + n + ".jpg");
      Click(by);
      EXPECT_EQ(*c.flag, 0);
      EXPECT_EQ(PictureOf(c.image), "GameSettingsMouseOver_" + n + ".jpg");
      LeaveTiles();
      EXPECT_EQ(PictureOf(c.image), "GameSettings_" + n + ".jpg");
      EXPECT_EQ(music.effects, c.sounds);
      state::SoundEffectsOn = 1;
    }
  }
}

TEST_F(GameOptionsTest, MusicOffClosesBothBackgroundChannelsAndOnRestartsTheMusicTimer) {
  state::MusicOn = 1;
  Click("MusicLabel");
  EXPECT_EQ(state::MusicOn, 0);
  EXPECT_EQ(music.closed, (std::vector<int>{2, 3}));
  EXPECT_EQ(musicRestarts, 0);
  Click("MusicLabel");
  EXPECT_EQ(state::MusicOn, 1);
  EXPECT_EQ(musicRestarts, 1);
  EXPECT_EQ(music.closed.size(), 2u) << "switching on closes nothing";
}

TEST_F(GameOptionsTest, SoundEffectsSwitchSilentlyBothWays) {
  for (std::uint8_t before : {1, 0}) {
    SCOPED_TRACE(int(before));
    state::SoundEffectsOn = before;
    music.effects.clear();
    Click("SoundEffectsTile");
    EXPECT_EQ(state::SoundEffectsOn, before == 1 ? 0 : 1);
    EXPECT_TRUE(music.effects.empty());
  }
}

// The pacing tiles have no flag: they read the intervals, and any pacing but the normal one
// shows as on.
TEST_F(GameOptionsTest, PacingTilesSwitchBetweenNormalAndSlowFromWhateverIntervalIsSet) {
  struct Case {
    const char* image;
    const char* label;
    std::vector<std::int32_t*> timers;
    std::int32_t before, after;
    const char* pictureBefore;  // while the mouse is elsewhere
    const char* pictureAfter;   // with the mouse on the tile
  };
  std::vector<std::int32_t*> messages = {&state::TimerPlayerMessageInterval,
                                         &state::TimerEnemyMessageInterval};
  std::vector<std::int32_t*> animations = {
      &state::PlayerFireGunImageTimerInterval, &state::EnemyFireGunImageTimerInterval,
      &state::PlayerShieldTimerInterval, &state::EnemyShieldTimerInterval};
  const Case cases[] = {
      {"MessageDelayTile", "MessageDelayLabel", messages,   1200, 2400, "GameSettings_06.jpg",   "GameSettingsON+_06.jpg"},
      {"MessageDelayTile", "MessageDelayLabel", messages,   2400, 1200, "GameSettingsON_06.jpg", "GameSettingsMouseOver_06.jpg"},
      {"MessageDelayTile", "MessageDelayLabel", messages,   100,  1200, "GameSettingsON_06.jpg", "GameSettingsMouseOver_06.jpg"},
      {"SlowAnimationsTile", "SlowAnimationsLabel", animations, 400,  800,  "GameSettings_07.jpg",   "GameSettingsON+_07.jpg"},
      {"SlowAnimationsTile", "SlowAnimationsLabel", animations, 800,  400,  "GameSettingsON_07.jpg", "GameSettingsMouseOver_07.jpg"},
      {"SlowAnimationsTile", "SlowAnimationsLabel", animations, 650,  400,  "GameSettingsON_07.jpg", "GameSettingsMouseOver_07.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " from " + std::to_string(c.before));
    state::SetGeneralDataDefaults();
    for (std::int32_t* t : c.timers) *t = c.before;
    LeaveTiles();
    options().RefreshGameOptionsScreen();
    const char* image = c.image;
    EXPECT_EQ(PictureOf(image), c.pictureBefore);
    music.effects.clear();
    Click(c.label);
    for (std::int32_t* t : c.timers) EXPECT_EQ(*t, c.after);
    EXPECT_EQ(PictureOf(image), c.pictureAfter);
    EXPECT_EQ(music.effects, std::vector<std::string>{"button.wav"});
    // The other pacing is left alone.
    if (c.timers == messages) EXPECT_EQ(state::PlayerFireGunImageTimerInterval, 400);
    else EXPECT_EQ(state::TimerPlayerMessageInterval, 1200);
  }
  // Twice returns to the normal pacing.
  state::SetGeneralDataDefaults();
  Click("MessageDelayLabel");
  Click("MessageDelayLabel");
  EXPECT_EQ(state::TimerPlayerMessageInterval, 1200);
  EXPECT_EQ(state::TimerEnemyMessageInterval, 1200);
}

// Switching the compatibility mode on asks first; the answer decides the mode, and a "no" leaves
// the pacing that was set before the question().
TEST_F(GameOptionsTest, CompatibilityModeComesOnOnlyWhenThePlayerAgrees) {
  struct Case {
    const char* answer;  // the question's button label
    std::int32_t before;
    std::uint8_t mode;
    std::int32_t after;
    const char* picture;
  };
  const Case cases[] = {
      {"YesLabel", 1200, 1, 100,  "GameSettingsON_12.jpg"},
      {"YesLabel", 2400, 1, 100,  "GameSettingsON_12.jpg"},
      {"NoLabel",  1200, 0, 1200, "GameSettings_12.jpg"},
      {"NoLabel",  2400, 0, 2400, "GameSettings_12.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.answer) + " from " + std::to_string(c.before));
    state::CompatibilityMode = 0;
    state::TimerPlayerMessageInterval = c.before;
    state::TimerEnemyMessageInterval = c.before;
    screens::YesNoAnswer = 7;
    music.effects.clear();
    WhenIdle({[&] {
      ASSERT_TRUE(question().Visible());
      EXPECT_TRUE(music.effects.empty()) << "the tile itself plays no sound";
      EXPECT_EQ(state::TimerPlayerMessageInterval, 100) << "the quick pacing comes first";
      EXPECT_EQ(state::TimerEnemyMessageInterval, 100);
      EXPECT_EQ(screens::YesNoAnswer, 0);
      EXPECT_EQ(question().Get<Label>("Topic").Caption(), "Compatibility mode");
      EXPECT_EQ(question().Get<Label>("Text").Caption(),
                "This game offers a compatibility mode for the blind and visually impaired. It "
                "will add additional text and help to the interface. Not recommended for the "
                "general user. Do you wish to turn this mode on?");
      ClickOn(question().Get<Label>(c.answer));
    }});
    Click("CompatibilityLabel");
    EXPECT_FALSE(StepsLeft());
    EXPECT_EQ(state::CompatibilityMode, c.mode);
    EXPECT_EQ(state::TimerPlayerMessageInterval, c.after);
    EXPECT_EQ(state::TimerEnemyMessageInterval, c.after);
    EXPECT_EQ(PictureOf("CompatibilityTile"), c.picture);
    EXPECT_EQ(music.effects, std::vector<std::string>{"button.wav"}) << "the answer's click alone";
  }
}

TEST_F(GameOptionsTest, CompatibilityModeGoesOffWithANoticeAndNormalPacing) {
  for (std::int32_t before : {100, 2400}) {
    SCOPED_TRACE(before);
    state::CompatibilityMode = 1;
    state::TimerPlayerMessageInterval = before;
    state::TimerEnemyMessageInterval = before;
    notice().ShowActionPointBlock(true);  // left over from an ability's information
    music.effects.clear();
    WhenIdle({[&] {
      ASSERT_TRUE(notice().Visible());
      EXPECT_TRUE(music.effects.empty());
      EXPECT_EQ(state::CompatibilityMode, 0);
      EXPECT_EQ(state::TimerPlayerMessageInterval, 1200);
      EXPECT_EQ(notice().Get<Label>("Topic").Caption(), "Compatibility mode");
      EXPECT_EQ(notice().Get<Label>("Text").Caption(),
                "The compatibility mode for the blind and visually impaired has been turned off.");
      EXPECT_FALSE(notice().Get<Label>("ActionPointHeader").Visible());
      ClickOn(notice().Get<Label>("ContinueLabel"));
    }});
    Click("CompatibilityLabel");
    EXPECT_FALSE(StepsLeft());
    EXPECT_EQ(state::TimerEnemyMessageInterval, 1200);
    EXPECT_EQ(PictureOf("CompatibilityTile"), "GameSettings_12.jpg");
    EXPECT_EQ(PictureOf("MessageDelayTile"), "GameSettings_06.jpg") << "normal pacing again";
  }
}

// With the mode on, the delay tile reads as on and the stored general data keeps the normal
// pacing, while the running timers stay quick.
TEST_F(GameOptionsTest, TheQuickPacingShowsAsLongerDelaysAndIsNeverStored) {
  WhenIdle({[&] { ClickOn(question().Get<Label>("YesLabel")); }});
  Click("CompatibilityLabel");
  ASSERT_EQ(state::CompatibilityMode, 1);
  EXPECT_EQ(PictureOf("MessageDelayTile"), "GameSettingsON_06.jpg");
  const auto ints = state::GeneralDataIntBytes();
  const auto texts = state::GeneralDataTextBytes();
  EXPECT_EQ(state::TimerPlayerMessageInterval, 100);
  ASSERT_TRUE(state::ApplyGeneralDataBytes(ints, texts).ok);
  EXPECT_EQ(state::TimerPlayerMessageInterval, 1200);
  EXPECT_EQ(state::TimerEnemyMessageInterval, 1200);
  // Back on the quick pacing, one click on the delay tile gives the normal one.
  state::TimerPlayerMessageInterval = state::TimerEnemyMessageInterval = 100;
  Click("MessageDelayLabel");
  EXPECT_EQ(state::TimerPlayerMessageInterval, 1200);
  EXPECT_EQ(state::TimerEnemyMessageInterval, 1200);
}

// One tile lit at a time: moving onto another tile puts the lit one back to its plain picture by
// its setting; moving about on one tile (its picture, its caption) loads nothing; moving off it
// onto the captions, the empty slots or the frame puts it back too.
TEST_F(GameOptionsTest, OneTileIsLitAtATimeAndLeavingItPutsItOut) {
  struct Tile {
    int index;
    const char* image;
    const char* label;
    const char* plain;
    const char* lit;
  };
  state::VeteranMode = 1;  // one tile that is on
  options().RefreshGameOptionsScreen();
  const Tile tiles[] = {
      {1, "MusicTile",  "MusicLabel",  "GameSettingsON_02.jpg", "GameSettingsON+_02.jpg"},
      {2, "SoundEffectsTile",  "SoundEffectsLabel",  "GameSettingsON_03.jpg", "GameSettingsON+_03.jpg"},
      {3, "AutoEndTurnTile",  "AutoEndTurnLabel",  "GameSettings_05.jpg",   "GameSettingsMouseOver_05.jpg"},
      {4, "MessageDelayTile",  "MessageDelayLabel",  "GameSettings_06.jpg",   "GameSettingsMouseOver_06.jpg"},
      {5, "SlowAnimationsTile",  "SlowAnimationsLabel",  "GameSettings_07.jpg",   "GameSettingsMouseOver_07.jpg"},
      {6, "VeteranModeTile",  "VeteranModeLabel",  "GameSettingsON_09.jpg", "GameSettingsON+_09.jpg"},
      {7, "WarMessagesTile", "WarMessagesLabel", "GameSettings_11.jpg",   "GameSettingsMouseOver_11.jpg"},
      {9, "CompatibilityTile", "CompatibilityLabel", "GameSettings_12.jpg",   "GameSettingsMouseOver_12.jpg"},
      {8, "CloseTile", "CloseLabel", "GameSettings_17.jpg",   "GameSettingsMouseOver_17.jpg"},
  };
  for (const Tile& t : tiles) EXPECT_EQ(PictureOf(t.image), t.plain) << t.image;
  const Tile* before = nullptr;
  for (const Tile& t : tiles) {
    SCOPED_TRACE(t.image);
    MoveOnto(options().Get<Label>(t.label));
    EXPECT_EQ(options().HoverIndex(), t.index);
    EXPECT_EQ(PictureOf(t.image), t.lit);
    if (before) {
      EXPECT_EQ(PictureOf(before->image), before->plain);
    }
    const auto loads = PictureLoads();
    const platform::Rect r = options().Get<Image>(t.image).ScreenRect();
    platform::App().MouseMove(r.x + 2, r.y + 2);  // the picture beside its label
    MoveOnto(options().Get<Label>(t.label));
    EXPECT_EQ(PictureLoads(), loads);
    EXPECT_EQ(options().HoverIndex(), t.index);
    EXPECT_EQ(PictureOf(t.image), t.lit);
    before = &t;
  }
  for (const Tile& t : tiles)
    for (const char* around : {"Topic", "CombatHeading", "EmptyAudioLabel", "EmptyDifficultyTile", "Frame"}) {
      SCOPED_TRACE(std::string(t.image) + " left for " + around);
      MoveOnto(options().Get<Label>(t.label));
      ASSERT_EQ(PictureOf(t.image), t.lit);
      MoveOnto(*options().Find(around));
      EXPECT_EQ(options().HoverIndex(), 0);
      EXPECT_EQ(PictureOf(t.image), t.plain);
    }
  // A refresh keeps the lit tile lit, and leaves Close as it is.
  MoveOnto(options().Get<Label>("VeteranModeLabel"));
  options().RefreshGameOptionsScreen();
  EXPECT_EQ(PictureOf("VeteranModeTile"), "GameSettingsON+_09.jpg");
  EXPECT_EQ(PictureOf("MusicTile"), "GameSettingsON_02.jpg");
  EXPECT_EQ(PictureOf("CloseTile"), "GameSettings_17.jpg");
}

// The three empty tiles read "(empty slot)" and do nothing: a click on the picture or its caption
// switches no setting, plays no sound, keeps the screen open, and does not light the tile (the lit
// tile goes out only because the pointer left it).
TEST_F(GameOptionsTest, EmptyTilesReadEmptySlotAndDoNothing) {
  struct Case {
    const char* tile;
    const char* label;
    const char* heading;  // the group the tile stands in, on its row
  };
  const Case cases[] = {
      {"EmptyAudioTile",      "EmptyAudioLabel",      "AudioHeading"},
      {"EmptyDifficultyTile", "EmptyDifficultyLabel", "DifficultyHeading"},
      {"EmptyOtherTile",      "EmptyOtherLabel",      "OtherHeading"},
  };
  state::MusicOn = 1;
  state::VeteranMode = 1;
  options().RefreshGameOptionsScreen();
  for (const Case& c : cases) {
    const Image& tile = options().Get<Image>(c.tile);
    const Label& label = options().Get<Label>(c.label);
    EXPECT_EQ(label.Caption(), "(empty slot)") << c.label;
    EXPECT_EQ(PictureOf(c.tile), "GameSettings_Empty.jpg");
    const platform::Rect t = tile.ScreenRect(), l = label.ScreenRect();
    EXPECT_TRUE(l.x >= t.x && l.y >= t.y && l.x + l.w <= t.x + t.w && l.y + l.h <= t.y + t.h)
        << c.label << " on its tile";
    const platform::Rect heading = options().Get<Label>(c.heading).ScreenRect();
    EXPECT_EQ(t.y, heading.y + heading.h + 4) << c.tile << " under " << c.heading;
    for (const char* by : {c.tile, c.label}) {
      SCOPED_TRACE(by);
      MoveOnto(options().Get<Label>("VeteranModeLabel"));
      const auto ints = state::GeneralDataIntBytes();
      const std::uint8_t compatibility = state::CompatibilityMode;
      const auto loads = PictureLoads();
      music.effects.clear();
      Click(by);
      Click(by);
      EXPECT_EQ(state::GeneralDataIntBytes(), ints) << "no setting switched";
      EXPECT_EQ(state::CompatibilityMode, compatibility);
      EXPECT_TRUE(music.effects.empty());
      EXPECT_EQ(PictureLoads(), loads + 1) << "only the veteran tile's light going out";
      EXPECT_EQ(options().HoverIndex(), 0) << "the pointer left the veteran tile, and the empty one stays dark";
      EXPECT_EQ(PictureOf("VeteranModeTile"), "GameSettingsON_09.jpg");
      EXPECT_EQ(PictureOf(c.tile), "GameSettings_Empty.jpg");
      EXPECT_TRUE(options().Visible());
      EXPECT_FALSE(question().Visible());
      EXPECT_FALSE(notice().Visible());
    }
  }
}

TEST_F(GameOptionsTest, CloseFromPictureOrLabelEndsTheShowingWithAClick) {
  options().Hide();
  for (const char* closer : {"CloseTile", "CloseLabel"}) {
    SCOPED_TRACE(closer);
    music.effects.clear();
    WhenIdle({[&] {
      EXPECT_TRUE(options().Modal());
      Click(closer);
    }});
    options().ShowModal();
    EXPECT_FALSE(StepsLeft());
    EXPECT_FALSE(options().Visible());
    EXPECT_EQ(music.effects, std::vector<std::string>{"button.wav"});
  }
}

TEST_F(GameOptionsTest, ScreenshotShowsEveryGroupAndTile) {
  platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
  state::MusicOn = 1;
  state::VeteranMode = 1;
  state::TimerPlayerMessageInterval = state::TimerEnemyMessageInterval = 2400;
  options().RefreshGameOptionsScreen();
  MoveOnto(options().Get<Label>("SlowAnimationsLabel"));
  const auto png = std::filesystem::path(::testing::TempDir()) / "game_options.png";
  EXPECT_TRUE(platform::App().SaveScreenshot(png.string(), &options()));
  platform::SetAssetFolder("");
  EXPECT_TRUE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace screens_test
