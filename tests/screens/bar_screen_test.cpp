// The spaceport bar and the pirate hideout on the real forms: the buttons lit under the mouse, a
// drink of small talk and a paid bribe, the hiring office behind its door, hiding, the trade window usable beside the hideout, and the day that only leaving the hideout
// costs.
#include <algorithm>
#include <string>

#include "app/program.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/port/bar.h"
#include "screens/shared/doors.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class BarScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    system = state::PlayerShip[ship::kSystem];
    state::DisplayedSystem = system;
    state::SelectedBody = state::PlayerShip[ship::kBody];
    // No hidden hideout in the ship's system unless a test hides one.
    for (int b = 1; b <= state::kLastBody; ++b)
      if (Body(b)[body::kKind] == state::kKindPirateHideout) {
        Body(b)[body::kVisible] = 1;
        Body(b)[body::kHideoutRevealed] = 1;
      }
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  state::TBodyRow& Body(int b) { return state::BodyData[system][b]; }

  // Runs `steps` with a screen opened by `open`, as the planet screen or the docking opens it.
  static platform::ScriptResult Run(void (*open)(), const std::string& steps) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load("seed 7\n" + steps, "bar_screen.script");
    return runner.Run([open] { open(); });
  }

  int system = 0;
};

TEST_F(BarScreenTest, TheButtonsLightUnderTheMouseOneAtATime) {
  struct Case {
    void (*open)();
    std::string form;
    std::string buttons[4];  // the images, in button order
    std::string face;        // the picture beside the buttons
    const char* screenshot;
  };
  const Case cases[] = {
      {&screens::OpenBar, "Bar", {"Drink", "Hire", "Retire", "Close"}, "Barkeeper", "bar.png"},
      {&screens::OpenPirateHideout, "PirateHideout", {"Hide", "Hire", "Contraband", "Close"}, "Pirate",
       "pirate-hideout.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    const auto picture = [&c](int k, bool lit) {
      return "expect " + c.form + "." + c.buttons[k - 1] + "Button.Picture \"" +
             screens::BarButtonPicture(k, lit) + "\"\n";
    };
    std::string script;
    for (int k = 1; k <= 4; ++k) {
      // The button by its picture or its caption, in turn.
      script += "move " + c.form + "." + c.buttons[k - 1] + (k % 2 ? "Button" : "Label") + "\n";
      script += picture(k, true);
      if (k > 1) script += picture(k - 1, false);
    }
    script += ScreenshotStep(c.form.c_str(), c.screenshot);
    script += "move " + c.form + "." + c.face + "\n" + picture(4, false);
    // Leaving the bar is free, so Escape leaves it; leaving the hideout costs a day, so only a
    // click on Close does.
    if (c.form == "PirateHideout")
      script += "key Escape\nexpect PirateHideout.Visible true\nclick PirateHideout.CloseButton\n";
    else
      script += "key Escape\n";
    script += "expect " + c.form + ".Visible false\n";
    const platform::ScriptResult r = Run(c.open, script);
    EXPECT_TRUE(r.ok) << r.message;
    platform::App().Reset();
  }
}

TEST_F(BarScreenTest, ADrinkOfSmallTalkPassesADayAndLeavingTheBarNone) {
  const std::int32_t day = state::GameDay;
  const platform::ScriptResult r = Run(&screens::OpenBar, R"(
expect Bar.Heading.Caption "Spaceport bar:"
click Bar.DrinkButton
expect PicturePopup.Topic.Caption "Smalltalk"
expect PicturePopup.Text.Caption "You spend a whole day in the local spaceport bar enjoying your life."
expect PicturePopup.Picture.Picture "Barman.jpg"
answer continue
expect Bar.Visible true
click Bar.CloseLabel
expect Bar.Visible false
)");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::GameDay, day + 1) << "the drink's day; closing the bar costs none";
  ASSERT_FALSE(sounds.effects.empty());
  EXPECT_EQ(sounds.effects.front(), "button.wav");
}

TEST_F(BarScreenTest, APaidBribeShowsTheHideout) {
  Body(15)[body::kKind] = state::kKindPirateHideout;
  Body(15)[body::kVisible] = 0;
  Body(15)[body::kHideoutRevealed] = 0;
  state::PlayerData[player::kCredits] = 7000;
  const platform::ScriptResult r = Run(&screens::OpenBar, R"(
click Bar.DrinkLabel
expect ChoicePopup.Topic.Caption "Bribe?"
expect ChoicePopup.Picture.Picture "Barman.jpg"
)" + ScreenshotStep("ChoicePopup", "bar-bribe.png") + R"(
answer yes
expect TextPopup.Topic.Caption "Pirate hideout"
expect TextPopup.Text.Caption "You get to know the location of a hidden pirate hideout in this sector..."
answer continue
click Bar.CloseButton
)");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kCredits], 2000);
  EXPECT_EQ(Body(15)[body::kVisible], 1);
  EXPECT_EQ(Body(15)[body::kHideoutRevealed], 1);
}

TEST_F(BarScreenTest, HiringOpensTheHiringOfficeAndRetiringAsksFirst) {
  const std::int32_t day = state::GameDay;
  const platform::ScriptResult r = Run(&screens::OpenBar, R"(
click Bar.HireLabel
expect CrewHiring.Visible true
key Escape
expect CrewHiring.Visible false
click Bar.RetireButton
expect YesNoPopup.Topic.Caption "Retire?"
expect YesNoPopup.Text.Caption "Do you really wish to retire? (The game would be over and the highscore would be calculated)."
answer no
expect Bar.Visible true
key Escape
expect Bar.Visible false
)");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::GameDay, day);
}

TEST_F(BarScreenTest, TheHideoutHidesHiresSellsContrabandBesideItAndCostsADayToLeave) {
  state::PlayerData[player::kCriminalDays] = 3;
  const std::int32_t day = state::GameDay;
  state::TradeQuantity = 0;
  const platform::ScriptResult r = Run(&screens::OpenPirateHideout, R"(
expect PirateHideout.Heading.Caption "Pirate hideout"
click PirateHideout.HireButton
expect CrewHiring.Visible true
key Escape
click PirateHideout.HideLabel
expect YesNoPopup.Topic.Caption "Hide"
expect YesNoPopup.Text.Caption "Do you really wish to hide 3 days until the criminal flag wears off?"
answer yes
expect TextPopup.Topic.Caption "Escaped!"
answer continue
click PirateHideout.HideButton
expect TextPopup.Topic.Caption "N/A"
answer continue
click PirateHideout.ContrabandLabel
expect TradeWindow.Visible true
click TradeWindow.CloseButton
expect TradeWindow.Visible false
click PirateHideout.ContrabandButton
expect TradeWindow.Visible true
)" + ScreenshotStep("screen", "pirate-hideout-trade.png") + R"(
click PirateHideout.ContrabandButton
expect TradeWindow.Visible false
click PirateHideout.CloseLabel
expect PirateHideout.Visible false
)");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kCriminalDays], 0);
  EXPECT_EQ(state::GameDay, day + 3 + 1) << "three days hiding, one leaving";
  EXPECT_EQ(state::TradeQuantity, 10) << "the trade window opens on ten units";
  EXPECT_FALSE(screens::PirateHideoutShowing());
  EXPECT_NE(std::find(sounds.effects.begin(), sounds.effects.end(), "mini.wav"), sounds.effects.end());
}

}  // namespace
}  // namespace screens_test
