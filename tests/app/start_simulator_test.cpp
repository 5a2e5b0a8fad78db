// The start screen's hidden simulator button opens the simulator's set-up page for the player,
// with the button's sound; Back there returns to the start screen without a duel.
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/start.h"
#include "combat/screens/simulator_screens.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

class StartSimulator : public FormTest {
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

TEST_F(StartSimulator, HiddenButtonOpensThePlayerPageAndBackReturns) {
  WhenIdle({
      [&] {
        ASSERT_NE(screens::Form9, nullptr);
        EXPECT_TRUE(screens::Form9->Visible());
        EXPECT_EQ(screens::Form9->Get<platform::Label>("Label13").Caption(), "Player setup:");
        EXPECT_EQ(combat::SimulatorSetupStep, 1);
        ClickOn(*screens::Form9->Find("SpeedButton2"));
      },
      [] {},
  });
  FireClick(*app::Form1, "SpeedButton2");
  EXPECT_TRUE(StepsLeft());  // nothing else waited for the player
  EXPECT_EQ(combat::SimulatorSetupStep, 0);
  EXPECT_FALSE(screens::Form3->Visible());
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

TEST_F(StartSimulator, TheDesktopCloseRequestDuringTheDuelWindsUpTheSimulator) {
  auto choose = [] {
    for (const char* name : {"ShipButton1", "ExpertiseButton1", "SpeedButton1"})
      FireClick(*screens::Form9, name);
  };
  bool duelShown = false;
  WhenIdle({
      choose,  // the player's page
      choose,  // the enemy's page
      [&] {
        duelShown = screens::Form3->Visible();
        platform::App().CloseRequest();
      },
  });
  FireClick(*app::Form1, "SpeedButton2");
  EXPECT_TRUE(duelShown);
  EXPECT_FALSE(StepsLeft());
  EXPECT_FALSE(screens::Form3->Visible());
  EXPECT_FALSE(screens::Form9->Visible());
  EXPECT_TRUE(platform::App().ModalStack().empty());
  EXPECT_TRUE(platform::App().Quitting());
}

}  // namespace
}  // namespace screens_test
