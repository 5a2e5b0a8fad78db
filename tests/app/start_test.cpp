// Start-up and the start screen: the start count and the welcome panel, the buttons' mouse-over
// pictures, the blinking lights, the music timer, the general data written at the end, and Escape
// on the screens it opens.
#include "app/start.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/background.h"
#include "app/forms.h"
#include "screens/combat/simulator_screens.h"
#include "screens/career/game_options.h"
#include "screens/career/high_score.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/credits.h"
#include "screens/popups/popup_forms.h"
#include "state/general_data.h"
#include "state/random.h"
#include "support/data_folder_at.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;
using platform::Image;
using platform::Label;

class StartTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    // The general data lives in the data folder: each test gets a fresh one, its working folder.
    home = fs::current_path();
    work = fs::path(::testing::TempDir()) / "farhaven_start_test";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::current_path(work);
    data.emplace(work);
    app::StartHoverButton = 0;
  }
  void TearDown() override {
    data.reset();
    fs::current_path(home);
    GameFormsTest::TearDown();
  }

  fs::path home, work;
  std::optional<support::DataFolderAt> data;
};

TEST_F(StartTest, EachStartIsCountedAndTheWelcomePanelGreetsOnlyTheFirstThree) {
  struct Case {
    int stored;  // StartCount in the files; -1: no files yet
    bool panel;
  };
  for (const Case& c : {Case{-1, true}, Case{1, true}, Case{2, true}, Case{3, false}, Case{40, false}}) {
    SCOPED_TRACE(c.stored);
    fs::remove(work / state::kGeneralDataIntName);
    fs::remove(work / state::kGeneralDataTextName);
    if (c.stored >= 0) {
      state::SetGeneralDataDefaults();
      state::StartCount = c.stored;
      ASSERT_TRUE(state::WriteGeneralData().ok);
    }
    state::StartCount = 999;
    app::ReadGeneralDataAtStart();
    app::PrepareStartScreen();
    EXPECT_EQ(state::StartCount, (c.stored < 0 ? 0 : c.stored) + 1);
    const auto& panel = screens::GameForm<app::StartScreen>().Get<platform::Panel>("WelcomePanel");
    EXPECT_EQ(panel.Visible(), c.panel);
    EXPECT_EQ(panel.Left(), 8);
    EXPECT_EQ(panel.Top(), 295);
    EXPECT_EQ(screens::GameForm<app::StartScreen>().Get<Label>("HighScoresLabel").Caption(),
              "Highscores");
    EXPECT_EQ(screens::GameForm<app::StartScreen>().Get<Label>("HighScoresLabel").GetFont().size,
              10);
    EXPECT_EQ(state::WebSiteUrl, app::kWebSiteUrl);
  }
}

TEST_F(StartTest, DamagedGeneralDataIsKeptAsideAndThePlayerIsTold) {
  std::ofstream(work / state::kGeneralDataIntName) << "short";
  std::ofstream(work / state::kGeneralDataTextName) << "short";
  WhenIdle({[&] {
    ASSERT_TRUE(screens::GameForm<screens::TextPopup>().Visible());
    EXPECT_NE(screens::GameForm<screens::TextPopup>().Get<Label>("Text").Caption(), "");
    ClickOn(screens::GameForm<screens::TextPopup>().Get<Label>("ContinueLabel"));
  }});
  app::ReadGeneralDataAtStart();
  EXPECT_FALSE(StepsLeft());
  EXPECT_EQ(state::StartCount, 1);
  EXPECT_TRUE(fs::exists(work / "GeneralData.int.bad"));
}

TEST_F(StartTest, EveryButtonLightsUnderTheMouseOnItsPictureAndItsCaption) {
  const char* pictures[] = {"TutorialButton", "NewGameButton",  "LoadButton", "HighScoresButton",
                            "SettingsButton", "CreditsButton", "ExitButton"};
  const char* captions[] = {"TutorialLabel", "NewGameLabel",  "LoadLabel", "HighScoresLabel",
                            "SettingsLabel", "CreditsLabel", "ExitLabel"};
  screens::GameForm<app::StartScreen>().ShowWelcomePanel(false);
  screens::GameForm<app::StartScreen>().Show();
  for (int k = 1; k <= 7; ++k) {
    SCOPED_TRACE(k);
    Image& picture = screens::GameForm<app::StartScreen>().Get<Image>(pictures[k - 1]);
    MoveOnto(screens::GameForm<app::StartScreen>().Get<Label>(captions[k - 1]));
    EXPECT_EQ(app::StartHoverButton, k);
    EXPECT_EQ(picture.PictureName(), app::StartButtonPicture(k, true));
    if (k > 1) {
      EXPECT_EQ(Picture(screens::GameForm<app::StartScreen>(), pictures[k - 2]),
                app::StartButtonPicture(k - 1, false))
          << "moving straight onto the next button restores the one before";
    }
    const auto loads = PictureLoads();
    const platform::Rect r = picture.ScreenRect();
    platform::App().MouseMove(r.x + 3, r.y + 3);  // the picture beside its caption
    MoveOnto(screens::GameForm<app::StartScreen>().Get<Label>(captions[k - 1]), 20);
    EXPECT_EQ(PictureLoads(), loads) << "moving about on one button loads nothing";
  }
}

TEST_F(StartTest, TheFrameTheWelcomePanelAndReturningFromAScreenPutTheLitButtonOut) {
  struct Case {
    const char* restorer;  // "" = open and leave the credits
    bool panel;
  };
  const Case cases[] = {{"TopFace", false},    {"LeftFace", false},   {"UpperLight", false},
                        {"RightFace", false},  {"UpperGap", false},   {"LowerLight", false},
                        {"BottomFace", false}, {"TitleLabel", false}, {"WelcomeFace", true},
                        {"", false}};
  screens::GameForm<app::StartScreen>().Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.restorer);
    screens::GameForm<app::StartScreen>().ShowWelcomePanel(c.panel);
    MoveOnto(screens::GameForm<app::StartScreen>().Get<Label>("NewGameLabel"));
    ASSERT_EQ(app::StartHoverButton, 2);
    if (*c.restorer) {
      MoveOnto(*screens::GameForm<app::StartScreen>().Find(c.restorer));
    } else {
      WhenIdle(
          {[] { ClickOn(screens::GameForm<screens::CreditsScreen>().Get<Label>("BackLabel")); }});
      screens::GameForm<app::StartScreen>().OnCreditsClick();
    }
    EXPECT_EQ(app::StartHoverButton, 0);
    EXPECT_EQ(Picture(screens::GameForm<app::StartScreen>(), "NewGameButton"),
              "StartScreen_06.jpg");
  }
}

TEST_F(StartTest, TheUpperLightFlashesHalfASecondAfterPausesOfFifteenHundredToFourThousandMs) {
  auto& light = screens::GameForm<app::StartScreen>().Get<Image>("UpperLight");
  auto& timer = screens::GameForm<app::StartScreen>().Get<platform::Timer>("UpperLightTimer");
  EXPECT_EQ(timer.Interval(), 600);
  state::Randomize(20240601);
  int shortest = 1 << 30, longest = 0;
  for (int flash = 0; flash < 300; ++flash) {
    screens::GameForm<app::StartScreen>().OnUpperLightTimer();
    EXPECT_EQ(light.PictureName(), "StartScreen_03_Highlighted.jpg");
    EXPECT_EQ(light.Tag(), 1);
    EXPECT_EQ(timer.Interval(), app::kBlinkLitMs);

    const std::uint32_t seed = state::RandSeed;
    const int pause = app::kBlinkPauseMin + state::Random(app::kBlinkPauseSpread);
    state::RandSeed = seed;
    screens::GameForm<app::StartScreen>().OnUpperLightTimer();
    EXPECT_EQ(light.PictureName(), "StartScreen_03.jpg");
    EXPECT_EQ(light.Tag(), 0);
    ASSERT_EQ(timer.Interval(), pause) << "one draw of Random(2500) per pause";
    EXPECT_TRUE(timer.Enabled());
    shortest = std::min(shortest, pause);
    longest = std::max(longest, pause);
  }
  EXPECT_GE(shortest, 1500);
  EXPECT_LE(longest, 3999);
  EXPECT_LT(shortest, 1600);
  EXPECT_GT(longest, 3900);
}

TEST_F(StartTest, TheLowerLightBlinksEverySecond) {
  auto& light = screens::GameForm<app::StartScreen>().Get<Image>("LowerLight");
  const std::vector<std::string> seen = [&] {
    std::vector<std::string> out;
    for (int second = 0; second < 3; ++second) {
      platform::App().AdvanceClock(1000);
      out.push_back(light.PictureName());
    }
    return out;
  }();
  EXPECT_EQ(seen, (std::vector<std::string>{"StartScreen_12_Highlighted.jpg", "StartScreen_12.jpg",
                                            "StartScreen_12_Highlighted.jpg"}));
}

TEST_F(StartTest, StartUpRunsTheStartScreenWithMusicAndWritesTheGeneralDataWhenItCloses) {
  audio::IntroPlayed = false;
  state::MusicOn = 1;
  auto& music = screens::GameForm<app::BackgroundWindow>().Get<platform::Timer>("MusicTimer");
  EXPECT_FALSE(music.Enabled());
  WhenIdle({
      [&] {
        EXPECT_EQ(platform::App().ActiveForm(), &screens::GameForm<app::StartScreen>());
        EXPECT_TRUE(screens::GameForm<app::StartScreen>().Modal());
        EXPECT_TRUE(music.Enabled());
        EXPECT_EQ(music.Interval(), 1000);
        platform::App().AdvanceClock(1000);
        EXPECT_EQ(music.Interval(), 60000) << "the intro had not played before this tick";
        platform::App().AdvanceClock(60000);
        EXPECT_EQ(music.Interval(), 59000);
        EXPECT_FALSE(fs::exists(work / state::kGeneralDataIntName));
      },
      [&] {
        ClickOn(
            screens::GameForm<app::StartScreen>().Get<platform::SpeedButton>("WelcomeCloseButton"));
        ClickOn(screens::GameForm<app::StartScreen>().Get<Label>("ExitLabel"));  // Exit
      },
  });
  platform::App().Run();
  EXPECT_FALSE(StepsLeft());
  EXPECT_FALSE(music.Enabled());
  EXPECT_TRUE(platform::App().Terminated());
  state::StartCount = 0;
  ASSERT_TRUE(state::ReadGeneralData().ok);
  EXPECT_EQ(state::StartCount, 1);
}

// Escape on each screen the start screen opens closes it through its Back or Close button; on the
// start screen itself Escape presses nothing.
TEST_F(StartTest, EscapeLeavesEachScreenThroughItsBackOrCloseButton) {
  struct Case {
    const char* startButton;  // the start-screen component that opens the screen
    platform::Form* (*screen)();
  };
  const Case cases[] = {
      {"HighScoresButton",
       [] { return static_cast<platform::Form*>(&screens::GameForm<screens::HighScoreScreen>()); }},
      {"SettingsButton",
       [] {
         return static_cast<platform::Form*>(&screens::GameForm<screens::GameOptionsScreen>());
       }},
      {"CreditsButton",
       [] { return static_cast<platform::Form*>(&screens::GameForm<screens::CreditsScreen>()); }},
      {"SimulatorButton",
       [] {
         return static_cast<platform::Form*>(&screens::GameForm<screens::SimulatorSetupScreen>());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.startButton);
    bool shown = false;
    WhenIdle({[&] {
      shown = c.screen()->Visible();
      platform::App().PressKey(platform::Key::Escape);
    }});
    FireClick(screens::GameForm<app::StartScreen>(), c.startButton);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(StepsLeft());
    EXPECT_FALSE(c.screen()->Visible());
  }
  // On the start screen Escape presses nothing: Exit is no Back.
  screens::GameForm<app::StartScreen>().Show();
  platform::App().PressKey(platform::Key::Escape);
  EXPECT_TRUE(screens::GameForm<app::StartScreen>().Visible());
}

}  // namespace
}  // namespace screens_test
