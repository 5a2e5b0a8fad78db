// The script runner drives a form from its layout file by component names, and reports the first
// failed step by line and text.
#include "platform_fixture.h"

#include "platform/data_check.h"
#include "platform/script.h"

#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace platform_test {
namespace {

// The example screen: typing a name and pressing OK greets; the hover swaps the OK picture only
// when the hover state changes; the closing label may close the form.
class TDemoForm : public Form {
 public:
  TDemoForm() : Form("DemoForm") {
    Bind("OkImageClick", [this](Sender) {
      Greeting.SetCaption("Hello " + NameEdit.Text());
    });
    Bind("OkImageMouseMove", [this](Sender) { Hover(true); });
    Bind("BackMouseMove", [this](Sender) { Hover(false); });
    Bind("NameEditKeyPress", [](Sender s) {
      if (s.key >= U'0' && s.key <= U'9') s.key = 0;  // no digits in a name
    });
    Bind("CloseLabelClick", [this](Sender) { Close(); });
    Bind("BlinkTimer", [this](Sender) { ++blinks; });
  }
  Edit& NameEdit = Get<Edit>("NameEdit");
  Image& OkImage = Get<Image>("OkImage");
  Label& Greeting = Get<Label>("Greeting");
  int blinks = 0;

 private:
  void Hover(bool on) {
    if (on == lit_) return;
    lit_ = on;
    OkImage.LoadPicture(on ? "demo_ok_Highlighted.jpg" : "demo_ok.jpg");
  }
  bool lit_ = false;
};

class Scripts : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    dir = FreshFolder("scripts");
    WriteSolidJpeg((dir / "demo_back.jpg").string(), 32, 20, Rgb(20, 20, 60));
    WriteSolidJpeg((dir / "Demo_OK.jpg").string(), 120, 40, Rgb(0, 120, 0));
    WriteSolidJpeg((dir / "demo_ok_highlighted.JPG").string(), 120, 40, Rgb(0, 250, 0));
    SetAssetFolder(dir.string());
    SetLayoutFolder(FARHAVEN_SOURCE_DIR "/tests/platform/layouts");
    App().SetClock(nullptr);  // the runner brings its own manual clock
  }
  void TearDown() override {
    SetLayoutFolder("");
    SetAssetFolder("");
    PlatformTest::TearDown();
  }
  std::filesystem::path dir;
};

TEST_F(Scripts, DrivesAFormFromItsLayoutAndSavesAScreenshot) {
  TDemoForm demo;
  EXPECT_TRUE(demo.MissingHandlers().empty());
  const std::string png = (dir / "demo.png").string();
  ScriptRunner runner;
  runner.Load(R"(# type a name, greet, look, leave
move DemoForm.OkImage
move DemoForm.Back
move DemoForm.OkImage
move DemoForm.OkImage
type DemoForm.NameEdit "Zoë 2☃"
key Backspace
type "x"
click DemoForm.OkImage
expect DemoForm.Greeting.Caption "Hello Zoë x"
wait 1200
screenshot DemoForm ")" + png + R"("
click DemoForm.CloseLabel
)", "demo.script");
  ResetPictureStats();
  bool returned = false;
  const ScriptResult r = runner.Run([&] {
    demo.ShowModal();
    returned = true;
  });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_TRUE(returned);
  EXPECT_EQ(r.stepsRun, 12);
  EXPECT_EQ(demo.blinks, 2);
  // Hovering loaded a picture only when the hover changed: three changes, two files decoded (the
  // picture the form was built with when it was first drawn, the lit one at the first hover).
  EXPECT_EQ(GetPictureStats().requests, 3u);
  EXPECT_EQ(GetPictureStats().decodes, 2u);
  SDL_Surface* shot = ReadPictureFile(png);
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->w, 320);
  EXPECT_GT(PixelAt(shot, 80, 80).g, 200);  // the lit OK picture
  SDL_FreeSurface(shot);
}

TEST_F(Scripts, TheFirstFailedStepIsNamed) {
  struct Case {
    const char* script;
    const char* message;
  };
  const Case cases[] = {
      {"click DemoForm.Nothing", "demo.script:1: click DemoForm.Nothing: DemoForm has no component Nothing"},
      {"click Nowhere.Ok", "demo.script:1: click Nowhere.Ok: no form named Nowhere"},
      {"\nexpect DemoForm.Greeting.Caption \"Hi\"",
       "demo.script:2: expect DemoForm.Greeting.Caption \"Hi\": expected \"Hi\", found \"\""},
      {"expect DemoForm.Greeting.Colour \"x\"", "label Greeting has no property Colour"},
      {"wait soon", "wait needs milliseconds"},
      {"wait 600001", "wait 600001: wait needs milliseconds, at most 600000"},
      {"wait 999999999", "wait needs milliseconds, at most 600000"},
      {"key F5", "unknown key F5"},
      {"type DemoForm.OkImage \"x\"", "DemoForm.OkImage is not an edit"},
      {"click DemoForm.Blink", "DemoForm.Blink is a timer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    TDemoForm demo;
    ScriptRunner runner;
    runner.Load(c.script, "demo.script");
    const ScriptResult r = runner.Run([&] { demo.ShowModal(); });
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
    EXPECT_FALSE(demo.Modal());
  }
}

// Every common step checks how many arguments it has: when a script is loaded, and again when a
// step is performed at once, which skips the loader's check.
TEST_F(Scripts, EveryStepChecksItsArguments) {
  struct Case {
    const char* step;
    const char* loaded;     // what loading it says ("" when it loads)
    const char* performed;  // what performing it says ("" when it is not performed here)
  };
  const Case cases[] = {
      {"click", "click takes 1 argument(s)", "click needs more arguments"},
      {"dblclick A B", "dblclick takes 1 argument(s)", ""},
      {"dblclick", "dblclick takes 1 argument(s)", "dblclick needs more arguments"},
      {"rightclick", "rightclick takes 1 argument(s)", "rightclick needs more arguments"},
      {"move", "move takes 1 argument(s)", "move needs more arguments"},
      {"key", "key takes 1 argument(s)", "key needs more arguments"},
      {"wait", "wait takes 1 argument(s)", "wait needs more arguments"},
      {"screenshot screen", "screenshot takes 2 argument(s)", "screenshot needs more arguments"},
      {"expect", "expect takes 2 argument(s)", "expect needs more arguments"},
      {"unfit", "unfit takes 1 argument(s)", "unfit needs more arguments"},
      {"drag DemoForm.OkImage 5", "drag takes 3 argument(s)", ""},
      {"drag", "drag takes 3 argument(s)", "drag needs more arguments"},
      {"close now", "close takes 0 argument(s)", ""},
      {"print", "print takes 1 argument(s)", ""},
      {"type", "", "type takes a text, or an edit and a text"},
      {"type A B C", "", "type takes a text, or an edit and a text"},
      {"window", "", "window takes show, fullscreen, windowed, size W H or leave"},
      {"window size 640", "", "window takes show, fullscreen, windowed, size W H or leave"},
      {"jump A", "unknown step 'jump'", "unknown step 'jump'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    ScriptRunner runner;
    try {
      runner.Load(c.step, "x.script");
      EXPECT_STREQ(c.loaded, "");
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.what(), "x.script:1: " + std::string(c.loaded));
    }
    if (*c.performed == 0) continue;
    try {
      runner.Perform(c.step);
      ADD_FAILURE();
    } catch (const ScriptError& e) {
      EXPECT_STREQ(e.what(), c.performed);
    }
  }
}

// A print step writes its text when the run reaches it: after the steps before it, before the
// ones after it.
TEST_F(Scripts, PrintWritesItsTextWhenTheRunGetsThere) {
  TDemoForm demo;
  ScriptRunner runner;
  runner.Load("print \"first frame\"\ntype DemoForm.NameEdit \"Al\"\nprint done\nclick DemoForm.CloseLabel\n",
              "demo.script");
  testing::internal::CaptureStdout();
  const ScriptResult r = runner.Run([&] { demo.ShowModal(); });
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "first frame\ndone\n");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.stepsRun, 4);
}

TEST_F(Scripts, StepsCheckThatTheMouseCanReachTheTarget) {
  TDemoForm demo;
  Form popup("Popup", ParseLayout("form Popup : TPopup width 50 height 50 position centre\n", "Popup.layout"));
  demo.Bind("OkImageClick", [&](Sender) { popup.ShowModal(); });
  struct Case {
    const char* script;
    const char* message;
  };
  const Case cases[] = {
      {"click DemoForm.OkImage\nclick DemoForm.CloseLabel", "does not take input: a modal form is open over DemoForm"},
      {"click DemoForm.OkImage\nclick Popup\nclose", ""},
  };
  // The second script: the desktop's close request closes the popup and the demo form at once.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    ScriptRunner runner;
    runner.Load(c.script, "s");
    const ScriptResult r = runner.Run([&] { demo.ShowModal(); });
    if (*c.message) {
      EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
    } else {
      EXPECT_TRUE(r.ok) << r.message;
      EXPECT_FALSE(popup.Visible());
      EXPECT_FALSE(demo.Visible());
    }
  }
  App().Reset();  // the program "ended" with the close request
  demo.Get<Label>("CloseLabel").Hide();
  ScriptRunner hidden;
  hidden.Load("click DemoForm.CloseLabel");
  EXPECT_NE(hidden.Run([&] { demo.ShowModal(); }).message.find("is not visible"), std::string::npos);
}

// A step acts on the very control it names: where another control of the form covers the middle
// the mouse goes to a part of it that nothing covers, and a control covered all over fails the step
// naming what lies over it, instead of the click landing on that other control.
TEST_F(Scripts, MouseStepsReachTheNamedControlOrFailNamingWhatCoversIt) {
  constexpr const char* kLayout = R"(
form Cover : TCover  width 300 height 200  position centre  color black
  image Button   left 20 top 20 width 120 height 40  OnClick ButtonClick OnMouseMove ButtonMouseMove
  label Caption  left 20 top 30 width 120 height 20 caption "Go"  OnClick CaptionClick
  image Hidden   left 160 top 20 width 120 height 40  OnClick HiddenClick OnMouseMove HiddenMouseMove
  panel Sheet    left 150 top 10 width 140 height 60  OnClick SheetClick OnMouseMove SheetMouseMove
)";
  struct Case {
    const char* step;
    bool sheetEnabled;
    std::vector<std::string> log;  // what the form heard
    const char* failure;           // "" = the step passes
  };
  const Case cases[] = {
      {"click Cover.Button", true, {"Button:ButtonMouseMove", "Button:ButtonClick"}, ""},
      {"click Cover.Caption", true, {"Caption:CaptionClick"}, ""},
      {"click Cover.Hidden", true, {}, "Cover.Hidden would not receive the mouse: Cover.Sheet lies over it"},
      {"dblclick Cover.Hidden", true, {}, "Cover.Sheet lies over it"},
      {"rightclick Cover.Hidden", true, {}, "Cover.Sheet lies over it"},
      {"move Cover.Hidden", true, {}, "Cover.Sheet lies over it"},
      // A disabled panel lets the mouse through, so the step reaches the picture below.
      {"click Cover.Hidden", false, {"Hidden:HiddenMouseMove", "Hidden:HiddenClick"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    std::vector<std::string> log;
    LoggingForm form("Cover", kLayout, log);
    form.Get<Panel>("Sheet").SetEnabled(c.sheetEnabled);
    ScriptRunner runner;
    runner.Load(c.step, "cover.script");
    const ScriptResult r = runner.Run([&] { form.ShowModal(); });
    EXPECT_EQ(r.ok, *c.failure == 0) << r.message;
    if (*c.failure) {
      EXPECT_NE(r.message.find(c.failure), std::string::npos) << r.message;
    }
    EXPECT_EQ(log, c.log);
  }
}

TEST_F(Scripts, ScriptTextErrorsNameTheLine) {
  ScriptRunner runner;
  EXPECT_THROW(runner.Load("click A.B\njump A.B", "x.script"), ScriptError);
  // A NUL byte would end the printed message early: the step is named as holding one.
  for (const std::string& text : {std::string("wait 5\nexpect A.B.Caption \"x\0y\"\n", 31),
                                 std::string("wait 5\nexpect A.B.Caption \"x\0y\"", 30)}) {
    try {
      runner.Load(text, "x.script");
      ADD_FAILURE();
    } catch (const ScriptError& e) {
      EXPECT_STREQ(e.what(), "x.script:2: the step holds a NUL byte (at column 22)");
    }
  }
  EXPECT_THROW(runner.Add(std::string("click A\0B", 9)), ScriptError);
  try {
    runner.Load("wait 5\nclick A.B C\n", "x.script");
    ADD_FAILURE();
  } catch (const ScriptError& e) {
    EXPECT_STREQ(e.what(), "x.script:2: click takes 1 argument(s)");
  }
  // A step of the game's own.
  ScriptRunner custom;
  std::vector<std::string> answers;
  custom.AddVerb("answer", [&](const ScriptStep& s) { answers.push_back(s.words.at(1)); });
  custom.Load("answer yes\nanswer \"no thanks\"");
  EXPECT_TRUE(custom.Run().ok);
  EXPECT_EQ(answers, (std::vector<std::string>{"yes", "no thanks"}));
}

// A close request while the clock runs (SIGTERM's SDL_QUIT, or the close box's window event) ends
// the wait at once, however long it was, and the run with it.
TEST_F(Scripts, ACloseRequestEndsARunningWaitAtOnce) {
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "the close box" : "SIGTERM");
    App().Reset();
    TDemoForm demo;
    demo.Bind("BlinkTimer", [&](Sender) {
      if (++demo.blinks != 3) return;
      SDL_Event request{};
      request.type = closeBox ? SDL_WINDOWEVENT : SDL_QUIT;
      request.window.event = closeBox ? SDL_WINDOWEVENT_CLOSE : 0;
      SDL_PushEvent(&request);
    });
    ScriptRunner runner;
    runner.Load("wait 600000\nexpect DemoForm.Visible false\n", "demo.script");
    const ScriptResult r = runner.Run([&] { demo.ShowModal(); });
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(demo.blinks, 3);  // of the 1200 that ten minutes would fire
    EXPECT_TRUE(App().Quitting());
  }

  // The same inside one step of the clock: a close request made by a timer's handler (or by a
  // form shown modally in it, as a fight during a flight is) stops the timers there.
  App().Reset();
  ManualClock clock;
  App().SetClock(&clock);
  TDemoForm demo;
  demo.Bind("BlinkTimer", [&](Sender) {
    if (++demo.blinks == 2) App().CloseRequest();
  });
  demo.Show();
  App().AdvanceClock(60000);
  EXPECT_EQ(demo.blinks, 2);
  App().SetClock(nullptr);
}

TEST_F(Scripts, EditTakesOnlyWhatTheSaveFilesCanHold) {
  TDemoForm demo;
  Edit& e = demo.NameEdit;
  e.SetMaxLength(6);
  demo.Show();
  ScriptRunner runner;
  runner.Load("type DemoForm.NameEdit \"€é☃a1bcdef\"\nkey Home\nkey Delete\nkey End\nkey Left\ntype \"Z\"");
  ASSERT_TRUE(runner.Run().ok);
  // "☃" is not in Windows-1252 and becomes "?", the digit is refused by OnKeyPress, six at most.
  EXPECT_EQ(e.Text(), "é?abZc");
}

TEST_F(Scripts, ScriptFileRunsTheProgramAndReportsFailure) {
  TDemoForm demo;
  const std::string good = (dir / "good.script").string(), bad = (dir / "bad.script").string();
  std::ofstream(good) << "type DemoForm.NameEdit \"Al\"\nclick DemoForm.OkImage\nclose\n";
  std::ofstream(bad) << "click DemoForm.OkImage\nexpect DemoForm.Greeting.Caption \"Bye\"\n";
  ScriptRunner first, second, third;
  EXPECT_EQ(RunScriptFile(good, [&] { demo.ShowModal(); }, first), 0);
  EXPECT_EQ(demo.Greeting.Caption(), "Hello Al");
  EXPECT_EQ(RunScriptFile(bad, [&] { demo.ShowModal(); }, second), 1);
  EXPECT_EQ(RunScriptFile((dir / "none.script").string(), [] {}, third), 1);
}

TEST_F(Scripts, ScriptFilesThatRunNothingOrCannotBeReadFailShortly) {
  TDemoForm demo;
  const std::filesystem::path file = dir / "case.script";
  auto write = [&](const std::string& text) {
    return [=] { std::ofstream(file, std::ios::binary) << text; };
  };
  const std::string bom = "\xEF\xBB\xBF";
  struct Case {
    const char* what;
    std::function<void()> make;
    int exitCode;
    std::string message;  // part of what is printed ("" when nothing is)
  };
  const Case cases[] = {
      {"an empty file", write(""), 1, "case.script: no step was run"},
      {"comments only", write("# nothing to do\n\n"), 1, "case.script: no step was run"},
      {"a folder", [&] { std::filesystem::create_directory(file); }, 1,
       "case.script: the script is not a regular file"},
      {"a pipe", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }, 1,
       "case.script: the script is not a regular file"},
      {"a byte-order mark",
       write(bom + "type DemoForm.NameEdit \"Bo\"\nclick DemoForm.OkImage\nclose\n"), 0, ""},
      {"a byte-order mark before a bad step", write(bom + "jump\n"), 1,
       "case.script:1: unknown step 'jump'"},
      {"a 1 MB line of garbage", write(std::string(1 << 20, 'x')), 1,
       "case.script:1: unknown step 'xxx"},
      {"a 1 MB step that fails", write("click DemoForm." + std::string(1 << 20, 'y') + "\n"), 1,
       "case.script:1: click DemoForm.yyy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(file);
    c.make();
    ScriptRunner runner;
    ::testing::internal::CaptureStderr();
    const int exitCode = RunScriptFile(file.string(), [&] { demo.ShowModal(); }, runner);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(exitCode, c.exitCode);
    if (c.message.empty()) {
      EXPECT_EQ(printed, "");
    } else {
      EXPECT_NE(printed.find(c.message), std::string::npos) << printed.substr(0, 300);
    }
    EXPECT_LT(printed.size(), 500u);
  }
  EXPECT_EQ(demo.Greeting.Caption(), "Hello Bo");
  std::filesystem::remove_all(file);
}

TEST_F(Scripts, DataCheckFindsHandlersMissingOnEitherSideAndMissingPictures) {
  const std::string layout = FARHAVEN_SOURCE_DIR "/tests/platform/layouts/demo_form.layout";
  auto make = [] { return std::unique_ptr<Form>(new TDemoForm()); };
  EXPECT_TRUE(CheckForm(layout, make).empty());
  std::filesystem::remove(dir / "Demo_OK.jpg");
  const auto problems = CheckForm(layout, Rebound<TDemoForm>({{"BlinkTimer", nullptr}}));
  EXPECT_EQ(problems, (std::vector<std::string>{
                          layout + ": picture \"demo_ok.jpg\" is not among the assets",
                          layout + ": handler BlinkTimer is not bound by TDemoForm"}));
  // A binding no component uses: left behind when its layout line went, or misspelt.
  EXPECT_EQ(CheckForm(layout, Rebound<TDemoForm>({{"OkImageDoubleClick", [](Sender) {}}})),
            (std::vector<std::string>{
                layout + ": picture \"demo_ok.jpg\" is not among the assets",
                layout + ": TDemoForm binds handler OkImageDoubleClick, which no component uses"}));
  // A form whose code asks for a component the layout lacks.
  auto wrong = [] {
    struct Needy : Form {
      Needy() : Form("DemoForm") { Get<Image>("CancelButton"); }
    };
    return std::unique_ptr<Form>(new Needy());
  };
  const auto missing = CheckForm(layout, wrong);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[1], "DemoForm: no component named 'CancelButton'");
}

}  // namespace
}  // namespace platform_test
