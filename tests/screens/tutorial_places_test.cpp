// Where each step of the tutorial shows its guidance: the screen and place of its panel, the
// control its arrow points at, as the game stands.
#include "screens/tutorial/tutorial_places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/tutorial.h"
#include "state/fields.h"
#include "state/variables.h"
#include "support/tutorial_world.h"

namespace {

using screens::TutorialScreen;
using state::PlayerData;
using state::PlayerShip;
using tutorial::Step;

constexpr int kSystem = support::kTutorialWorldSystem;

class TutorialPlacesTest : public ::testing::Test {
 protected:
  void SetUp() override { support::SetUpTutorialWorld(); }
};

TEST_F(TutorialPlacesTest, EachStepShowsItsGuidanceWhereThePlayerMustAct) {
  struct Case {
    Step step;
    TutorialScreen panel;
    TutorialScreen arrow;
    const char* arrowAt;
    int panelLeft, panelTop;  // -1: the screen's own place for it
  };
  const Case cases[] = {
      {Step::ChooseFaction, TutorialScreen::FactionSelection, TutorialScreen::None, "", -1, -1},
      {Step::ChooseProfession, TutorialScreen::ProfessionSelection, TutorialScreen::None, "", -1, -1},
      {Step::OpenTrade, TutorialScreen::Travel, TutorialScreen::Travel, "TradeButton", 8, 22},
      // While the trade window (to the right) is in use the panel stands at the left.
      {Step::BuySupplies, TutorialScreen::Travel, TutorialScreen::TradeWindow, "GoodName1", 8, 22},
      {Step::FlyToTutorialBody, TutorialScreen::Travel, TutorialScreen::Travel, "Body3", 560, 22},  // faction 1's body
      {Step::SellAll, TutorialScreen::Travel, TutorialScreen::TradeWindow, "SellAllButton", 8, 22},
      {Step::CloseTrade, TutorialScreen::Travel, TutorialScreen::TradeWindow, "CloseButton", 8, 22},
      {Step::OpenMissions, TutorialScreen::Travel, TutorialScreen::Travel, "MissionsButton", 560, 22},
      {Step::PickMission, TutorialScreen::MissionBoard, TutorialScreen::MissionBoard, "OfferTile2", -1, -1},
      {Step::AcceptMission, TutorialScreen::MissionBoard, TutorialScreen::MissionBoard, "AcceptButton", -1, -1},
      {Step::ReopenMission, TutorialScreen::Travel, TutorialScreen::Travel, "MissionsButton", 560, 22},
      {Step::FlyToSun, TutorialScreen::Travel, TutorialScreen::Travel, "Body1", 16, 22},
      {Step::FlyToPlanet, TutorialScreen::Travel, TutorialScreen::Travel, "Body2", 560, 22},
      {Step::VisitPlanet, TutorialScreen::Planet, TutorialScreen::None, "", 8, 14},
      {Step::CloseSensors, TutorialScreen::Sensors, TutorialScreen::None, "", 239, 8},
      {Step::CloseGalaxyMap, TutorialScreen::GalaxyMap, TutorialScreen::None, "", 497, 8},
      {Step::SaveGame, TutorialScreen::Travel, TutorialScreen::Travel, "SaveGameButton", 560, 22},
      {Step::SaveIntoSlot, TutorialScreen::None, TutorialScreen::SaveLoad, "SaveButton1", 0, 0},
      {Step::CloseSaveLoad, TutorialScreen::None, TutorialScreen::SaveLoad, "CloseButton", 0, 0},
      {Step::ReturnToGame, TutorialScreen::Travel, TutorialScreen::Travel, "ReturnButton", 560, 22},
      {Step::OpenShipStatus, TutorialScreen::Travel, TutorialScreen::Travel, "ShipPicture", 560, 22},
      {Step::CloseShipStatus, TutorialScreen::ShipStatus, TutorialScreen::None, "", 8, 8},
      {Step::OpenPersonalStatus, TutorialScreen::Travel, TutorialScreen::Travel, "Portrait", 560, 22},
      {Step::CloseAbilities, TutorialScreen::None, TutorialScreen::None, "", 0, 0},  // the ability screen has none
      {Step::ClosePersonalStatus, TutorialScreen::PersonalStatus, TutorialScreen::None, "", 8, 8},
      {Step::Finished, TutorialScreen::Travel, TutorialScreen::Travel, "TutorialCancelButton", 560, 22},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.step));
    const screens::TutorialPlaces g = screens::PlacesOfTutorialStep(c.step);
    const rules::TutorialGuide texts = rules::DescribeTutorialStep(c.step);
    EXPECT_EQ(g.panelOn, c.panel);
    EXPECT_EQ(g.arrowOn, c.arrow);
    EXPECT_EQ(g.arrowAt, c.arrowAt);
    if (c.panelLeft < 0) {
      EXPECT_TRUE(g.panelAtLayoutPlace);
    } else if (c.panel != TutorialScreen::None) {
      EXPECT_FALSE(g.panelAtLayoutPlace);
      EXPECT_EQ(g.panelLeft, c.panelLeft);
      EXPECT_EQ(g.panelTop, c.panelTop);
    }
    // Every panel says something and tells what to do next.
    if (c.panel != TutorialScreen::None && c.panel != TutorialScreen::ShipCombat) {
      EXPECT_FALSE(texts.text1.empty());
      EXPECT_FALSE(texts.text2.empty());
    }
  }
  // Only the ship sensors move the minimised twin away from the panel's left edge.
  const screens::TutorialPlaces sensors = screens::PlacesOfTutorialStep(Step::CloseSensors);
  EXPECT_EQ(sensors.minimizedLeft, 8);
  EXPECT_EQ(sensors.minimizedTop, 5);
  const screens::TutorialPlaces planet = screens::PlacesOfTutorialStep(Step::VisitPlanet);
  EXPECT_EQ(planet.minimizedLeft, 8);
  EXPECT_EQ(planet.minimizedTop, 8);
}

// The step after the first fight leads to the first planet while the ship is anywhere else, and
// says how to land once it is there; its panel and opening words stay the same.
TEST_F(TutorialPlacesTest, TheWayToTheFirstPlanetEndsWithTheDock) {
  struct Case {
    int shipAt;  // a body, or a space find's slot as a negative number
    const char* text2;
    const char* arrowAt;
  };
  const Case cases[] = {
      {1,  "Fly to the planet World 2 by double-clicking on it.", "Body2"},
      {3,  "Fly to the planet World 2 by double-clicking on it.", "Body2"},
      {-2, "Fly to the planet World 2 by double-clicking on it.", "Body2"},
      {2,  "Land on the planet World 2 by clicking on the \"Dock\" icon.", "DockButton"},
  };
  PlayerShip[ship::kBody] = 1;
  const screens::TutorialPlaces flying = screens::PlacesOfTutorialStep(Step::FlyToPlanet);
  const rules::TutorialGuide flyingTexts = rules::DescribeTutorialStep(Step::FlyToPlanet);
  EXPECT_EQ(flyingTexts.text1,
            "Congratulations! You won your first fight! Did you like it? We promise this game will "
            "get even better if you unlock all the new cool features in the later parts of this "
            "game. Now - before this tutorial comes to an end - we want to show you some other "
            "important aspects of this game. For example: Let´s land on a planet!");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shipAt);
    PlayerShip[ship::kBody] = c.shipAt;
    const screens::TutorialPlaces g = screens::PlacesOfTutorialStep(Step::FlyToPlanet);
    const rules::TutorialGuide texts = rules::DescribeTutorialStep(Step::FlyToPlanet);
    EXPECT_EQ(texts.text2, c.text2);
    EXPECT_EQ(g.arrowOn, TutorialScreen::Travel);
    EXPECT_EQ(g.arrowAt, c.arrowAt);
    EXPECT_EQ(texts.text1, flyingTexts.text1);
    EXPECT_EQ(g.panelOn, TutorialScreen::Travel);
    EXPECT_EQ(g.panelLeft, flying.panelLeft);
    EXPECT_EQ(g.panelTop, flying.panelTop);
    // The panel leaves free the bodies, and at the dock the planet it names and the control
    // panel.
    const bool docking = std::string(c.arrowAt) == "DockButton";
    EXPECT_EQ(std::count(g.keepClear.begin(), g.keepClear.end(), "ControlFrame"), docking ? 1 : 0);
    EXPECT_EQ(std::count(g.keepClear.begin(), g.keepClear.end(), "BodyName2"), docking ? 1 : 0);
    EXPECT_EQ(std::count(g.keepClear.begin(), g.keepClear.end(), "Body*"), 1);
  }
  // The other steps never change with the ship's place.
  PlayerShip[ship::kBody] = 2;
  EXPECT_EQ(screens::PlacesOfTutorialStep(Step::FlyToSun).arrowAt, "Body1");
  EXPECT_EQ(screens::PlacesOfTutorialStep(Step::OpenSensors).arrowAt, "SensorsButton");
  EXPECT_EQ(rules::AllTutorialSteps().size(), 38u) << "still one step";
}

TEST_F(TutorialPlacesTest, OnTheWayToTheTutorialBodyThePanelStandsOnTheOtherSideOfTheMap) {
  struct Case {
    int faction, bodyX, panelLeft;
  };
  const Case cases[] = {{1, 40, 560}, {1, 299, 560}, {1, 300, 8}, {2, 620, 8}, {4, 100, 560}};
  for (const Case& c : cases) {
    PlayerData[player::kFaction] = c.faction;
    state::BodyData[kSystem][rules::TutorialBody()][body::kMapX] = c.bodyX;
    const screens::TutorialPlaces flying = screens::PlacesOfTutorialStep(Step::FlyToTutorialBody);
    EXPECT_EQ(flying.panelLeft, c.panelLeft) << c.faction << " " << c.bodyX;
    EXPECT_EQ(flying.arrowAt, "Body" + std::to_string(rules::TutorialBody())) << c.faction;
    EXPECT_EQ(screens::PlacesOfTutorialStep(Step::SellAll).panelLeft, 8) << "the trade window stands right";
  }
}

// The two tables agree: a step whose screen shows a panel has its texts, and a step without a row
// of places (None) shows nothing.
TEST_F(TutorialPlacesTest, EveryStepWithAPanelHasItsTexts) {
  for (const Step step : rules::AllTutorialSteps()) {
    SCOPED_TRACE(tutorial::StoredNumber(step));
    const screens::TutorialPlaces places = screens::PlacesOfTutorialStep(step);
    const rules::TutorialGuide texts = rules::DescribeTutorialStep(step);
    EXPECT_EQ(places.panelOn != TutorialScreen::None, !texts.text1.empty());
    EXPECT_EQ(places.panelOn != TutorialScreen::None, !texts.text2.empty());
  }
  const screens::TutorialPlaces none = screens::PlacesOfTutorialStep(Step::None);
  EXPECT_EQ(none.panelOn, TutorialScreen::None);
  EXPECT_EQ(none.arrowOn, TutorialScreen::None);
}

}  // namespace
