// The close permission of a guarded screen, on a screen that asks instead of refusing.
#include "screens/shared/guarded_close.h"

#include "platform/layout.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

constexpr const char* kLayout = R"(form Guarded : TGuarded  width 200 height 100  position centre
  OnCloseQuery FormCloseQuery  OnClose FormClose
  label Leave  left 10 top 10 width 80 height 20 caption "Leave" OnClick LeaveClick
)";

class GuardedScreen : public platform::Form {
 public:
  explicit GuardedScreen(std::uint8_t& flag)
      : Form("Guarded", platform::ParseLayout(kLayout, "Guarded.layout")), guard(*this, flag) {
    Bind("LeaveClick", [this](platform::Sender) { guard.CloseByButton(); });
  }
  screens::GuardedClose guard;
};

using GuardedCloseTest = FormTest;

TEST_F(GuardedCloseTest, AnAskingScreenClosesOnlyOnItsButtonOrAYesToItsQuestion) {
  struct Case {
    bool answer;  // the answer to the screen's question on a close request
    bool closedByRequest;
  };
  for (const Case& c : {Case{false, false}, Case{true, true}}) {
    std::uint8_t flag = 0;
    GuardedScreen screen(flag);
    int asked = 0;
    screen.guard.OnRefused([&] {
      ++asked;
      return c.answer;
    });
    screen.Show();
    screen.Close();  // the window's close box
    EXPECT_EQ(screen.Visible(), !c.closedByRequest);
    EXPECT_EQ(asked, 1);
    if (!c.closedByRequest) {
      ClickOn(screen.Get<platform::Label>("Leave"));
      EXPECT_FALSE(screen.Visible());
      EXPECT_EQ(asked, 1) << "the screen's own button closes without asking";
    }
    EXPECT_EQ(flag, 0);
    platform::App().Reset();
  }
}

}  // namespace
}  // namespace screens_test
