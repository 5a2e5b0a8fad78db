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

using StartSimulator = GameFormsTest;

TEST_F(StartSimulator, HiddenButtonOpensThePlayerPageAndBackReturns) {
  WhenIdle({
      [&] {
        ASSERT_NE(screens::SimulatorSetup, nullptr);
        EXPECT_TRUE(screens::SimulatorSetup->Visible());
        EXPECT_EQ(screens::SimulatorSetup->Get<platform::Label>("Heading").Caption(), "Player setup:");
        EXPECT_EQ(combat::SimulatorSetupStep, 1);
        ClickOn(*screens::SimulatorSetup->Find("BackButton"));
      },
      [] {},
  });
  FireClick(*app::Start, "SimulatorButton");
  EXPECT_TRUE(StepsLeft());  // nothing else waited for the player
  EXPECT_EQ(combat::SimulatorSetupStep, 0);
  EXPECT_FALSE(screens::SimulatorDuel->Visible());
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

}  // namespace
}  // namespace screens_test
