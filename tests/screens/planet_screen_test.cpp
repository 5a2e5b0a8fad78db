// The planet screen on the real forms: filled for the body the ship has landed on, its doors lit
// under the mouse, every door opening its service's screen, the governor refusing a foreign captain, the close box refused, and "Back to space" (or Escape) closing it a
// day later.
#include <string>

#include "app/program.h"
#include "platform/layout.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/popups/popup_forms.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/planet.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class PlanetScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    system = state::PlayerShip[ship::kSystem];
    body = state::PlayerShip[ship::kBody];
    state::DisplayedSystem = system;
    state::SelectedBody = body;
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  // Runs `steps` with the planet screen opened as the landing opens it.
  platform::ScriptResult RunPlanetScreen(const std::string& steps) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    // The desktop asks the screen to close (its close box), as any close request does.
    runner.AddVerb("request-close", [](const platform::ScriptStep&) {
      screens::GameForm<screens::PlanetScreenForm>().Close();
    });
    runner.Load("seed 7\n" + steps, "planet_screen.script");
    return runner.Run([] { screens::OpenPlanetScreen(); });
  }

  std::int32_t system = 0, body = 0;
};

TEST_F(PlanetScreenTest, ShowsTheLandedPlanetAndLeavesOnlyByBackToSpaceADayLater) {
  const std::int32_t day = state::GameDay;
  const std::string script =
      "expect PlanetScreen.Visible true\n"
      "expect PlanetScreen.PlanetName.Caption \"" +
      state::BodyText[system][body][body_text::kName] +
      "\"\n"
      "expect PlanetScreen.FactionCaption.Caption \"Faction: Federation Of Planets\"\n"
      "expect PlanetScreen.PlanetPicture.Picture \"" +
      screens::BuildPlanetView(system, body).picture + "\"\n" + R"(
move PlanetScreen.GovernorButton
expect PlanetScreen.GovernorButton.Picture "PlanetScreenHIGHLIGHT_03.jpg"
move PlanetScreen.BankLabel
expect PlanetScreen.GovernorButton.Picture "PlanetScreen_03.jpg"
expect PlanetScreen.BankButton.Picture "PlanetScreenHIGHLIGHT_04.jpg"
move PlanetScreen.Face
expect PlanetScreen.BankButton.Picture "PlanetScreen_04.jpg"
move PlanetScreen.BackButton
)" + ScreenshotStep("PlanetScreen", "planet-screen.png") +
      R"(
request-close
expect PlanetScreen.Visible true
click PlanetScreen.BackLabel
expect PlanetScreen.Visible false
)";
  const platform::ScriptResult r = RunPlanetScreen(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::GameDay, day + 1) << "leaving costs exactly one day";
  EXPECT_EQ(state::PlanetMayClose, 0) << "the next landing starts guarded again";
  EXPECT_EQ(state::DisplayedSystem, system);
  EXPECT_EQ(sounds.effects.front(), "button.wav");
  EXPECT_FALSE(screens::PlanetScreenShowing());
}

TEST_F(PlanetScreenTest, EveryDoorOpensItsServiceOrRefusesAndCostsNoDay) {
  struct Case {
    const char* door;
    std::int32_t owner;  // of the planet the ship is at
    const char* topic;  // the popup's; for a door that opens its screen, that screen's form
    const char* text;   // empty for a door that opens its screen
  };
  const Case cases[] = {
      {"GovernorLabel", 1, "Governor", ""},
      {"GovernorButton", 2, "Rebuffed!",
       "Due to the current political situation the foreign governor politely refuses to see you."},
      {"GovernorPlate", 3, "Rebuffed!",
       "Due to the current political situation the foreign governor politely refuses to see you."},
      {"BarLabel", 4, "Bar", ""},
      {"BankButton", 2, "Bank", ""},
      {"ShipyardLabel", 3, "Shipyard", ""},
      {"EquipmentButton", 1, "EquipmentShop", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.door);
    state::BodyData[system][body][body::kOwner] = c.owner;
    const std::int32_t day = state::GameDay;
    std::string script = std::string("click PlanetScreen.") + c.door + "\n";
    if (*c.text == '\0') {
      // The service's own screen, left by Escape as by its own Back or Close.
      script += std::string("expect ") + c.topic + ".Visible true\nkey Escape\n";
    } else {
      script += std::string("expect TextPopup.Topic.Caption \"") + c.topic + "\"\n" +
                "expect TextPopup.Text.Caption \"" + c.text + "\"\n";
      if (c.door == std::string("GovernorButton")) script += ScreenshotStep("TextPopup", "planet-governor-refuses.png");
      script += "answer continue\n";
    }
    // Escape does nothing here: leaving costs a day, so only "Back to space" leaves.
    script += "expect PlanetScreen.Visible true\nkey Escape\nexpect PlanetScreen.Visible true\n"
              "click PlanetScreen.BackButton\nexpect PlanetScreen.Visible false\n";
    const platform::ScriptResult r = RunPlanetScreen(script);
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(state::GameDay, day + 1) << "only leaving costs a day";
    platform::App().Reset();
  }
}

TEST_F(PlanetScreenTest, NoPlanetScreenOpensAtASpaceFind) {
  state::SelectedBody = -2;
  WhenIdle({});  // a screen that opened would wait here and fail
  screens::OpenPlanetScreen();
  EXPECT_FALSE(screens::PlanetScreenShowing());
}

}  // namespace
}  // namespace screens_test
