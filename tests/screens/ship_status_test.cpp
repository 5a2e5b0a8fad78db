// The ship status sheet: what it shows of the player's ship and of an opponent, as a table without
// any form, and the sheet itself with its speciality, description, equipment and close buttons.
#include "screens/travel/ship_status.h"

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/script.h"
#include "rules/shipyard.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/doors.h"
#include "screens/travel/planet.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/variables.h"
#include "support/rows.h"

namespace screens_test {
namespace {

using screens::ShipStatusMode;
using screens::ShipStatusView;

class ShipStatusViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
  }
  static void SetCrew(state::TShipRow& ship, std::array<std::int32_t, 5> crew) {
    for (int k = 0; k < 5; ++k) ship[ship::kCrewmen + k] = crew[static_cast<std::size_t>(k)];
  }
};

TEST_F(ShipStatusViewTest, NamesTheClassBySizeAndRole) {
  struct Case {
    state::ShipClassId shipClass;
    const char* name;
    const char* size;
  };
  const Case cases[] = {
      {state::kClassStarwolf, "Starwolf", "Fighter"},
      {state::kClassShadowcat, "Shadowcat", "Corvette"},
      {state::kClassPatton, "Patton", "Destroyer"},
      {state::kClassFerendar, "Ferendar", "Transporter"},
      {state::kClassNeptun, "Neptun", "Cruiser"},
      {state::kClassGalaxy, "Galaxy", "Freighter"},
      {state::kClassMarauder, "Marauder", "Battleship"},
      {state::kStarbaseClass, "Starbase", "Battleship"},
  };
  for (const Case& c : cases) {
    state::EnemyShip[ship::kClass] = state::Stored(c.shipClass);
    const ShipStatusView view = screens::BuildShipStatusView(ShipStatusMode::Opponent);
    EXPECT_EQ(view.name, c.name);
    EXPECT_EQ(view.size, c.size) << c.name;
  }
}

TEST_F(ShipStatusViewTest, TheOwnShipShowsItsCrewAndWhatTheShipyardPaysForIt) {
  struct Case {
    std::array<std::int32_t, 5> crew;  // crewmen, officers, marines, pirates, droids
    const char* current;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const Case cases[] = {
      {{0, 0, 0, 0, 0}, "0"},
      {{6, 3, 2, 1, 4}, "16"},                // at the class's maximum of 16
      {{20, 5, 0, 0, 1}, "26"},               // above it
      {{kMax, kMax, kMax, kMax, kMax}, "10737418235"},  // the sum never wraps
  };
  state::PlayerShip = test_rows::ShipRow()
                          .Class(state::kClassShadowcat)
                          .Faction(kFactionCoalition)
                          .Gun(kGunFusion)
                          .Engine(kEngineTravellerMk2);
  for (const Case& c : cases) {
    SetCrew(state::PlayerShip, c.crew);
    const ShipStatusView view = screens::BuildShipStatusView(ShipStatusMode::OwnShip);
    EXPECT_EQ(view.currentCrew, c.current);
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(view.crew[static_cast<std::size_t>(k)], std::to_string(c.crew[static_cast<std::size_t>(k)]));
  }
  const ShipStatusView view = screens::BuildShipStatusView(ShipStatusMode::OwnShip);
  EXPECT_EQ(view.gunDamage, "28 pts.");
  EXPECT_EQ(view.accuracy, "45%");
  EXPECT_EQ(view.shields, "250 pts.");
  EXPECT_EQ(view.crewRange, "6 / 16");
  EXPECT_EQ(view.speciality, "Energy transmitter");
  EXPECT_TRUE(view.equipmentShown);
  // The trade-in value: a third of the hull and a quarter of each fitted item, not the class price.
  const std::int32_t tradeIn = rules::ComputeShipTradeInValue();
  EXPECT_GT(tradeIn, 250000 / 3) << "the fitted gun and engine count";
  EXPECT_EQ(view.value, "$ " + state::FormatThousands(tradeIn));
  // The sheet shows the ship's own livery; the description's scene the player's faction.
  EXPECT_EQ(view.picture, "Coalition_Shadowcat_scene.jpg");
  EXPECT_EQ(view.morePicture, "Federation_Shadowcat_Scene.jpg");
  EXPECT_EQ(view.moreTopic, "Shadowcat");
  EXPECT_EQ(view.moreText.front(), '"');
}

TEST_F(ShipStatusViewTest, TheOpponentShowsItsClassPriceAndNoCrew) {
  state::EnemyShip[ship::kClass] = 13;  // Neptun
  state::EnemyShip[ship::kFaction] = 0;
  SetCrew(state::EnemyShip, {30, 5, 10, 0, 2});
  SetCrew(state::PlayerShip, {1, 1, 1, 1, 1});
  const ShipStatusView view = screens::BuildShipStatusView(ShipStatusMode::Opponent);
  EXPECT_EQ(view.value, "$ 3,000,000");
  EXPECT_EQ(view.currentCrew, "?");
  for (const std::string& count : view.crew) EXPECT_EQ(count, "?");
  EXPECT_EQ(view.crewRange, "25 / 70");
  EXPECT_EQ(view.gunDamage, "100 pts.");
  EXPECT_EQ(view.shields, "1200 pts.");
  EXPECT_EQ(view.speciality, "Anti-phase emitter");
  EXPECT_FALSE(view.equipmentShown);
  EXPECT_EQ(view.picture, "Pirate_Neptun_scene.jpg");
  EXPECT_EQ(view.morePicture, "Pirate_Neptun_Scene.jpg");

  state::EnemyShip[ship::kClass] = 19;  // a battlegroup has no special ability
  EXPECT_EQ(screens::BuildShipStatusView(ShipStatusMode::Opponent).speciality, "");
}

class ShipStatusScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 2;
    state::PlayerShip = test_rows::ShipRow()
                            .Alive()
                            .Class(state::kClassPaladin)
                            .Faction(kFactionOuterRim)
                            .Crewmen(8)
                            .Marines(4);
    state::EnemyShip = test_rows::ShipRow()
                           .Alive()
                           .Class(state::kClassShark)
                           .Faction(kFactionSyndicate);
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }
  static std::string Screenshot(const char* file) { return FormTest::ScreenshotStep("ShipStatus", file); }
  static platform::ScriptResult Run(const std::string& steps, void (*open)()) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(steps, "ship_status.script");
    return runner.Run(open);
  }
};

TEST_F(ShipStatusScreenTest, TheOwnShipsSheetExplainsItsSpecialityAndClass) {
  const std::string script = R"(
expect ShipStatus.ShipName.Caption "Paladin"
expect ShipStatus.ShipClass.Caption "Corvette"
expect ShipStatus.CurrentCrew.Caption "12"
expect ShipStatus.CrewCount3.Caption "4"
expect ShipStatus.ShipPicture.Picture "Outerrim_Paladin_scene.jpg"
expect ShipStatus.EquipmentLabel.Enabled true
click ShipStatus.Speciality
expect TextPopup.Topic.Caption "AECM missiles"
expect TextPopup.Text.Caption "If active this ability makes your missiles harder to intercept, but also lowers their damage."
answer continue
click ShipStatus.MoreLink
expect PicturePopup.Topic.Caption "Paladin"
expect PicturePopup.Picture.Picture "Outerrim_Paladin_Scene.jpg"
answer continue
click ShipStatus.EquipmentLabel
expect EquipmentShop.Visible true
expect EquipmentShop.UpgradeButton.Enabled false
click EquipmentShop.CloseLabel
expect EquipmentShop.Visible false
move ShipStatus.CloseButton
expect ShipStatus.CloseButton.Picture "ShipStatusScreenON_07.jpg"
)" + Screenshot("ship-status-own.png") + R"(
move ShipStatus.Face
expect ShipStatus.CloseButton.Picture "ShipStatusScreen_07.jpg"
click ShipStatus.CloseLabel
expect ShipStatus.Visible false
)";
  const platform::ScriptResult r = Run(script, [] { screens::ShowOwnShipStatus(); });
  EXPECT_TRUE(r.ok) << r.message;
}

TEST_F(ShipStatusScreenTest, TheOpponentsSheetHidesItsCrewAndItsEquipment) {
  const std::string script = R"(
expect ShipStatus.ShipName.Caption "Shark"
expect ShipStatus.Value.Caption "$ 1,000,000"
expect ShipStatus.CurrentCrew.Caption "?"
expect ShipStatus.CrewCount1.Caption "?"
expect ShipStatus.ShipPicture.Picture "Syndicate_Shark_scene.jpg"
expect ShipStatus.EquipmentLabel.Enabled false
click ShipStatus.EquipmentButton
expect ShipStatus.Visible true
)" + Screenshot("ship-status-opponent.png") + R"(
key Escape
expect ShipStatus.Visible false
)";
  const platform::ScriptResult r = Run(script, [] { screens::ShowOpponentShipStatus(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(sounds.effects, (std::vector<std::string>{"button.wav", "button.wav"}))
      << "the greyed equipment button only sounds; Escape closes as Close does";
}

}  // namespace
}  // namespace screens_test
