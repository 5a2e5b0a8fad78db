// The keyboard: Enter and Escape through a form's default and cancelling controls, the focus that
// Tab moves among edits and push buttons, and keys going to the innermost modal form.
#include "platform_fixture.h"

namespace platform_test {
namespace {

constexpr const char* kLayout = R"(
form K : TK  width 400 height 300 position centre color black
  OnKeyPress FormKeyPress
  image Face    left 0 top 0 width 400 height 300
  edit Name     left 10 top 10 width 150 height 24
  image Ok      left 10 top 50 width 100 height 30  OnClick OkClick  default
  image No      left 120 top 50 width 100 height 30  OnClick NoClick  cancel
  button First  left 10 top 100 width 80 height 30 caption "First" OnClick FirstClick
  button Hidden left 100 top 100 width 80 height 30 caption "Hidden" visible false OnClick HiddenClick
  button Off    left 190 top 100 width 80 height 30 caption "Off" enabled false OnClick OffClick
  panel Box     left 10 top 150 width 300 height 100
    edit Inner    left 10 top 10 width 100 height 24
    button Last   left 120 top 10 width 80 height 30 caption "Last" OnClick LastClick
)";

class Keyboard : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    form = std::make_unique<LoggingForm>("K", kLayout, log);
    form->Bind("FormKeyPress", [this](Sender s) {
      if (swallow) s.key = 0;
    });
    form->Show();
    log.clear();
  }
  void TearDown() override {
    form.reset();
    PlatformTest::TearDown();
  }
  std::string FocusName() const { return form->Focused() ? form->Focused()->Name() : "-"; }

  std::vector<std::string> log;
  bool swallow = false;
  std::unique_ptr<LoggingForm> form;
};

TEST_F(Keyboard, EnterAndEscapeRunTheDefaultAndCancellingControlsOwnHandlers) {
  App().PressKey(Key::Enter);
  App().PressKey(Key::Escape);
  EXPECT_EQ(log, (std::vector<std::string>{"Ok:OkClick", "No:NoClick"}));

  // Typing in an edit: Enter still answers, Escape still cancels.
  log.clear();
  form->Get<Edit>("Name").SetFocus();
  App().TypeText("Jo");
  App().PressKey(Key::Enter);
  EXPECT_EQ(form->Get<Edit>("Name").Text(), "Jo");
  EXPECT_EQ(log, std::vector<std::string>{"Ok:OkClick"});

  // A form's OnKeyPress that swallows the key keeps it from the controls.
  log.clear();
  form->SetFocused(nullptr);
  swallow = true;
  App().PressKey(Key::Enter);
  App().PressKey(Key::Escape);
  EXPECT_TRUE(log.empty());
  swallow = false;

  // A hidden or disabled default control answers nothing.
  form->Get<Image>("Ok").Hide();
  form->Get<Image>("No").SetEnabled(false);
  App().PressKey(Key::Enter);
  App().PressKey(Key::Escape);
  EXPECT_TRUE(log.empty());
}

TEST_F(Keyboard, TabMovesTheFocusAmongEditsAndButtonsThatTakeInputInLayoutOrder) {
  std::vector<std::string> forward, backward;
  for (int i = 0; i < 5; ++i) {
    App().PressKey(Key::Tab);
    forward.push_back(FocusName());
  }
  for (int i = 0; i < 5; ++i) {
    App().PressKey(Key::BackTab);
    backward.push_back(FocusName());
  }
  // Pictures, a hidden and a disabled button are skipped; the ring wraps round.
  EXPECT_EQ(forward, (std::vector<std::string>{"Name", "First", "Inner", "Last", "Name"}));
  EXPECT_EQ(backward, (std::vector<std::string>{"Last", "Inner", "First", "Name", "Last"}));

  // Typing goes to the focused edit only.
  App().PressKey(Key::BackTab);  // Inner
  App().TypeText("x");
  EXPECT_EQ(form->Get<Edit>("Inner").Text(), "x");
  EXPECT_EQ(form->Get<Edit>("Name").Text(), "");
}

TEST_F(Keyboard, EnterAndSpaceOnAFocusedButtonPressThatButtonNotTheDefault) {
  App().PressKey(Key::Tab);
  App().PressKey(Key::Tab);  // First
  App().PressKey(Key::Enter);
  App().PressKey(Key::Space);
  App().PressKey(Key::Escape);  // Escape still cancels
  EXPECT_EQ(log, (std::vector<std::string>{"First:FirstClick", "First:FirstClick", "No:NoClick"}));
  // Space elsewhere presses nothing.
  log.clear();
  form->Get<Edit>("Name").SetFocus();
  App().PressKey(Key::Space);
  EXPECT_TRUE(log.empty());
  // A click gives a push button the focus as well.
  ClickOn(form->Get<Button>("Last"));
  EXPECT_EQ(FocusName(), "Last");
}

TEST_F(Keyboard, TheFocusedButtonShowsADottedFrame) {
  Button& first = form->Get<Button>("First");
  first.SetFontColor(colors::Red);
  auto plain = App().RenderForm(*form);
  form->SetFocused(&first);
  auto focused = App().RenderForm(*form);
  const int x = first.Left() + 3, y = first.Top() + 3;
  EXPECT_NE(PixelAt(plain.get(), x, y), colors::Red);
  EXPECT_EQ(PixelAt(focused.get(), x, y), colors::Red);
  EXPECT_EQ(PixelAt(focused.get(), x + 2, y), colors::Red);
  EXPECT_NE(PixelAt(focused.get(), x + 1, y), colors::Red);
}

TEST_F(Keyboard, KeysGoToTheInnermostModalForm) {
  auto popup = std::make_unique<LoggingForm>("P", R"(
form P : TP  width 200 height 100 position centre
  image Yes  left 0 top 0 width 100 height 100  OnClick YesClick  default
  image Only left 100 top 0 width 100 height 100  OnClick OnlyClick  cancel
)", log);
  popup->Bind("OnlyClick", [&](Sender) {
    log.push_back("Only");
    popup->Close();
  });
  WhenIdle({[] { App().PressKey(Key::Enter); }, [] { App().PressKey(Key::Escape); }});
  EXPECT_EQ(popup->ShowModal(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"Yes:YesClick", "Only"}));
}

}  // namespace
}  // namespace platform_test
