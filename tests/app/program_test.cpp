// The program's data check over every screen of the game, and the game's own script step that
// answers the popup that is open.
#include "app/program.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/background.h"
#include "app/forms.h"
#include "app/start.h"
#include "platform/data_check.h"
#include "platform/layout.h"
#include "platform/script.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/credits.h"
#include "screens/popups/popup_forms.h"
#include "state/random.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;

// Every screen's layout loads, binds only handlers its code has, holds every component its code
// uses and names only pictures among the generated assets; without those assets the check fails.
TEST(DataCheck, EveryScreenPassesWithTheGeneratedAssetsAndFailsWithoutThem) {
  platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
  EXPECT_EQ(app::CheckData(), 0);

  const fs::path empty = fs::path(::testing::TempDir()) / "farhaven_no_assets";
  fs::remove_all(empty);
  fs::create_directories(empty);
  platform::SetAssetFolder(empty.string());
  const std::vector<std::string> problems =
      platform::CheckForm(platform::LayoutPath("Start"),
                          [] { return std::make_unique<app::StartScreen>(); });
  EXPECT_NE(std::find(problems.begin(), problems.end(),
                      platform::LayoutPath("Start") +
                          ": picture \"StartScreen_05.jpg\" is not among the assets"),
            problems.end());
  EXPECT_EQ(app::CheckData(), 1);
  platform::SetAssetFolder("");
}

// A layout that lacks a component its screen's code uses fails the check, naming it.
TEST(DataCheck, FailsWhenALayoutLacksAComponentItsCodeUses) {
  struct Case {
    const char* form;
    const char* line;  // the line (and the lines continuing it) taken out of the layout
    const char* problem;
  };
  const Case cases[] = {
      {"Background", "  timer MusicTimer", "Background: no component named 'MusicTimer'"},
      {"Start", "  timer UpperLightTimer", "Start: no component named 'UpperLightTimer'"},
      {"Start", "  image LowerLight", "Start: no component named 'LowerLight'"},
      {"TextPopup", "  label ActionPointHeader", "TextPopup: no component named 'ActionPointHeader'"},
      {"ChoicePopup", "  label Topic", "ChoicePopup: no component named 'Topic'"},
      {"NoticePopup", "  image Picture", "NoticePopup: no component named 'Picture'"},
      {"Credits", "  image BackButton", "Credits: no component named 'BackButton'"},
  };
  platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
  const fs::path folder = fs::path(::testing::TempDir()) / "farhaven_short_layouts";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.form) + ":" + c.line);
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(FARHAVEN_SOURCE_DIR "/resources"))
      fs::copy(entry.path(), folder / entry.path().filename());
    const fs::path layout = folder / platform::LayoutFileName(c.form);
    std::ifstream in(layout);
    std::string kept, text;
    bool dropping = false;
    while (std::getline(in, text)) {
      const bool starts = text.rfind(c.line, 0) == 0 && (text.size() == std::strlen(c.line) ||
                                                          text[std::strlen(c.line)] == ' ');
      const bool continues = dropping && text.rfind(std::string(std::strlen(c.line) + 2, ' '), 0) == 0;
      dropping = starts || continues;
      if (!dropping) kept += text + "\n";
    }
    in.close();
    std::ofstream(layout) << kept;
    platform::SetLayoutFolder(folder.string());
    EXPECT_EQ(app::CheckData(), 1);
    for (const app::FormEntry& e : app::GameForms()) {
      if (std::string(e.name) != c.form) continue;
      const auto problems = platform::CheckForm(platform::LayoutPath(e.name), e.make);
      EXPECT_NE(std::find(problems.begin(), problems.end(), c.problem), problems.end())
          << (problems.empty() ? "no problem found" : problems.front());
    }
  }
  platform::SetLayoutFolder("");
  platform::SetAssetFolder("");
}

class AnswerStep : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    saved = screens::CreditsScreen::OpenUrl;
    screens::CreditsScreen::OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    state::WebSiteUrl = app::kWebSiteUrl;
  }
  void TearDown() override {
    screens::CreditsScreen::OpenUrl = saved;
    GameFormsTest::TearDown();
  }

  std::vector<std::string> opened;
  std::function<void(const std::string&)> saved;
};

// The popup form of class T, as the registry holds it.
template <class T>
platform::Form* Popup() {
  return &screens::GameForm<T>();
}

TEST_F(AnswerStep, PressesTheButtonOfThePopupThatIsOpen) {
  struct Case {
    const char* name;
    platform::Form* (*popup)();
    const char* answer;
    int yesNoAnswer;    // what YesNoAnswer holds afterwards (set to 0 before)
    int choiceAnswer;  // the same for ChoiceAnswer
  };
  const Case cases[] = {
      {"PicturePopup",   Popup<screens::PicturePopup>,          "continue", 0, 0},
      {"ChoicePopup",    Popup<screens::ChoicePopup>,           "yes",      0, 1},
      {"ChoicePopup",    Popup<screens::ChoicePopup>,           "no",       0, 2},
      {"TextPopup",      Popup<screens::TextPopup>,             "continue", 0, 0},
      {"YesNoPopup",     Popup<screens::YesNoPopup>,            "yes",      1, 0},
      {"YesNoPopup",     Popup<screens::YesNoPopup>,            "no",       2, 0},
      {"EncounterPopup", Popup<screens::EncounterPopup>,        "continue", 0, 0},
      {"FamePopup",      Popup<screens::FamePopup>,             "continue", 0, 0},
      {"RewardPopup",    Popup<screens::RewardPopup>,           "continue", 0, 0},
      {"NoticePopup",    Popup<screens::NoticePopup>,           "continue", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.answer);
    platform::ScriptRunner one;
    app::AddGameSteps(one);
    one.Load(std::string("answer ") + c.answer + "\nexpect " + c.name + ".Visible false",
             "answer.script");
    screens::YesNoAnswer = 0;
    screens::ChoiceAnswer = 0;
    sounds.effects.clear();
    int shown = 0;
    const platform::ScriptResult r = one.Run([&] { shown = c.popup()->ShowModal(); });
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(shown, 1) << "closed by its button";
    EXPECT_EQ(screens::YesNoAnswer, c.yesNoAnswer);
    EXPECT_EQ(screens::ChoiceAnswer, c.choiceAnswer);
    EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
  }
}

TEST_F(AnswerStep, WorksThroughTheCreditsQuestionAndNamesWhatIsWrong) {
  struct Case {
    const char* script;
    std::vector<std::string> opened;
    const char* failure;  // "" = the script passes
  };
  const Case cases[] = {
      {"click Start.CreditsButton\nclick Credits.WebSiteLink\n"
       "expect YesNoPopup.Topic.Caption \"Visit website?\"\nanswer no\nexpect Credits.Visible true",
       {}, ""},
      {"click Start.CreditsButton\nclick Credits.WebSiteLink\nanswer yes\nexpect Credits.Visible true",
       {app::kWebSiteUrl}, ""},
      {"click Start.CreditsButton\nclick Credits.WebSiteLink\nanswer continue",
       {}, "answer.script:3: answer continue: YesNoPopup takes no answer \"continue\""},
      {"answer yes", {}, "answer.script:1: answer yes: no popup is open (Start is)"},
      {"click Start.CreditsButton\nanswer", {}, "answer takes yes, no or continue"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    platform::ScriptRunner one;
    app::AddGameSteps(one);
    one.Load(c.script, "answer.script");
    opened.clear();
    screens::GameForm<app::StartScreen>().ShowWelcomePanel(false);
    const platform::ScriptResult r =
        one.Run([] { screens::GameForm<app::StartScreen>().ShowModal(); });
    EXPECT_EQ(r.ok, *c.failure == 0) << r.message;
    if (*c.failure) {
      EXPECT_NE(r.message.find(c.failure), std::string::npos) << r.message;
    }
    EXPECT_EQ(opened, c.opened);
    EXPECT_FALSE(screens::GameForm<screens::YesNoPopup>().Visible());
  }
}

// The seed step and $FARHAVEN_SEED fix the random generator, so a scripted run draws the same
// numbers every time: here the upper light's random pause after its first flash.
TEST_F(AnswerStep, TheSeedStepMakesEveryRunDrawTheSame) {
  const auto pauseAfterFlash = [](const std::string& script) {
    platform::ScriptRunner one;
    app::AddGameSteps(one);
    one.Load(script + "\nwait 1200", "seed.script");
    state::Randomize(12345);  // whatever the generator held before
    screens::GameForm<app::StartScreen>().ShowWelcomePanel(false);
    const platform::ScriptResult r =
        one.Run([] { screens::GameForm<app::StartScreen>().ShowModal(); });
    EXPECT_TRUE(r.ok) << r.message;
    return screens::GameForm<app::StartScreen>().Get<platform::Timer>("UpperLightTimer").Interval();
  };
  state::Randomize(77);
  const int expected = app::kBlinkPauseMin + state::Random(app::kBlinkPauseSpread);
  EXPECT_EQ(pauseAfterFlash("seed 77"), expected);
  EXPECT_EQ(pauseAfterFlash("seed 77"), expected);

  for (const char* bad : {"seed", "seed -1", "seed 4294967296", "seed 12x", "seed 1 2"}) {
    platform::ScriptRunner one;
    app::AddGameSteps(one);
    one.Load(bad, "seed.script");
    const platform::ScriptResult r =
        one.Run([] { screens::GameForm<app::StartScreen>().ShowModal(); });
    EXPECT_FALSE(r.ok) << bad;
    EXPECT_NE(r.message.find("seed takes a whole number from 0 to 4294967295"), std::string::npos)
        << r.message;
  }
}

// The idle step leaves the script's clock for the real one, so the game's timers run as for a
// player who stopped touching it; it takes no words after it.
TEST_F(AnswerStep, TheIdleStepHandsTheGameToTheRealClock) {
  platform::ScriptRunner one;
  app::AddGameSteps(one);
  const auto manual = [] {
    return dynamic_cast<const platform::ManualClock*>(&platform::App().GetClock()) != nullptr;
  };
  ASSERT_TRUE(manual());
  EXPECT_THROW(one.Perform("idle now"), platform::ScriptError);
  EXPECT_TRUE(manual());
  one.Perform("idle");
  EXPECT_FALSE(manual());
}

TEST(SeedFromEnvironment, AFixedSeedWinsOverTheClockAndAMalformedOneIsIgnored) {
  struct Case {
    const char* value;
    bool fixed;
  };
  for (const Case& c : {Case{"4242", true}, Case{"0", true}, Case{"4294967295", true},
                        Case{"", false}, Case{"abc", false}, Case{"-3", false}}) {
    SCOPED_TRACE(c.value);
    setenv(app::kSeedVariable, c.value, 1);
    app::SeedRandomFromClock();
    const std::uint32_t seeded = state::RandSeed;
    if (c.fixed) EXPECT_EQ(seeded, *app::ParseSeed(c.value));
    else EXPECT_FALSE(app::ParseSeed(c.value).has_value());
  }
  unsetenv(app::kSeedVariable);
}

}  // namespace
}  // namespace screens_test
