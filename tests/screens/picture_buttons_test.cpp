// Picture buttons: the lit twin shows while the pointer is over the button or its caption, and
// goes however the pointer leaves them, also on a screen whose face puts nothing out itself.
#include "screens/shared/picture_buttons.h"

#include <functional>
#include <memory>
#include <string>

#include "platform/layout.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

using platform::App;

// Two buttons with captions on a face that binds no handler of its own, and a popup that the
// first button opens away from both.
constexpr const char* kScreenLayout = R"(
form Lit : TLit  width 400 height 300  position centre  color black
  image Face          left 0 top 0 width 400 height 300
  image SaveButton    left 20 top 20 width 120 height 40  picture "Save.jpg"
                      OnClick OnSaveClick  OnMouseMove OnSaveHover
  label SaveLabel     left 30 top 30 width 100 height 20 caption "Save" font "Arial" 10 white
                      transparent  OnClick OnSaveClick  OnMouseMove OnSaveHover
  image CloseButton   left 20 top 100 width 120 height 40  picture "Close.jpg"
                      OnMouseMove OnCloseHover
)";
constexpr const char* kPopupLayout = R"(
form Asked : TAsked  width 200 height 100  left 1000 top 500  color black
  image OkButton  left 10 top 10 width 100 height 40  OnClick OnOkClick
)";

class PictureButtonsTest : public FormTest {
 protected:
  struct Screen : platform::Form {
    Screen()
        : Form("Lit", platform::ParseLayout(kScreenLayout, "lit.layout")),
          buttons({{Get<platform::Image>("SaveButton"), "Save.jpg", "Save_Lit.jpg"},
                   {Get<platform::Image>("CloseButton"), "Close.jpg", "Close_Lit.jpg"}},
                  screens::LitState::In(lit)) {
      Bind("OnSaveHover", [this](platform::Sender) { buttons.Hover(1); });
      Bind("OnCloseHover", [this](platform::Sender) { buttons.Hover(2); });
      Bind("OnSaveClick", [this](platform::Sender) {
        if (onSave) onSave();
      });
    }
    int lit = 0;  // kept where the game would keep it
    screens::PictureButtons buttons;
    std::function<void()> onSave;
  };
  struct Popup : platform::Form {
    Popup() : Form("Asked", platform::ParseLayout(kPopupLayout, "asked.layout")) {
      Bind("OnOkClick", [this](platform::Sender) { Close(); });
    }
  };

  void SetUp() override {
    FormTest::SetUp();
    screen = std::make_unique<Screen>();
    screen->Show();
  }
  void TearDown() override {
    screen.reset();
    FormTest::TearDown();
  }
  static void MoveOnto(const platform::Control& c, int dx = 0, int dy = 0) {
    const platform::Rect r = c.ScreenRect();
    App().MouseMove(r.x + r.w / 2 + dx, r.y + r.h / 2 + dy);
  }
  const std::string& Save() { return screen->Get<platform::Image>("SaveButton").PictureName(); }

  std::unique_ptr<Screen> screen;
};

TEST_F(PictureButtonsTest, TheLitTwinGoesHoweverThePointerLeavesTheButton) {
  platform::Form beside("Beside", platform::ParseLayout(
                                      "form Beside : TBeside  width 100 height 100  left 1100 "
                                      "top 20  color black\n",
                                      "beside.layout"));
  struct Case {
    const char* what;
    std::function<void()> leave;
  };
  const Case cases[] = {
      {"onto the face", [&] { MoveOnto(screen->Get<platform::Image>("Face"), 150, 100); }},
      {"onto another form", [&] {
         beside.Show();
         MoveOnto(beside);
       }},
      {"out of the window", [] { App().LeaveWindow(); }},
      {"a form shown over it", [&] {
         beside.SetBounds(screen->Left(), screen->Top(), 200, 200);
         beside.Show();
         App().ProcessMessages();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    beside.Hide();
    beside.SetBounds(1100, 20, 100, 100);
    MoveOnto(screen->Get<platform::Label>("SaveLabel"));
    MoveOnto(screen->Get<platform::Image>("SaveButton"), 50, 15);  // the picture beside its caption
    ASSERT_EQ(Save(), "Save_Lit.jpg");
    ASSERT_EQ(screen->lit, 1);
    c.leave();
    EXPECT_EQ(Save(), "Save.jpg");
    EXPECT_EQ(screen->lit, 0);
  }
  beside.Hide();
  // Onto another button: that one lights instead.
  MoveOnto(screen->Get<platform::Label>("SaveLabel"));
  MoveOnto(screen->Get<platform::Image>("CloseButton"));
  EXPECT_EQ(Save(), "Save.jpg");
  EXPECT_EQ(screen->lit, 2);
}

// A click that opens a popup: the button goes out while the popup is open, and stays out when it
// closes with the pointer on the popup's place.
TEST_F(PictureButtonsTest, APopupOpenedFromTheButtonPutsItOutForGood) {
  Popup popup;
  std::string whileOpen;
  screen->onSave = [&] { popup.ShowModal(); };
  WhenIdle({[&] {
    whileOpen = Save();
    MoveOnto(popup.Get<platform::Image>("OkButton"));
    App().MouseDown(platform::MouseButton::Left, App().MouseX(), App().MouseY());
    App().MouseUp(platform::MouseButton::Left, App().MouseX(), App().MouseY());
  }});
  MoveOnto(screen->Get<platform::Label>("SaveLabel"));
  ASSERT_EQ(Save(), "Save_Lit.jpg");
  const platform::Rect r = screen->Get<platform::Label>("SaveLabel").ScreenRect();
  App().MouseDown(platform::MouseButton::Left, r.x + 5, r.y + 5);
  App().MouseUp(platform::MouseButton::Left, r.x + 5, r.y + 5);
  EXPECT_FALSE(popup.Visible());
  EXPECT_EQ(whileOpen, "Save.jpg");
  App().ProcessMessages();
  EXPECT_EQ(Save(), "Save.jpg");
  EXPECT_EQ(screen->lit, 0);
}

}  // namespace
}  // namespace screens_test
