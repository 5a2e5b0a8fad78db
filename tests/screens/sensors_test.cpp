// The ship sensors on the real forms: opened with the last active ship selected, a blip (or its
// compatibility label) selecting another, the hail answered in the picture popup, the buttons lit
// under the mouse, the radar sweeping thirty times at most, "Back" (or Escape) closing without a
// day passing; no screen at a pirate hideout or with nothing in range; the attack asking before a
// bigger ship and, once fought, closing the screen a day later with the ship gone.
#include <cstdio>
#include <string>

#include "app/program.h"
#include "platform/layout.h"
#include "platform/pictures.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/doors.h"
#include "screens/travel/sensors.h"
#include "screens/travel/travel_screen.h"
#include "screens/travel/travel_view.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"

namespace screens_test {
namespace {

class SensorsTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    state::PlayerShip[ship::kClass] = 9;  // a destroyer
    for (int k = 1; k <= state::kLastSpecialShip; ++k) state::SpecialShips[k].fill(0);
    state::ActiveMission.fill(0);
    state::PlayerName = "Jane Doe";
    for (int f = 1; f <= 4; ++f)
      for (int g = 1; g <= 4; ++g) state::FactionData[f][faction::kAtWarWith + g] = 0;
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  static void Place(int slot, std::int32_t kind, std::int32_t subKind, Faction faction,
                    std::int32_t shipClass) {
    state::SpecialShips[slot] = test_rows::SpecialShipRow()
                                    .Active()
                                    .Kind(ShipKind{kind})
                                    .SubKind(SpecialShipSubKind{subKind})
                                    .Faction(faction)
                                    .Class(state::ShipClassId{shipClass})
                                    .LeastLoadoutTier(1)
                                    .DaysLeft(5);
  }

  platform::ScriptResult RunSensors(const std::string& steps) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    // "blip N rrggbb": the colour the radar shows blip N in.
    runner.AddVerb("blip", [](const platform::ScriptStep& s) {
      const auto& blip =
          screens::GameForm<screens::SensorsScreen>().Get<platform::Shape>("Blip" + s.words.at(1));
      const platform::Color c = blip.Brush();
      char hex[8];
      std::snprintf(hex, sizeof hex, "%02x%02x%02x", c.r, c.g, c.b);
      if (s.words.at(2) != hex)
        throw platform::ScriptError("blip " + s.words.at(1) + " is " + hex + ", not " + s.words.at(2));
    });
    runner.Load("seed 5\n" + steps, "sensors.script");
    return runner.Run([] { screens::OpenSensors(); });
  }
};

TEST_F(SensorsTest, ScanningSelectingAndHailingCostNoDay) {
  Place(2, 3, 1, kFactionPirates, 2);   // a pirate
  Place(5, 2, 1, kFactionFederation, 6);   // an own warship
  Place(8, 1, 1, kFactionCoalition, 11);  // a foreign trader
  state::CompatibilityMode = 1;
  const std::int32_t day = state::GameDay;
  const std::string script = R"X(
expect Sensors.Visible true
expect Sensors.Topic.Caption "System scan"
blip 8 ffff00
expect Sensors.BlipLabel8.Caption "Selected blip"
blip 2 ff0000
expect Sensors.BlipLabel2.Caption "Enemy blip"
blip 5 1c8dff
expect Sensors.Blip1.Visible false
expect Sensors.ShipLine.Caption "Coalition Ferendar (Transporter)"
click Sensors.Blip2
expect Sensors.ShipLine.Caption "Pirates Stargun (Fighter)"
expect Sensors.Speciality.Caption "There is a bounty of $ 3,000 for the destruction of this vessel"
blip 8 1c8dff
)X" + ScreenshotStep("Sensors", "sensors.png") + R"X(
click Sensors.BlipLabel5
expect Sensors.BlipLabel5.Caption "Selected blip"
move Sensors.CommunicateButton
expect Sensors.CommunicateButton.Picture "RadarScreen_07_ON.jpg"
move Sensors.BackLabel
expect Sensors.CommunicateButton.Picture "RadarScreen_07.jpg"
expect Sensors.BackButton.Picture "RadarScreen_08_ON.jpg"
click Sensors.CommunicateLabel
expect PicturePopup.Topic.Caption "Communicating"
expect PicturePopup.Picture.Picture "Fedpilot1.jpg"
)X" + ScreenshotStep("PicturePopup", "sensors-hail.png") + R"X(
answer continue
wait 8000
key Escape
expect Sensors.Visible false
)X";
  const platform::ScriptResult r = RunSensors(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::GameDay, day);
  EXPECT_EQ(screens::SensorSelection(), 0) << "the selection ends with the screen";
  EXPECT_FALSE(screens::SensorsShowing());
  EXPECT_EQ(screens::GameForm<screens::SensorsScreen>().Sweeps(), 2);
  state::CompatibilityMode = 0;
}

TEST_F(SensorsTest, TheRadarSweepsThirtyTimesAtMost) {
  Place(1, 3, 1, kFactionPirates, 2);
  const platform::ScriptResult r = RunSensors("wait 200000\nclick Sensors.BackButton\n");
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(screens::GameForm<screens::SensorsScreen>().Sweeps(), screens::kSweepsPerOpening);
}

TEST_F(SensorsTest, NoScreenAtAPirateHideoutOrWithNothingInRange) {
  struct Case {
    bool hideout, ships;
    const char* text;
  };
  const Case cases[] = {
      {true, true,
       "The use of ship sensors makes everyone know about your presence - not a wise thing to do "
       "nearby a pirate base!"},
      {false, false, "You cannot detect any ships. You should wait some time."},
  };
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const std::int32_t b = state::PlayerShip[ship::kBody];
  const std::int32_t kind = state::BodyData[s][b][body::kKind];
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    state::BodyData[s][b][body::kKind] = c.hideout ? state::kKindPirateHideout : kind;
    state::SpecialShips[4][special_ship::kActive] = 0;
    if (c.ships) Place(4, 3, 1, kFactionPirates, 2);
    const platform::ScriptResult r = RunSensors(std::string(
        "expect TextPopup.Topic.Caption \"Ship sensors\"\n"
        "expect TextPopup.Text.Caption \"") + c.text + "\"\nanswer continue\n");
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_FALSE(screens::SensorsShowing());
    platform::App().Reset();
  }
}

// Whatever the fight's outcome, the screen closes once it is over, with a day passed.
TEST_F(SensorsTest, AnAttackAsksBeforeABiggerShipAndClosesTheScreenADayLater) {
  Place(3, 3, 1, kFactionPirates, 13);  // a pirate cruiser: bigger than the destroyer
  // A player at the top level who holds the Silver Star already, so the won fight brings no
  // promotion and no medal between it and the sensors.
  state::PlayerData[player::kLevel] = 19;
  state::PlayerData[player::kSilverStar] = 1;
  const std::int32_t day = state::GameDay;
  const std::string script = R"X(
click Sensors.AttackLabel
expect YesNoPopup.Topic.Caption "Danger!"
answer no
expect Sensors.Visible true
click Sensors.AttackButton
expect YesNoPopup.Topic.Caption "Danger!"
answer yes
expect EncounterPopup.Visible true
answer continue
expect ShipCombat.Visible true
dblclick ShipCombat.CheatCorner
click CheatScreen.TileLabel7
answer continue
answer continue
answer continue
answer continue
)X";
  const platform::ScriptResult r = RunSensors(script + std::string(
      "expect Sensors.Visible false\n"));
  EXPECT_TRUE(r.ok) << r.message;
  // The day may put a new ship in the slot, but never a pirate cruiser: pirates fly no cruisers of
  // that class.
  const state::TSpecialShipRow& slot = state::SpecialShips[3];
  EXPECT_FALSE(slot[special_ship::kActive] == 1 && slot[special_ship::kClass] == 13 &&
               slot[special_ship::kFaction] == 0)
      << "the attacked ship left the sensors";
  EXPECT_EQ(state::GameDay, day + 1);
  EXPECT_FALSE(screens::SensorsShowing());
  EXPECT_EQ(
      screens::GameForm<screens::TravelScreenForm>().Get<platform::Label>("StarDate").Caption(),
      screens::BuildTravelView(false).starDate)
      << "the travel screen shows the day the attack cost";
}

}  // namespace
}  // namespace screens_test
