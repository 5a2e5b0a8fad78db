// Crew hiring: what the screen shows for the ship (a table over the view), and on the real forms a
// held "+" hiring at a rising rate until the ship is full, the place and droid refusals, the
// information popups, dismissals down to nobody, the lit buttons and "Back".
#include <array>
#include <string>

#include "app/program.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/port/crew_hiring.h"
#include "screens/shared/doors.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

using state::kClassStarwolf;  // no room for any crew
using state::kClassShadowcat;  // crew 6..16
constexpr int kBoardingShuttle = 5;

void SetCrew(int crewmen, int officers, int pirates, int marines, int droids) {
  state::PlayerShip[ship::kCrewmen] = crewmen;
  state::PlayerShip[ship::kOfficers] = officers;
  state::PlayerShip[ship::kPirates] = pirates;
  state::PlayerShip[ship::kMarines] = marines;
  state::PlayerShip[ship::kDroids] = droids;
}

TEST(CrewHiringView, ShowsTheShipItsLimitsTheCrewAndThePrices) {
  state::ClearGameState();
  struct Case {
    state::ShipClassId shipClass;
    int module, credits, compatibility;
    const char* credits_text;
    const char* shipLine;
    const char* picture;
    const char* min;
    const char* max;
    const char* current;
  };
  const Case cases[] = {
      {kClassShadowcat, 0, 1234567, 0, "$ 1,234,567", "Shadowcat class ship.", "Shadowcat_topwire.jpg",
       "6", "16", "15"},
      {kClassShadowcat, kBoardingShuttle, -500, 1, "$ -500", "Shadowcat class ship.",
       "Shadowcat_topwire.jpg", "6", "19", "15"},
      {kClassStarwolf, 0, 0, 0, "$ 0", "Starwolf class ship.", "Starwolf_topwire.jpg", "0", "0", "15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shipLine);
    state::PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    state::PlayerShip[ship::kCargoModule] = c.module;
    state::PlayerData[player::kCredits] = c.credits;
    state::CompatibilityMode = static_cast<std::uint8_t>(c.compatibility);
    SetCrew(1, 2, 3, 4, 5);
    const screens::CrewHiringView v = screens::BuildCrewHiringView();
    EXPECT_EQ(v.credits, c.credits_text);
    EXPECT_EQ(v.shipLine, c.shipLine);
    EXPECT_EQ(v.shipPicture, c.picture);
    EXPECT_EQ(v.minCrew, c.min);
    EXPECT_EQ(v.maxCrew, c.max);
    EXPECT_EQ(v.currentCrew, c.current);
    // In screen order: crewmen, officers, pirates, marines, droids.
    EXPECT_EQ(v.counts, (std::array<std::string, 5>{"1", "2", "3", "4", "5"}));
    // Plain digits after "$C ", unlike the credits.
    EXPECT_EQ(v.prices,
              (std::array<std::string, 5>{"$C 1000", "$C 5000", "$C 2000", "$C 5000", "N/A"}));
    EXPECT_EQ(v.kindLabels, c.compatibility == 1);
  }
  state::CompatibilityMode = 0;
}

TEST(CrewHiringView, ButtonPicturesRunThroughTheRowsThenBack) {
  EXPECT_EQ(screens::CrewHiringButtonPicture(1, false), "CrewHiringScreen_22.jpg");
  EXPECT_EQ(screens::CrewHiringButtonPicture(4, true), "CrewHiringScreenHighlight_25.jpg");
  EXPECT_EQ(screens::CrewHiringButtonPicture(10, false), "CrewHiringScreen_31.jpg");
  EXPECT_EQ(screens::CrewHiringButtonPicture(11, true), "CrewHiringScreenHighlight_34.jpg");
  EXPECT_EQ(screens::CrewHiringButtonPicture(12, true), "");
}

class CrewHiringTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    system = state::PlayerShip[ship::kSystem];
    body = state::PlayerShip[ship::kBody];
    state::BodyData[system][body][body::kKind] = 3;  // a normal planet
    state::PlayerShip[ship::kClass] = state::Stored(kClassShadowcat);
    state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleCargoBay);
    SetCrew(13, 0, 0, 0, 0);
    state::PlayerData[player::kCredits] = 50000;
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  // Runs `steps` with the crew hiring screen open. `press` and `release` hold the left button
  // down on a component and let it go.
  static platform::ScriptResult Run(const std::string& steps) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.AddVerb("press", [](const platform::ScriptStep& s) {
      const platform::Rect r = platform::ScriptRunner::Resolve(s.words.at(1)).ScreenRect();
      platform::App().MouseMove(r.x + r.w / 2, r.y + r.h / 2);
      platform::App().MouseDown(platform::MouseButton::Left, r.x + r.w / 2, r.y + r.h / 2);
    });
    runner.AddVerb("release", [](const platform::ScriptStep& s) {
      const platform::Rect r = platform::ScriptRunner::Resolve(s.words.at(1)).ScreenRect();
      platform::App().MouseUp(platform::MouseButton::Left, r.x + r.w / 2, r.y + r.h / 2);
    });
    runner.Load("seed 7\n" + steps, "crew_hiring.script");
    return runner.Run([] { screens::OpenCrewHiring(); });
  }

  std::int32_t system = 0, body = 0;
};

TEST_F(CrewHiringTest, HoldingPlusHiresFasterUntilTheShipIsFullThenStopsOnce) {
  const std::string script = R"(
expect CrewHiring.Visible true
expect CrewHiring.CurrentCrew.Caption "13"
)" + ScreenshotStep("CrewHiring", "crew-hiring.png") + R"(
press CrewHiring.CrewmenHireButton
expect CrewHiring.CrewmenCount.Caption "14"
wait 499
expect CrewHiring.CrewmenCount.Caption "14"
wait 1
expect CrewHiring.CrewmenCount.Caption "15"
expect CrewHiring.HireTimer.Interval "400"
wait 400
expect CrewHiring.CrewmenCount.Caption "16"
expect CrewHiring.Credits.Caption "$ 47,000"
wait 300
expect TextPopup.Topic.Caption "No crew space!"
expect TextPopup.Text.Caption "Your ship cannot carry more crew members!"
wait 2000
answer continue
release CrewHiring.CrewmenHireButton
wait 2000
expect CrewHiring.CrewmenCount.Caption "16"
expect CrewHiring.CurrentCrew.Caption "16"
click CrewHiring.BackLabel
expect CrewHiring.Visible false
)";
  const platform::ScriptResult r = Run(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerShip[ship::kCrewmen], 16);
  EXPECT_EQ(state::PlayerData[player::kCredits], 47000);
}

TEST_F(CrewHiringTest, RefusalsInfoAndDismissalsChangeOnlyWhatTheySay) {
  SetCrew(1, 0, 0, 0, 0);
  const std::string script = R"(
click CrewHiring.PiratesHireLabel
expect TextPopup.Topic.Caption "N/A"
expect TextPopup.Text.Caption "You can only hire pirates at pirate hideouts - not at common planets."
answer continue
click CrewHiring.DroidsHireButton
expect TextPopup.Text.Caption "Battle droids are very dangerous weapons and are not available on the free market. You will have to seize some on enemy ships."
answer continue
click CrewHiring.MarinesPicture
expect TextPopup.Topic.Caption "Space marines"
expect TextPopup.Text.Caption "Space marines are the toughest fighting force humans can muster. They are trained and equipped for combat."
answer continue
click CrewHiring.OfficersHireButton
expect CrewHiring.OfficersCount.Caption "1"
expect CrewHiring.Credits.Caption "$ 45,000"
click CrewHiring.CrewmenDismissLabel
expect CrewHiring.CrewmenCount.Caption "0"
expect CrewHiring.CurrentCrew.Caption "1"
click CrewHiring.CrewmenDismissButton
expect TextPopup.Topic.Caption "No crew!"
expect TextPopup.Text.Caption "There is nobody to dismiss!"
answer continue
expect CrewHiring.Credits.Caption "$ 45,000"
key Escape
expect CrewHiring.Visible false
)";
  const platform::ScriptResult r = Run(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerShip[ship::kPirates], 0);
  EXPECT_EQ(state::PlayerShip[ship::kOfficers], 1);
  EXPECT_EQ(state::PlayerData[player::kCredits], 45000);
}

TEST_F(CrewHiringTest, AtAHideoutOnlyPiratesAndAShipWithoutRoomTakesNobody) {
  state::BodyData[system][body][body::kKind] = state::kKindPirateHideout;
  std::string script = R"(
click CrewHiring.CrewmenHireButton
expect TextPopup.Text.Caption "You can only hire crewmen at normal planets. Only pirates are available at pirate hideouts."
answer continue
click CrewHiring.PiratesHireButton
expect CrewHiring.PiratesCount.Caption "1"
expect CrewHiring.Credits.Caption "$ 48,000"
click CrewHiring.BackButton
)";
  platform::ScriptResult r = Run(script);
  EXPECT_TRUE(r.ok) << r.message;

  platform::App().Reset();
  state::PlayerShip[ship::kClass] = state::Stored(kClassStarwolf);
  SetCrew(0, 0, 0, 0, 0);
  script = R"(
expect CrewHiring.MaxCrew.Caption "0"
click CrewHiring.PiratesHireButton
expect TextPopup.Topic.Caption "No crew space!"
expect TextPopup.Text.Caption "This kind of ship cannot carry a crew. Buy a bigger one!"
answer continue
expect CrewHiring.PiratesCount.Caption "0"
click CrewHiring.BackButton
)";
  r = Run(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kCredits], 48000);
}

TEST_F(CrewHiringTest, ButtonsLightOneAtATimeAndTheFacePutsThemOut) {
  state::CompatibilityMode = 1;
  const std::string script = R"(
expect CrewHiring.CrewmenText.Visible true
move CrewHiring.CrewmenHireButton
expect CrewHiring.CrewmenHireButton.Picture "CrewHiringScreenHighlight_22.jpg"
move CrewHiring.OfficersDismissLabel
expect CrewHiring.CrewmenHireButton.Picture "CrewHiringScreen_22.jpg"
expect CrewHiring.OfficersDismissButton.Picture "CrewHiringScreenHighlight_25.jpg"
move CrewHiring.DroidsBand
expect CrewHiring.OfficersDismissButton.Picture "CrewHiringScreen_25.jpg"
move CrewHiring.BackLabel
expect CrewHiring.BackButton.Picture "CrewHiringScreenHighlight_34.jpg"
)" + ScreenshotStep("CrewHiring", "crew-hiring-compatibility.png") + R"(
click CrewHiring.BackButton
)";
  const platform::ScriptResult r = Run(script);
  state::CompatibilityMode = 0;
  EXPECT_TRUE(r.ok) << r.message;
}

}  // namespace
}  // namespace screens_test
