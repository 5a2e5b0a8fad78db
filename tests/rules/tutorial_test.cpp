// The tutorial's steps without any screen: where each step's guidance shows, the texts built from
// the game, the tutorial body, the guaranteed first profit and the tutorial's mission.
#include "rules/tutorial.h"

#include <gtest/gtest.h>

#include <string>

#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace {

using rules::ArrowSide;
using rules::TutorialScreen;
using state::PlayerData;
using state::PlayerShip;

constexpr int kSystem = 5;

class Tutorial : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    PlayerData[player::kFaction] = 1;
    PlayerShip[ship::kSystem] = kSystem;
    PlayerShip[ship::kBody] = 4;
    for (int b = 1; b <= 7; ++b)
      state::BodyText[kSystem][b][body_text::kName] = "World " + std::to_string(b);
  }
};

TEST_F(Tutorial, EachStepShowsItsGuidanceWhereThePlayerMustAct) {
  struct Case {
    int step;
    TutorialScreen panel;
    TutorialScreen arrow;
    const char* arrowAt;
    int panelLeft, panelTop;  // -1: the screen's own place for it
  };
  const Case cases[] = {
      {1, TutorialScreen::FactionSelection, TutorialScreen::None, "", -1, -1},
      {3, TutorialScreen::ProfessionSelection, TutorialScreen::None, "", -1, -1},
      {4, TutorialScreen::Travel, TutorialScreen::Travel, "TradeButton", 8, 22},
      // While the trade window (to the right) is in use the panel stands at the left.
      {5, TutorialScreen::Travel, TutorialScreen::TradeWindow, "GoodName1", 8, 22},
      {6, TutorialScreen::Travel, TutorialScreen::Travel, "Body3", 560, 22},  // faction 1's body
      {7, TutorialScreen::Travel, TutorialScreen::TradeWindow, "SellAllButton", 8, 22},
      {8, TutorialScreen::Travel, TutorialScreen::TradeWindow, "CloseButton", 8, 22},
      {9, TutorialScreen::Travel, TutorialScreen::Travel, "MissionsButton", 560, 22},
      {10, TutorialScreen::MissionBoard, TutorialScreen::MissionBoard, "OfferTile2", -1, -1},
      {11, TutorialScreen::MissionBoard, TutorialScreen::MissionBoard, "AcceptButton", -1, -1},
      {-11, TutorialScreen::Travel, TutorialScreen::Travel, "MissionsButton", 560, 22},
      {12, TutorialScreen::Travel, TutorialScreen::Travel, "Body1", 16, 22},
      {20, TutorialScreen::Travel, TutorialScreen::Travel, "Body2", 560, 22},
      {22, TutorialScreen::Planet, TutorialScreen::None, "", 8, 14},
      {24, TutorialScreen::Sensors, TutorialScreen::None, "", 239, 8},
      {26, TutorialScreen::GalaxyMap, TutorialScreen::None, "", 497, 8},
      {28, TutorialScreen::Travel, TutorialScreen::Travel, "SaveGameButton", 560, 22},
      {29, TutorialScreen::None, TutorialScreen::SaveLoad, "SaveButton1", 0, 0},
      {30, TutorialScreen::None, TutorialScreen::SaveLoad, "CloseButton", 0, 0},
      {rules::kTutorialReturnToGameStep, TutorialScreen::Travel, TutorialScreen::Travel, "ReturnButton", 560, 22},
      {32, TutorialScreen::Travel, TutorialScreen::Travel, "ShipPicture", 560, 22},
      {33, TutorialScreen::ShipStatus, TutorialScreen::None, "", 8, 8},
      {34, TutorialScreen::Travel, TutorialScreen::Travel, "Portrait", 560, 22},
      {36, TutorialScreen::None, TutorialScreen::None, "", 0, 0},  // the ability screen has none
      {37, TutorialScreen::PersonalStatus, TutorialScreen::None, "", 8, 8},
      {38, TutorialScreen::Travel, TutorialScreen::Travel, "TutorialCancelButton", 560, 22},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    const rules::TutorialGuide g = rules::DescribeTutorialStep(c.step);
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
      EXPECT_FALSE(g.text1.empty());
      EXPECT_FALSE(g.text2.empty());
    }
  }
  // Only the ship sensors move the minimised twin away from the panel's left edge.
  const rules::TutorialGuide sensors = rules::DescribeTutorialStep(24);
  EXPECT_EQ(sensors.minimizedLeft, 8);
  EXPECT_EQ(sensors.minimizedTop, 5);
  const rules::TutorialGuide planet = rules::DescribeTutorialStep(22);
  EXPECT_EQ(planet.minimizedLeft, 8);
  EXPECT_EQ(planet.minimizedTop, 8);
}

TEST_F(Tutorial, StepsThatAreNeverSetDescribeNothing) {
  for (int step : {0, 21, 31, 39, -1, -12}) {
    SCOPED_TRACE(step);
    const rules::TutorialGuide g = rules::DescribeTutorialStep(step);
    EXPECT_EQ(g.panelOn, TutorialScreen::None);
    EXPECT_EQ(g.arrowOn, TutorialScreen::None);
    EXPECT_TRUE(g.text1.empty());
  }
}

TEST_F(Tutorial, TextsJoinTheirPiecesAndNameTheBodiesOfTheGame) {
  // Two stored pieces run together with nothing between them.
  EXPECT_EQ(rules::DescribeTutorialStep(5).text1,
            "Good. On the window that has popped up you can buy or sell goods. Click on the different "
            "goods to select them, choose a quantity and click on \"Buy\". Alternatively you can fill "
            "your whole cargo bay automatically by selecting a good and clicking on \"Buy all\".");
  EXPECT_EQ(rules::DescribeTutorialStep(12).text2,
            "Double-click on the \"Sun\" to start travelling to the mission objective.");
  // The tutorial body goes by the faction; its name comes from the star system's bodies.
  struct Case {
    int faction;
    const char* text2;
  };
  const Case cases[] = {
      {1, "Double-click on the location World 3 to start travelling."},
      {2, "Double-click on the location World 7 to start travelling."},
      {3, "Double-click on the location World 2 to start travelling."},
      {4, "Double-click on the location World 6 to start travelling."},
  };
  for (const Case& c : cases) {
    PlayerData[player::kFaction] = c.faction;
    EXPECT_EQ(rules::DescribeTutorialStep(6).text2, c.text2);
    EXPECT_EQ(rules::DescribeTutorialStep(6).arrowAt, "Body" + std::to_string(rules::TutorialBody()));
  }
  EXPECT_EQ(rules::DescribeTutorialStep(20).text2, "Fly to the planet World 2 by double-clicking on it.");
  // The texts keep their spacing as written, double spaces included, for the combat screen too.
  EXPECT_NE(rules::DescribeTutorialStep(13).text1.find("in order to  win this mission. To do this"),
            std::string::npos);
  EXPECT_NE(rules::DescribeTutorialStep(10).text1.find("available.  We wanted"), std::string::npos);
  EXPECT_EQ(rules::DescribeTutorialStep(19).text2,
            "Fire at will, end a turn if necessary and win this fight on your own!");
  // Choosing the mission repeats the board's texts.
  EXPECT_EQ(rules::DescribeTutorialStep(11).text1, rules::DescribeTutorialStep(10).text1);
  EXPECT_EQ(rules::DescribeTutorialStep(11).text2,
            "Click on the 2nd available mission and afterwards on \"Accept mission\".");
}

TEST_F(Tutorial, OnTheWayToTheTutorialBodyThePanelStandsOnTheOtherSideOfTheMap) {
  struct Case {
    int faction, bodyX, panelLeft;
  };
  const Case cases[] = {{1, 40, 560}, {1, 299, 560}, {1, 300, 8}, {2, 620, 8}, {4, 100, 560}};
  for (const Case& c : cases) {
    PlayerData[player::kFaction] = c.faction;
    state::BodyData[kSystem][rules::TutorialBody()][body::kMapX] = c.bodyX;
    EXPECT_EQ(rules::DescribeTutorialStep(6).panelLeft, c.panelLeft) << c.faction << " " << c.bodyX;
    EXPECT_EQ(rules::DescribeTutorialStep(7).panelLeft, 8) << "the trade window stands right";
  }
}

TEST_F(Tutorial, TheBodyOfTheFirstProfitGoesByFaction) {
  const int bodies[] = {0, 3, 7, 2, 6, 0};
  for (int faction = 0; faction <= 5; ++faction) {
    PlayerData[player::kFaction] = faction;
    EXPECT_EQ(rules::TutorialBody(), bodies[faction]) << faction;
  }
}

TEST_F(Tutorial, TheFirstTradeAlwaysPaysWhateverTheMarketSaid) {
  PlayerData[player::kFaction] = 2;  // body 7
  for (int price : {1, 100, 400}) {
    state::MarketPrice[kSystem][4][1] = price;
    state::MarketPrice[kSystem][7][1] = price;
    state::MarketPrice[kSystem][7][2] = 55;
    state::BodyPricesKnown[7] = 0;
    rules::SetTutorialSuppliesPrices();
    EXPECT_EQ(state::MarketPrice[kSystem][4][1], 100);
    EXPECT_EQ(state::MarketPrice[kSystem][7][1], 115);
    EXPECT_EQ(state::MarketPrice[kSystem][7][2], 55) << "only Supplies change";
    EXPECT_EQ(state::BodyPricesKnown[7], 1);
  }
  // Steps 5 to 7 set them; the sale's thanks at step 8 does not.
  for (int step = 4; step <= 9; ++step)
    EXPECT_EQ(rules::DescribeTutorialStep(step).setsSuppliesPrices, step >= 5 && step <= 7) << step;
}

TEST_F(Tutorial, TheMissionIsASearchAndDestroyOfAWeakPirateAtTheSun) {
  state::MissionOffers[kSystem][1][mission::kActive] = 1;
  state::MissionOffers[kSystem][1][mission::kType] = 4;
  const std::int32_t value = state::GetShipClassStat(1, 11);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    state::Randomize(seed);
    rules::OfferTutorialMission();
    const auto& offer = state::MissionOffers[kSystem][2];
    EXPECT_EQ(offer[mission::kActive], 1);
    EXPECT_EQ(offer[mission::kType], 1);
    EXPECT_EQ(offer[mission::kTargetBody], 1);
    EXPECT_EQ(offer[mission::kTargetSystem], kSystem);
    EXPECT_EQ(offer[mission::kEnemyClass], 1);
    EXPECT_EQ(offer[mission::kEnemyFaction], 0);
    EXPECT_GE(offer[mission::kReward], value / 21);
    EXPECT_LE(offer[mission::kReward], value / 17);
  }
  EXPECT_EQ(state::MissionOffers[kSystem][1][mission::kType], 4) << "the other offers stay";
}

TEST_F(Tutorial, TheReturnToGameStepShowsAsStep28) {
  EXPECT_EQ(rules::ShownTutorialStep(rules::kTutorialReturnToGameStep), 28);
  for (int step : {-11, 1, 28, 38}) EXPECT_EQ(rules::ShownTutorialStep(step), step);
}

}  // namespace
