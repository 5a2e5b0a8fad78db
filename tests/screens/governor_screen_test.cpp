// The governor on the real forms: the greeting, the flag and the amnesty offer filled on opening,
// the amnesty bought and the screen refreshed at once, the doors to the mission board, the ship
// status sheet and the personal status, and Back.
#include <string>

#include "app/program.h"
#include "platform/script.h"
#include "rules/governor.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/port/governor.h"
#include "screens/shared/doors.h"
#include "state/fields.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class GovernorScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    state::PlayerName = "Jane Doe";
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  static platform::ScriptResult Run(const std::string& steps) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load("seed 7\n" + steps, "governor_screen.script");
    return runner.Run([] { screens::OpenGovernor(); });
  }
};

TEST_F(GovernorScreenTest, AnAmnestyBoughtIsShownAtOnce) {
  state::PlayerData[player::kCriminalDays] = 12;
  state::PlayerData[player::kCredits] = 150000;
  state::SkillOwned[state::Stored(kSkillAmnesty)] = 1;
  // The longest greeting: a commander of a faction at war with all three others.
  state::PlayerData[player::kRank] = 5;
  for (int g = 2; g <= 4; ++g) state::FactionData[1][faction::kAtWarWith + g] = 1;
  // The greeting opens with a quotation mark: escaped for the script.
  std::string flagged;
  for (const char ch : rules::BuildGovernorView().greeting) flagged += ch == '"' ? std::string("\\\"") : std::string(1, ch);
  const platform::ScriptResult r = Run(
      "expect Governor.Greeting.Caption \"" + flagged + "\"\n" +
      "expect Governor.CriminalFlag.Caption \"Yes (12 turns)\"\n" + R"(
expect Governor.AmnestyLabel.Enabled true
expect Governor.FactionLogo.Picture "FederationLogo.jpg"
move Governor.MissionLabel
expect Governor.MissionButton.Picture "GovernorMenu_05H.jpg"
move Governor.AmnestyButton
expect Governor.MissionButton.Picture "GovernorMenu_05.jpg"
expect Governor.AmnestyButton.Picture "GovernorMenu_06H.jpg"
)" + ScreenshotStep("Governor", "governor.png") + R"(
click Governor.AmnestyLabel
expect YesNoPopup.Topic.Caption "Amnesty"
answer yes
expect TextPopup.Topic.Caption "Success"
answer continue
expect Governor.CriminalFlag.Caption "No"
expect Governor.AmnestyLabel.Enabled false
click Governor.AmnestyButton
click Governor.BackLabel
expect Governor.Visible false
)");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kCredits], 50000);
  EXPECT_EQ(state::PlayerData[player::kCriminalDays], 0);
}

TEST_F(GovernorScreenTest, WithoutTheSkillTheAmnestyIsGreyAndDoesNothing) {
  state::PlayerData[player::kCriminalDays] = 12;
  state::PlayerData[player::kCredits] = 150000;
  const platform::ScriptResult r = Run(R"(
expect Governor.AmnestyLabel.Enabled false
click Governor.AmnestyButton
expect Governor.Visible true
key Escape
expect Governor.Visible false
)");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kCredits], 150000);
  EXPECT_EQ(state::PlayerData[player::kCriminalDays], 12);
}

TEST_F(GovernorScreenTest, TheDoorsOpenTheirScreens) {
  const platform::ScriptResult r = Run(R"(
click Governor.MissionButton
expect MissionBoard.Visible true
key Escape
expect MissionBoard.Visible false
click Governor.PersonalStatusLabel
expect PersonalStatus.Visible true
key Escape
expect PersonalStatus.Visible false
click Governor.ShipStatusLabel
expect ShipStatus.Visible true
key Escape
expect ShipStatus.Visible false
expect Governor.Visible true
click Governor.BackButton
expect Governor.Visible false
)");
  EXPECT_TRUE(r.ok) << r.message;
}

}  // namespace
}  // namespace screens_test
