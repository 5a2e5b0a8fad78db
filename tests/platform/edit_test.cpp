// An edit behaves as on any desktop: the focus selects its text, the keys move and select, the
// selection is replaced or removed, the clipboard is the desktop's, the view follows the caret, and
// the text keeps to what the save files hold.
#include "platform_fixture.h"

#include "platform/canvas.h"
#include "platform/script.h"
#include "platform/text.h"

namespace platform_test {
namespace {

constexpr const char* kLayout = R"layout(
form E : TE  width 400 height 200 position centre color black
  edit Name    left 10 top 10 width 160 height 24 text "(Please enter your name here)"
  edit Short   left 10 top 50 width 160 height 24 text "abc" maxlength 5
  edit Words   left 10 top 90 width 160 height 24 text "Zoë de Varro"
)layout";

class Edits : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    form = std::make_unique<LoggingForm>("E", kLayout, log);
    form->Show();
    App().SetClock(nullptr);  // the script runner brings its own manual clock
  }
  void TearDown() override {
    form.reset();
    PlatformTest::TearDown();
  }
  Edit& Get(const std::string& name) { return form->Get<Edit>(name); }
  static int TextWidth(const Edit& e, std::string_view text) {
    int w = 0, h = 0;
    MeasureText(e.GetFont(), text, w, h);
    return w;
  }

  std::vector<std::string> log;
  std::unique_ptr<LoggingForm> form;
};

TEST_F(Edits, KeysSelectReplaceAndUseTheClipboardAsOnAnyDesktop) {
  struct Case {
    const char* what;
    const char* edit;
    const char* steps;
    const char* text;  // afterwards
    int selStart, selLength, caret;
  };
  const Case cases[] = {
      {"the click that gives the focus selects the whole text", "Name", "click E.Name",
       "(Please enter your name here)", 0, 29, 29},
      {"typing replaces the selected hint", "Name", "click E.Name\ntype \"Jo\"", "Jo", 2, 0, 2},
      {"Tab gives the focus and selects too", "Name", "key Tab\ntype \"x\"", "x", 1, 0, 1},
      {"Home and End move, Shift+End selects to the end", "Short", "click E.Short\nkey Home\nkey Right\nkey Shift+End",
       "abc", 1, 2, 3},
      {"Shift+Home selects back to the start, Backspace removes it", "Name",
       "click E.Name\nkey End\nkey Left\nkey Shift+Home\nkey Backspace", ")", 0, 0, 0},
      {"Left without Shift collapses the selection to its start", "Short",
       "click E.Short\nkey Left\ntype \"z\"", "zabc", 1, 0, 1},
      {"Right without Shift collapses it to its end", "Short", "click E.Short\nkey Right\ntype \"z\"",
       "abcz", 4, 0, 4},
      {"Shift+Left and Shift+Right select by characters", "Short",
       "click E.Short\nkey Home\nkey Shift+Right\nkey Shift+Right\nkey Shift+Left", "abc", 0, 1, 1},
      {"Ctrl+A selects all after the caret moved, Delete removes it", "Name",
       "click E.Name\nkey Home\nkey Ctrl+A\nkey Delete", "", 0, 0, 0},
      {"Delete and Backspace without a selection take one character", "Short",
       "click E.Short\nkey Home\nkey Right\nkey Delete\nkey Backspace", "c", 0, 0, 0},
      {"Ctrl+Left and Ctrl+Shift+Right go by words", "Words",
       "click E.Words\nkey End\nkey Ctrl+Left\nkey Ctrl+Left\nkey Ctrl+Shift+Right", "Zoë de Varro", 4, 3, 7},
      {"copy and paste at the end, up to the length limit", "Short",
       "click E.Short\nkey Ctrl+C\nkey End\nkey Ctrl+V", "abcab", 5, 0, 5},
      {"cut removes the selection, paste brings it back over a new selection", "Words",
       "click E.Words\nkey Home\nkey Shift+Right\nkey Shift+Right\nkey Shift+Right\nkey Ctrl+X\n"
       "key Ctrl+A\nkey Ctrl+V",
       "Zoë", 3, 0, 3},
      {"Ctrl+C without a selection keeps the clipboard", "Words",
       "click E.Words\nkey Home\nkey Shift+Right\nkey Ctrl+C\nkey End\nkey Ctrl+C\nkey Ctrl+V",
       "Zoë de VarroZ", 13, 0, 13},
      {"accents arrive whole, a character the save files cannot hold becomes ?", "Name",
       "click E.Name\ntype \"Zoë ☃ €\"", "Zoë ? €", 7, 0, 7},
      {"typing stops at the length limit", "Short", "click E.Short\ntype \"Zoë Varro\"", "Zoë V", 5, 0, 5},
      {"the limit holds for typing into the middle", "Short", "click E.Short\nkey End\nkey Left\ntype \"xyz\"",
       "abxyc", 4, 0, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Get("Name").SetText("(Please enter your name here)");
    Get("Short").SetText("abc");
    Get("Words").SetText("Zoë de Varro");
    form->SetFocused(nullptr);
    ScriptRunner runner;
    runner.Load(c.steps, "edit.script");
    const ScriptResult r = runner.Run();
    ASSERT_TRUE(r.ok) << r.message;
    const Edit& e = Get(c.edit);
    EXPECT_EQ(e.Text(), c.text);
    EXPECT_EQ(e.SelStart(), c.selStart);
    EXPECT_EQ(e.SelLength(), c.selLength);
    EXPECT_EQ(e.Caret(), c.caret);
  }
}

TEST_F(Edits, AClickInTheFocusedEditPlacesTheCaretAndADragSelects) {
  Edit& words = Get("Words");
  const Rect r = words.ScreenRect();
  const int y = r.y + r.h / 2;
  const int afterZoe = r.x + 3 + TextWidth(words, "Zoë");
  Click(afterZoe, y);  // gives the focus: all selected
  EXPECT_EQ(words.SelLength(), 12);
  Click(afterZoe, y);  // in the focused edit: the caret goes where the click is
  EXPECT_EQ(words.Caret(), 3);
  EXPECT_EQ(words.SelLength(), 0);
  // Press after "Zoë", move to after "Zoë de", release: those three characters are selected.
  App().MouseDown(MouseButton::Left, afterZoe, y);
  App().MouseMove(r.x + 3 + TextWidth(words, "Zoë de"), y);
  App().MouseUp(MouseButton::Left, r.x + 3 + TextWidth(words, "Zoë de"), y);
  EXPECT_EQ(words.SelectedText(), " de");
  // A press far right of the text puts the caret at its end.
  Click(r.x + r.w - 4, y);
  EXPECT_EQ(words.Caret(), 12);
}

TEST_F(Edits, TheViewScrollsToKeepTheCaretInSight) {
  Edit& name = Get("Name");
  const std::string text = "Wolfgang Amadeus Theophilus Mozart of Salzburg";
  name.SetText(text);
  name.SetFocus();
  const int room = name.Width() - 6;
  ASSERT_GT(TextWidth(name, text), room);
  App().PressKey(Key::End);
  // The end of the text shows at the right edge.
  EXPECT_EQ(name.ScrollOffset(), TextWidth(name, text) - room + 1);
  // Going left inside the view does not scroll; going past its left edge does.
  App().PressKey(Key::Left);
  EXPECT_EQ(name.ScrollOffset(), TextWidth(name, text) - room + 1);
  App().PressKey(Key::Home);
  EXPECT_EQ(name.ScrollOffset(), 0);
  App().PressKey(Key::End);
  for (int i = 0; i < 20; ++i) App().PressKey(Key::Left);
  const int caretX = TextWidth(name, text.substr(0, text.size() - 20)) - name.ScrollOffset();
  EXPECT_GE(caretX, 0);
  EXPECT_LT(caretX, room);
  // Text that fits again after a deletion scrolls back to its start.
  App().PressKey(Key::A, kCtrl);
  App().TypeText("Zoë");
  EXPECT_EQ(name.ScrollOffset(), 0);
}

TEST_F(Edits, TheSelectionShowsOnlyWhileTheEditHasTheFocus) {
  Edit& name = Get("Name");
  const Rect r = name.Bounds();
  // Pixels of the edit's face in the selection's blue.
  auto blue = [&] {
    auto shot = App().RenderForm(*form);
    int n = 0;
    for (int y = r.y + 2; y < r.y + r.h - 2; ++y)
      for (int x = r.x + 2; x < r.x + r.w - 2; ++x) {
        const Color c = PixelAt(shot.get(), x, y);
        if (c.b > c.r + 60 && c.b > c.g + 40) ++n;
      }
    return n;
  };
  name.SetFocus();  // all selected
  EXPECT_GT(blue(), 200);
  form->SetFocused(nullptr);
  EXPECT_EQ(blue(), 0);
}

}  // namespace
}  // namespace platform_test
