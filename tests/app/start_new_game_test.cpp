// The start screen's new game, from either game button: the three selection screens, the world
// built from what the player chose, the objective beside the portrait, then back on the start
// screen once the travel screen returns.
#include <string>

#include "app/forms.h"
#include "app/program.h"
#include "app/start.h"
#include "platform/script.h"
#include "screens/career/name_selection.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/travel_screen.h"
#include "state/fields.h"
#include "state/skills.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class StartNewGame : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    screens::GameForm<app::StartScreen>().ShowWelcomePanel(false);
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }
};

TEST_F(StartNewGame, TheChoicesOfTheThreeScreensMakeTheNewGame) {
  struct Case {
    const char* button;  // the start screen's button
    const char* steps;   // what the player does on the three screens
    std::int32_t faction, portrait, profession, shipClass;
    const char* name;
    std::int32_t abilities[3];
    Skill skill;
  };
  const Case cases[] = {
      // Continue everywhere: the preselected faction, portrait and profession, no name typed.
      {"NewGameButton", "click FactionSelection.ContinueLabel\nclick NameSelection.ContinueLabel\n"
                        "click ProfessionSelection.ContinueLabel\n",
       1, 0, 1, 5, "Incognito", {10, 11, 22}, kSkillTrader},
      {"NewGameLabel", "click FactionSelection.OuterRimTile\nclick FactionSelection.ContinueButton\n"
                        "click NameSelection.NextButton\ntype NameSelection.NameEdit \"x\"\nkey Enter\n"
                        "click ProfessionSelection.ProfessionLogo4\nclick ProfessionSelection.ContinueButton\n",
       2, 1, 4, 2, "x", {10, 7, 12}, kSkillTracking},  // the click selects the hint, the typing replaces it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    state::TutorialActive = 1;  // a tutorial still running from before
    screens::GameForm<screens::NameSelectionScreen>()
        .Get<platform::Edit>("NameEdit")
        .SetText("(Please enter your name here)");
    std::string script = std::string("click Start.") + c.button + "\n" + c.steps + R"(
expect PicturePopup.Topic.Caption "Game objective:"
answer continue
expect Start.Visible true
)";
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "new_game.script");
    const platform::ScriptResult r =
        runner.Run([] { screens::GameForm<app::StartScreen>().ShowModal(); });
    EXPECT_TRUE(r.ok) << r.message;
    screens::GameForm<app::StartScreen>().Hide();

    EXPECT_EQ(state::PlayerData[player::kFaction], c.faction);
    EXPECT_EQ(state::PlayerData[player::kPortrait], c.portrait);
    EXPECT_EQ(state::PlayerData[player::kProfession], c.profession);
    EXPECT_EQ(state::PlayerName, c.name);
    EXPECT_EQ(state::PlayerShip[ship::kClass], c.shipClass);
    for (std::int32_t id : c.abilities) EXPECT_EQ(state::AbilityOwned[id], 1) << "ability " << id;
    EXPECT_EQ(state::SkillOwned[state::Stored(c.skill)], 1);
    EXPECT_EQ(state::TutorialActive, 0) << "a new game stops the tutorial";
    EXPECT_EQ(
        screens::GameForm<screens::PicturePopup>().Get<platform::Image>("Picture").PictureName(),
        "hero" + std::to_string(c.portrait + 1) + "_20y.jpg");
  }
}

TEST_F(StartNewGame, TheTutorialButtonLeadsThroughTheSameScreensWithTheTutorial) {
  struct Case {
    const char* what;
    const char* steps;  // from the faction screen to the game's objective
    std::uint8_t tutorialOn;
    bool travelPanel;
  };
  const Case cases[] = {
      {"followed: only a pirate may go on; the travel screen shows the next step",
       R"(expect FactionSelection.TutorialPanel.Visible true
expect FactionSelection.TutorialText2.Caption "Click on one of the faction pictures at the top left and click on \"Continue\"."
click FactionSelection.ContinueLabel
expect NameSelection.TutorialPanel.Visible true
click NameSelection.ContinueLabel
expect ProfessionSelection.TutorialPanel.Visible true
click ProfessionSelection.ContinueLabel
expect TextPopup.Topic.Caption "Tutorial"
answer continue
expect ProfessionSelection.Visible true
click ProfessionSelection.ProfessionLogo6
click ProfessionSelection.ContinueLabel
)",
       1, true},
      {"turned off on the name screen: the game starts without it",
       R"(click FactionSelection.ContinueLabel
click NameSelection.TutorialCancelButton
expect YesNoPopup.Topic.Caption "Turn tutorial off?"
answer yes
expect NameSelection.TutorialPanel.Visible false
click NameSelection.ContinueLabel
expect ProfessionSelection.TutorialPanel.Visible false
click ProfessionSelection.ContinueLabel
)",
       0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    std::string script = std::string("click Start.TutorialLabel\n") + c.steps + R"(expect PicturePopup.Topic.Caption "Game objective:"
answer continue
expect TravelScreen.Visible true
)";
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "tutorial.script");
    const platform::ScriptResult r =
        runner.Run([] { screens::GameForm<app::StartScreen>().ShowModal(); });
    EXPECT_TRUE(r.ok) << r.message;
    screens::GameForm<app::StartScreen>().Hide();
    EXPECT_EQ(state::TutorialActive, c.tutorialOn);
    EXPECT_EQ(screens::GameForm<screens::TravelScreenForm>()
                  .Get<platform::Panel>("TutorialPanel")
                  .Visible(),
              c.travelPanel);
    if (c.travelPanel) {
      EXPECT_EQ(state::TutorialStep, 4);
      EXPECT_EQ(state::PlayerData[player::kProfession], 6);
    }
    EXPECT_FALSE(
        screens::GameForm<app::StartScreen>().Get<platform::Panel>("WelcomePanel").Visible());
    state::TutorialActive = 0;
  }
}

}  // namespace
}  // namespace screens_test
