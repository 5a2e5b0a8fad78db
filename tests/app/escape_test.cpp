// Escape on the screens the start screen opens: each one with a Back or Close button closes
// through that button's own handler; on the start screen itself Escape presses nothing.
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/start.h"
#include "combat/screens/simulator_screens.h"
#include "screens/career/game_options.h"
#include "screens/career/highscore.h"
#include "screens/form_test_fixture.h"
#include "screens/travel/credits.h"

namespace screens_test {
namespace {

class EscapeOnScreens : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    app::CreateForms();
  }
  void TearDown() override {
    app::DestroyForms();
    FormTest::TearDown();
  }
};

TEST_F(EscapeOnScreens, EscapeLeavesEachScreenThroughItsBackOrCloseButton) {
  struct Case {
    const char* startButton;  // the start-screen component that opens the screen
    platform::Form* (*screen)();
  };
  const Case cases[] = {
      {"Interface9", [] { return static_cast<platform::Form*>(screens::Form23); }},
      {"Interface10", [] { return static_cast<platform::Form*>(screens::Form29); }},
      {"Interface11", [] { return static_cast<platform::Form*>(screens::Form24); }},
      {"SpeedButton2", [] { return static_cast<platform::Form*>(screens::Form9); }},  // simulator
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.startButton);
    bool shown = false;
    WhenIdle({[&] {
      shown = c.screen()->Visible();
      platform::App().PressKey(platform::Key::Escape);
    }});
    FireClick(*app::Form1, c.startButton);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(StepsLeft());
    EXPECT_FALSE(c.screen()->Visible());
  }
  // On the start screen Escape presses nothing: Exit is no Back.
  app::Form1->Show();
  platform::App().PressKey(platform::Key::Escape);
  EXPECT_TRUE(app::Form1->Visible());
}

}  // namespace
}  // namespace screens_test
