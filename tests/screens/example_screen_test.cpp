// The example screen: its view as a table without any form, the screen filled from the view, and
// its flow as a script (tests/screens/example_screen.script: no player reaches the screen, so the
// script starts on it rather than at the program's start).
#include "screens/example/example_screen.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "platform/script.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"

namespace screens_test {
namespace {

TEST(ExampleView, ShowsThePilotAndTheFirstThreeGoodsHeld) {
  struct Case {
    std::vector<std::pair<int, int>> cargo;  // good, units
    std::array<std::string, 3> rows;
    bool empty;
  };
  const Case cases[] = {
      {{}, {"Nothing aboard", "", ""}, true},
      {{{2, 5}}, {"Medicals: 5", "", ""}, false},
      {{{18, 1}, {1, 12}, {3, 4}, {7, 9}}, {"Supplies: 12", "Weapons: 4", "Delicacies: 9"}, false},
  };
  for (const Case& c : cases) {
    state::Cargo.fill(0);
    for (auto [good, units] : c.cargo) state::Cargo[good] = units;
    state::PlayerName = "Jane Doe";
    const screens::ExampleView view = screens::BuildExampleView();
    EXPECT_EQ(view.pilot, "Pilot: Jane Doe");
    EXPECT_EQ(view.holdEmpty, c.empty);
    EXPECT_EQ(view.cargoRows, c.rows);
  }
}

using ExampleScreenTest = GameFormsTest;

TEST_F(ExampleScreenTest, FillsFromItsViewAndPlaysItsScript) {
  state::Cargo.fill(0);
  state::Cargo[1] = 12;
  state::PlayerName = "Jane Doe";
  screens::ExampleScreen& screen = screens::GameForm<screens::ExampleScreen>();
  screen.Refresh();
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  runner.LoadFile(FARHAVEN_SOURCE_DIR "/tests/screens/example_screen.script");
  const platform::ScriptResult r = runner.Run([&] { screen.ShowModal(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(screen.Visible());
}

}  // namespace
}  // namespace screens_test
