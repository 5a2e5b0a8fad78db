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
#include "screens/travel/credits.h"
#include "screens/travel/message_popups.h"

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
      platform::CheckForm(platform::LayoutPath("Form1"),
                          [] { return std::make_unique<app::TForm1>(); });
  EXPECT_NE(std::find(problems.begin(), problems.end(),
                      platform::LayoutPath("Form1") +
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
      {"Fbackground", "  timer Timer1", "Fbackground: no component named 'Timer1'"},
      {"Form1", "  timer Timer2", "Form1: no component named 'Timer2'"},
      {"Form1", "  image Interface12", "Form1: no component named 'Interface12'"},
      {"FMessage3", "  label LabelText2Header", "FMessage3: no component named 'LabelText2Header'"},
      {"FMessage4", "  label Topic", "FMessage4: no component named 'Topic'"},
      {"FMessage8", "  image Interface3", "FMessage8: no component named 'Interface3'"},
      {"Form24", "  image Interface12", "Form24: no component named 'Interface12'"},
  };
  platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
  const fs::path folder = fs::path(::testing::TempDir()) / "farhaven_short_layouts";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.form) + ":" + c.line);
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(FARHAVEN_SOURCE_DIR "/resources"))
      fs::copy(entry.path(), folder / entry.path().filename());
    const fs::path layout = folder / (std::string(c.form) + ".layout");
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

class AnswerStep : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    app::CreateForms();
    saved = screens::TForm24::OpenUrl;
    screens::TForm24::OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    state::WebSiteUrl = app::kWebSiteUrl;
  }
  void TearDown() override {
    screens::TForm24::OpenUrl = saved;
    app::DestroyForms();
    FormTest::TearDown();
  }

  std::vector<std::string> opened;
  std::function<void(const std::string&)> saved;
};

TEST_F(AnswerStep, PressesTheButtonOfThePopupThatIsOpen) {
  struct Case {
    const char* name;
    platform::Form* (*popup)();
    const char* answer;
    int dialogResult;    // what DialogResult holds afterwards (set to 0 before)
    int message2Result;  // the same for Message2Result
  };
  const Case cases[] = {
      {"FMessage1", []() -> platform::Form* { return screens::FMessage1; }, "continue", 0, 0},
      {"FMessage2", []() -> platform::Form* { return screens::FMessage2; }, "yes", 0, 1},
      {"FMessage2", []() -> platform::Form* { return screens::FMessage2; }, "no", 0, 2},
      {"FMessage3", []() -> platform::Form* { return screens::FMessage3; }, "continue", 0, 0},
      {"FMessage4", []() -> platform::Form* { return screens::FMessage4; }, "yes", 1, 0},
      {"FMessage4", []() -> platform::Form* { return screens::FMessage4; }, "no", 2, 0},
      {"FMessage5", []() -> platform::Form* { return screens::FMessage5; }, "continue", 0, 0},
      {"FMessage6", []() -> platform::Form* { return screens::FMessage6; }, "continue", 0, 0},
      {"FMessage7", []() -> platform::Form* { return screens::FMessage7; }, "continue", 0, 0},
      {"FMessage8", []() -> platform::Form* { return screens::FMessage8; }, "continue", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.answer);
    platform::ScriptRunner one;
    app::AddGameSteps(one);
    one.Load(std::string("answer ") + c.answer + "\nexpect " + c.name + ".Visible false",
             "answer.script");
    screens::DialogResult = 0;
    screens::Message2Result = 0;
    sounds.effects.clear();
    int shown = 0;
    const platform::ScriptResult r = one.Run([&] { shown = c.popup()->ShowModal(); });
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(shown, 1) << "closed by its button";
    EXPECT_EQ(screens::DialogResult, c.dialogResult);
    EXPECT_EQ(screens::Message2Result, c.message2Result);
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
      {"click Form1.Interface11\nclick Form24.Interface9\n"
       "expect FMessage4.Topic.Caption \"Visit website?\"\nanswer no\nexpect Form24.Visible true",
       {}, ""},
      {"click Form1.Interface11\nclick Form24.Interface9\nanswer yes\nexpect Form24.Visible true",
       {app::kWebSiteUrl}, ""},
      {"click Form1.Interface11\nclick Form24.Interface9\nanswer continue",
       {}, "answer.script:3: answer continue: FMessage4 takes no answer \"continue\""},
      {"answer yes", {}, "answer.script:1: answer yes: no popup is open (Form1 is)"},
      {"click Form1.Interface11\nanswer", {}, "answer takes yes, no or continue"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    platform::ScriptRunner one;
    app::AddGameSteps(one);
    one.Load(c.script, "answer.script");
    opened.clear();
    app::Form1->ShowWelcomePanel(false);
    const platform::ScriptResult r = one.Run([] { app::Form1->ShowModal(); });
    EXPECT_EQ(r.ok, *c.failure == 0) << r.message;
    if (*c.failure) {
      EXPECT_NE(r.message.find(c.failure), std::string::npos) << r.message;
    }
    EXPECT_EQ(opened, c.opened);
    EXPECT_FALSE(screens::FMessage4->Visible());
  }
}

}  // namespace
}  // namespace screens_test
