// The start screen's "Game settings": the options screen opens showing the settings as they
// stand, its changes act at once (music switched back on plays at the music timer's next short
// tick) and reach the general data written when the program ends.
#include <filesystem>
#include <optional>
#include <string>

#include "app/background.h"
#include "app/forms.h"
#include "app/program.h"
#include "app/start.h"
#include "platform/script.h"
#include "screens/career/game_options.h"
#include "screens/form_test_fixture.h"
#include "state/general_data.h"
#include "support/data_folder_at.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;

class StartOptions : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    home = fs::current_path();
    work = fs::path(::testing::TempDir()) / "farhaven_start_options_test";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::current_path(work);  // no general data yet: a first start with the defaults
    data.emplace(work);
    app::StartHoverButton = 0;
    audio::IntroPlayed = false;
  }
  void TearDown() override {
    data.reset();
    fs::current_path(home);
    GameFormsTest::TearDown();
  }

  fs::path home, work;
  std::optional<support::DataFolderAt> data;
};

TEST_F(StartOptions, SettingsOpenAsTheyStandActAtOnceAndAreKeptAtTheEnd) {
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  runner.Load(R"(
click Start.WelcomeCloseButton
move Start.SettingsButton
expect Start.SettingsButton.Picture "StartScreen_10_Highlighted.jpg"
click Start.SettingsLabel
expect GameOptions.Visible true
expect GameOptions.Topic.Caption "Game settings"
expect GameOptions.MusicTile.Picture "GameSettingsON_02.jpg"
expect GameOptions.SoundEffectsTile.Picture "GameSettingsON_03.jpg"
expect GameOptions.MessageDelayTile.Picture "GameSettings_06.jpg"
expect GameOptions.VeteranModeTile.Picture "GameSettings_09.jpg"
expect GameOptions.CloseTile.Picture "GameSettings_17.jpg"
click GameOptions.VeteranModeLabel
expect GameOptions.VeteranModeTile.Picture "GameSettingsON+_09.jpg"
click GameOptions.MessageDelayLabel
expect GameOptions.MessageDelayTile.Picture "GameSettingsON+_06.jpg"
expect GameOptions.VeteranModeTile.Picture "GameSettingsON_09.jpg"
click GameOptions.MusicLabel
expect GameOptions.MusicTile.Picture "GameSettingsMouseOver_02.jpg"
click GameOptions.MusicTile
expect GameOptions.MusicTile.Picture "GameSettingsON+_02.jpg"
expect Background.MusicTimer.Interval "100"
wait 100
expect Background.MusicTimer.Interval "60000"
move GameOptions.CloseTile
expect GameOptions.CloseTile.Picture "GameSettingsMouseOver_17.jpg"
click GameOptions.CloseLabel
expect GameOptions.Visible false
expect Start.Visible true
expect Start.SettingsButton.Picture "StartScreen_10.jpg"
click Start.ExitButton
)",
              "options.script");
  const platform::ScriptResult r = runner.Run([] { platform::App().Run(); });
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_TRUE(audio::IntroPlayed) << "the short tick after switching music on played";
  // Start button, welcome panel, veteran, delays, music off and on, Close, Exit.
  EXPECT_EQ(sounds.effects, std::vector<std::string>(8, "button.wav"));

  state::SetGeneralDataDefaults();
  ASSERT_TRUE(state::ReadGeneralData().ok);
  EXPECT_EQ(state::VeteranMode, 1);
  EXPECT_EQ(state::MusicOn, 1);
  EXPECT_EQ(state::TimerPlayerMessageInterval, 2400);
  EXPECT_EQ(state::TimerEnemyMessageInterval, 2400);
  EXPECT_EQ(state::PlayerFireGunImageTimerInterval, 400);
}

}  // namespace
}  // namespace screens_test
