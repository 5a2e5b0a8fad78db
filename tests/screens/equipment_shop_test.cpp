// The equipment shop and the shipyard on their real forms: choosing a category, the options panel
// and a purchase, the view-only mode from the ship status sheet, the shipyard's places, details
// and purchase, and the planet screen's doors to both.
#include "screens/port/equipment_shop.h"

#include <string>

#include "app/program.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/shared/doors.h"
#include "screens/port/shipyard.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/planet.h"
#include "state/equipment_ids.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"

namespace screens_test {
namespace {

platform::ScriptResult RunScript(const std::string& steps, void (*open)()) {
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  runner.Load(steps, "port.script");
  return runner.Run(open);
}

class PortScreensTest : public GameFormsTest {
 protected:
  void SetUp() override {
    // Before the forms are made, so that the pictures of the layouts are found.
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    GameFormsTest::SetUp();
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kCredits] = 30000;
    state::TShipRow& p = state::PlayerShip;
    p = test_rows::ShipRow().Alive().Class(state::kClassStarwolf).Faction(kFactionFederation);
    state::ApplyStandardFit(p);
    p[ship::kCargoSpace] = 40;
    p[ship::kCrewmen] = 1;
  }
  void TearDown() override {
    state::CompatibilityMode = 0;
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }
};

TEST_F(PortScreensTest, TheShopShowsACategoryOpensItsOffersAndBuysOne) {
  const std::string script = R"s(
expect EquipmentShop.Visible true
expect EquipmentShop.Credits.Caption "$ 30,000"
expect EquipmentShop.ShipSideView.Picture "Starwolf_sidewire.jpg"
expect EquipmentShop.FittedType.Caption "Ship weapon"
expect EquipmentShop.FittedName.Caption "\"Laser (8 cm)\""
expect EquipmentShop.GunsHotspot.Picture "equipment_gun_selected.jpg"
expect EquipmentShop.OptionsPanel.Visible false
move EquipmentShop.MissilesHotspot
expect EquipmentShop.MissilesHotspot.Picture "equipment_missile_mouseover.jpg"
move EquipmentShop.ShipSideView
expect EquipmentShop.MissilesHotspot.Picture "equipment_missile_normal.jpg"
click EquipmentShop.EngineHotspot
expect EquipmentShop.FittedType.Caption "Engine"
expect EquipmentShop.FittedStatCaption1.Caption "Speed:"
expect EquipmentShop.EngineHotspot.Picture "equipment_engine_selected.jpg"
expect EquipmentShop.GunsHotspot.Picture "equipment_gun_normal.jpg"
)s" + ScreenshotStep("EquipmentShop", "equipment-shop.png") + R"s(
click EquipmentShop.GunsHotspot
move EquipmentShop.UpgradeButton
expect EquipmentShop.UpgradeButton.Picture "EquipmentScreenON_09.jpg"
move EquipmentShop.UpgradeLabel
expect EquipmentShop.UpgradeButton.Picture "EquipmentScreenON_09.jpg"
move EquipmentShop.FittedPicture
expect EquipmentShop.UpgradeButton.Picture "EquipmentScreen_09.jpg"
move EquipmentShop.UpgradeButton
move EquipmentShop.CloseLabel
expect EquipmentShop.UpgradeButton.Picture "EquipmentScreen_09.jpg"
expect EquipmentShop.CloseButton.Picture "EquipmentScreenON_10.jpg"
click EquipmentShop.UpgradeLabel
expect EquipmentShop.OptionsPanel.Visible true
expect EquipmentShop.OptionsPanel.Left "111"
expect EquipmentShop.OptionsHeading.Caption "Upgrade guns:"
expect EquipmentShop.Option2.Picture "Equipment_TurboLaser.jpg"
expect EquipmentShop.OfferName.Caption "\"Laser (8 cm)\""
expect EquipmentShop.OfferPrice.Caption "(Currently equipped)"
expect EquipmentShop.OptionMark.Visible true
expect EquipmentShop.OptionMark.Left "11"
expect EquipmentShop.OptionCaption1.Caption "Laser (8 cm)"
expect EquipmentShop.OptionCaption4.Caption "Particle (8 cm)"
expect EquipmentShop.Option5.Visible false
click EquipmentShop.Option2
expect EquipmentShop.OfferPrice.Caption "18,500"
expect EquipmentShop.OptionMark.Left "113"
click EquipmentShop.OptionCaption4
expect EquipmentShop.OfferName.Caption "\"Particle (8 cm)\""
expect EquipmentShop.OptionMark.Left "317"
click EquipmentShop.Option4
expect EquipmentShop.OfferPrice.Caption "60,500"
click EquipmentShop.BuyLabel
expect PicturePopup.Topic.Caption "Not enough money!"
answer continue
click EquipmentShop.Option2
expect EquipmentShop.OptionMark.Left "113"
)s" + ScreenshotStep("EquipmentShop", "equipment-shop-options.png") + R"s(
click EquipmentShop.BuyButton
expect PicturePopup.Topic.Caption "Upgrading..."
expect PicturePopup.Text.Caption "You upgrade the guns of your ship to Turbo-Laser (4 cm) weapons."
answer continue
expect EquipmentShop.OptionsPanel.Visible true
expect EquipmentShop.OptionsPanel.Left "165"
expect EquipmentShop.OfferPrice.Caption "(Currently equipped)"
expect EquipmentShop.Credits.Caption "$ 11,500"
expect EquipmentShop.FittedName.Caption "\"Turbo-Laser (4 cm)\""
click EquipmentShop.BuyLabel
expect PicturePopup.Topic.Caption "Cannot upgrade!"
answer continue
click EquipmentShop.OptionsCloseLabel
expect EquipmentShop.OptionsPanel.Visible false
click EquipmentShop.CloseLabel
expect EquipmentShop.Visible false
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenEquipmentShop(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerShip[ship::kGun], state::Stored(kGunTurboLaser));
  EXPECT_EQ(state::PlayerData[player::kCredits], 11500);
}

// Offers that share one picture (the three Arrow launchers of a small ship) are told apart by the
// names under their pictures; the mark frames the one whose details are shown.
TEST_F(PortScreensTest, OffersSharingAPictureAreNamedAndTheShownOneIsFramed) {
  const std::string script = R"s(
click EquipmentShop.MissilesHotspot
click EquipmentShop.UpgradeLabel
expect EquipmentShop.Option1.Picture "Equipment_ArrowMissile.jpg"
expect EquipmentShop.Option2.Picture "Equipment_ArrowMissile.jpg"
expect EquipmentShop.Option3.Picture "Equipment_ArrowMissile.jpg"
expect EquipmentShop.Option4.Picture "Equipment_XASMMissile.jpg"
expect EquipmentShop.OptionCaption1.Caption "Arrow Mk. I"
expect EquipmentShop.OptionCaption2.Caption "Arrow Mk. III"
expect EquipmentShop.OptionCaption3.Caption "Arrow Dummy"
expect EquipmentShop.OptionCaption4.Caption "X-ASM"
click EquipmentShop.Option3
expect EquipmentShop.OfferName.Caption "\"Arrow Dummy\""
expect EquipmentShop.OptionMark.Left "215"
expect EquipmentShop.OptionMark.Top "53"
)s" + ScreenshotStep("EquipmentShop", "equipment-shop-missiles.png") + R"s(
key Escape
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenEquipmentShop(); });
  EXPECT_TRUE(r.ok) << r.message;
}

TEST(EquipmentShopView, TheMarkFramesThePlaceOfTheShownOffer) {
  struct Case {
    state::EquipmentOffers offers;
    std::int32_t item;
    int place;
  } cases[] = {
      {{0, 1, 2, 3}, 0, 1}, {{0, 1, 2, 3}, 3, 4}, {{5, 8, 9, 10}, 9, 3},
      {{5, 8, 9, 10}, 0, 0},  // not among the offers: no mark
      {{4, 2, 3, 5}, 2, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(screens::OfferPlace(c.offers, c.item), c.place) << c.item;
}

TEST_F(PortScreensTest, BuyBuysFromTheOffersShownWhateverHotSpotWasClickedBeside) {
  // The engine's hot spot stays in reach to the left of the open options panel.
  const std::string script = R"s(
click EquipmentShop.UpgradeLabel
click EquipmentShop.Option2
expect EquipmentShop.OfferName.Caption "\"Turbo-Laser (4 cm)\""
click EquipmentShop.EngineHotspot
expect EquipmentShop.FittedType.Caption "Engine"
click EquipmentShop.BuyLabel
expect PicturePopup.Text.Caption "You upgrade the guns of your ship to Turbo-Laser (4 cm) weapons."
answer continue
expect EquipmentShop.FittedType.Caption "Ship weapon"
key Escape
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenEquipmentShop(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerShip[ship::kGun], state::Stored(kGunTurboLaser));
  EXPECT_EQ(state::PlayerShip[ship::kEngine], state::Stored(kEngineTravellerMk1)) << "no engine 1 bought from the gun offers";
}

TEST_F(PortScreensTest, FromTheStatusSheetTheEquipmentCanBeLookedAtButNotBought) {
  state::PlayerShip[ship::kClass] = 13;  // a cruiser
  state::ApplyStandardFit(state::PlayerShip);
  const std::string script = R"s(
expect ShipStatus.Visible true
click ShipStatus.EquipmentLabel
expect EquipmentShop.Visible true
expect EquipmentShop.UpgradeButton.Enabled false
expect EquipmentShop.UpgradeLabel.Enabled false
expect EquipmentShop.ShipSideView.Picture "Neptun_sidewire.jpg"
click EquipmentShop.TargetingHotspot
expect EquipmentShop.FittedType.Caption "Targeting"
expect EquipmentShop.FittedName.Caption "\"Quicklock Mk. I\""
)s" + ScreenshotStep("EquipmentShop", "equipment-view.png") + R"s(
key Escape
expect EquipmentShop.Visible false
expect ShipStatus.Visible true
key Escape
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::ShowOwnShipStatus(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kCredits], 30000);
}

TEST_F(PortScreensTest, AClassWithoutASideViewKeepsTheOneShownBefore) {
  screens::EquipmentShopScreen& shop = screens::GameForm<screens::EquipmentShopScreen>();
  shop.RefreshShipView();
  const int gunsLeft = shop.Get<platform::Panel>("GunsHotspotPanel").Left();
  EXPECT_EQ(shop.Get<platform::Image>("ShipSideView").PictureName(), "Starwolf_sidewire.jpg");
  state::PlayerShip[ship::kClass] = 12;  // a squadron
  shop.RefreshShipView();
  EXPECT_EQ(shop.Get<platform::Image>("ShipSideView").PictureName(), "Starwolf_sidewire.jpg");
  EXPECT_EQ(shop.Get<platform::Panel>("GunsHotspotPanel").Left(), gunsLeft);
  state::PlayerShip[ship::kClass] = 13;
  shop.RefreshShipView();
  EXPECT_EQ(shop.Get<platform::Image>("ShipSideView").PictureName(), "Neptun_sidewire.jpg");
}

TEST_F(PortScreensTest, TheCompatibilityModeNamesTheHotSpotsAndTheOffers) {
  state::CompatibilityMode = 1;
  const std::string script = R"s(
expect EquipmentShop.EcmHotspotText.Visible true
expect EquipmentShop.EcmHotspotCaption.Visible false
click EquipmentShop.MissilesHotspotText
expect EquipmentShop.FittedType.Caption "Missile"
click EquipmentShop.UpgradeLabel
expect EquipmentShop.OptionText2.Caption "Arrow Mk. III"
click EquipmentShop.OptionText3
expect EquipmentShop.OfferName.Caption "\"Arrow Dummy\""
)s" + ScreenshotStep("EquipmentShop", "equipment-shop-compatibility.png") + R"s(
key Escape
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenEquipmentShop(); });
  EXPECT_TRUE(r.ok) << r.message;
  screens::EquipmentShopScreen& shop = screens::GameForm<screens::EquipmentShopScreen>();
  state::CompatibilityMode = 0;
  shop.UpdateCompatibilityLabels();
  EXPECT_FALSE(shop.Get<platform::Label>("EcmHotspotText").Visible());
  EXPECT_TRUE(shop.Get<platform::Label>("EcmHotspotCaption").Visible());
  EXPECT_FALSE(shop.Get<platform::Label>("OptionText2").Visible());
}

TEST_F(PortScreensTest, TheShipyardsDeveloperControlsStayHiddenAndGiveMoney) {
  state::PlayerData[player::kCredits] = 300000;
  const platform::ScriptResult r = RunScript(R"s(
expect Shipyard.MoneyGiftButton.Visible false
expect Shipyard.FreeBattleshipButton.Visible false
key Escape
)s", [] { screens::OpenShipyard(); });
  EXPECT_TRUE(r.ok) << r.message;
  FireClick(screens::GameForm<screens::ShipyardScreen>(), "MoneyGiftButton");
  EXPECT_EQ(screens::GameForm<screens::ShipyardScreen>().Get<platform::Label>("Credits").Caption(),
            "$ 400,000");
}

TEST_F(PortScreensTest, TheShipyardShowsTheFactionsShipsAndSellsOne) {
  state::PlayerData[player::kCredits] = 300000;
  const std::string script = R"s(
expect Shipyard.Visible true
expect Shipyard.Credits.Caption "$ 300,000"
expect Shipyard.ShipTile1.Picture "Starwolf_topwire.jpg"
expect Shipyard.ShipTile2.Picture "Avenger_topwire.jpg"
expect Shipyard.ShipTile6.Picture "NotAvailable_topwire.jpg"
expect Shipyard.ShipTile12.Picture "NotAvailable_topwire.jpg"
expect Shipyard.ShipName.Caption "Starwolf"
expect Shipyard.SelectionMark.Visible true
expect Shipyard.SelectionMark.Left "191"
expect Shipyard.SelectionMark.Top "70"
click Shipyard.BuyLabel
expect TextPopup.Topic.Caption "N/A"
expect TextPopup.Text.Caption "You already own this kind of ship."
answer continue
click Shipyard.ShipTile6
expect Shipyard.ShipName.Caption "Starwolf"
expect Shipyard.SelectionMark.Left "191"
click Shipyard.BuyButton
expect Shipyard.Visible true
click Shipyard.ShipTile4
expect Shipyard.ShipName.Caption "Shadowcat"
expect Shipyard.SelectionMark.Left "191"
expect Shipyard.SelectionMark.Top "174"
expect Shipyard.ShipType.Caption "Corvette"
expect Shipyard.Price.Caption "$ 250,000"
expect Shipyard.OldShip.Caption "$ 24,166"
expect Shipyard.Balance.Caption "$ 225,834"
expect Shipyard.ShipPicture.Picture "Federation_Shadowcat_scene_sm.jpg"
move Shipyard.BuyButton
expect Shipyard.BuyButton.Picture "ShipPurchaseScreen_31_Highlighted.jpg"
)s" + ScreenshotStep("Shipyard", "shipyard.png") + R"s(
move Shipyard.Face
expect Shipyard.BuyButton.Picture "ShipPurchaseScreen_31.jpg"
move Shipyard.MoreLink
expect Shipyard.MoreLink.FontColor "#ff0000"
click Shipyard.MoreLink
expect PicturePopup.Topic.Caption "Shadowcat"
expect PicturePopup.Picture.Picture "Federation_Shadowcat_Scene.jpg"
answer continue
click Shipyard.Speciality
expect TextPopup.Topic.Caption "Energy transmitter"
answer continue
click Shipyard.BuyLabel
expect YesNoPopup.Topic.Caption "Purchase ship?"
expect YesNoPopup.Text.Caption "Do you really wish to buy this ship (Shadowcat) ?"
answer yes
expect PicturePopup.Topic.Caption "Congratulations!"
expect Shipyard.Credits.Caption "$ 74,166"
answer continue
expect TextPopup.Topic.Caption "New crewmen!"
answer continue
click Shipyard.CloseLabel
expect Shipyard.Visible false
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenShipyard(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerShip[ship::kClass], 6);
  EXPECT_EQ(state::PlayerShip[ship::kCrewmen], 6);
}

TEST_F(PortScreensTest, TheShipyardsCompatibilityTextsNameThePlacesAndSwitchTheModeOff) {
  state::CompatibilityMode = 1;
  const std::string script = R"s(
expect Shipyard.ShipTileText1.Caption "Starwolf fighter"
expect Shipyard.ShipTileText9.Caption "Not available"
click Shipyard.ShipTileText7
expect Shipyard.ShipName.Caption "Patton"
)s" + ScreenshotStep("Shipyard", "shipyard-compatibility.png") + R"s(
click Shipyard.CompatibilitySwitch
expect TextPopup.Topic.Caption "Compatibility mode"
answer continue
expect Shipyard.ShipTileText1.Visible false
expect Shipyard.CompatibilitySwitch.Visible false
key Escape
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenShipyard(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::CompatibilityMode, 0);
}

TEST_F(PortScreensTest, ThePlanetScreensDoorsOpenTheShipyardAndTheShop) {
  StartNewWorld();
  state::DisplayedSystem = state::PlayerShip[ship::kSystem];
  state::SelectedBody = state::PlayerShip[ship::kBody];
  state::BodyData[state::DisplayedSystem][state::SelectedBody][body::kOwner] = 1;
  const std::string script = R"s(
seed 7
click PlanetScreen.ShipyardLabel
expect Shipyard.Visible true
click Shipyard.CloseLabel
expect PlanetScreen.Visible true
click PlanetScreen.EquipmentButton
expect EquipmentShop.Visible true
expect EquipmentShop.UpgradeButton.Enabled true
click EquipmentShop.CloseButton
expect PlanetScreen.Visible true
key Escape
)s";
  const platform::ScriptResult r = RunScript(script, [] { screens::OpenPlanetScreen(); });
  EXPECT_TRUE(r.ok) << r.message;
}

}  // namespace
}  // namespace screens_test
