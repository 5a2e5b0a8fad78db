// The trade window on screen: opened and closed by its toggle, a good and a quantity chosen, bought
// and sold by the buttons with the rows and the hold redrawn, the refusals shown as popups, the
// lit pictures of the buttons under the mouse and of the active quantity.
#include "screens/port/trade_window.h"

#include <string>
#include <tuple>

#include "app/program.h"
#include "platform/script.h"
#include "rules/missions.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/tutorial_panel.h"
#include "state/fields.h"
#include "state/goods.h"
#include "support/rows.h"

namespace screens_test {
namespace {

constexpr int kSystem = 7;
constexpr int kPlanet = 2;
constexpr int kHideout = 4;

class TradeWindowTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::ClearGameState();
    state::FillGoodTables();
    state::BodyData[kSystem][kPlanet][body::kVisible] = 1;
    state::BodyData[kSystem][kPlanet][body::kKind] = 1;
    state::BodyData[kSystem][kHideout][body::kVisible] = 1;
    state::BodyData[kSystem][kHideout][body::kKind] = state::kKindPirateHideout;
    for (int g = 1; g <= state::kLastGood; ++g) {
      state::MarketPrice[kSystem][kPlanet][g] = 100 * g;
      state::MarketStock[kSystem][kPlanet][g] = g < state::kFirstContraband ? 40 : 0;
      state::MarketPrice[kSystem][kHideout][g] = 90 * g;
      state::MarketStock[kSystem][kHideout][g] = g < state::kFirstContraband ? 0 : 30;
    }
    state::BodyPricesKnown[kPlanet] = 1;
    state::BodyPricesKnown[kHideout] = 1;
    state::PlayerShip =
        test_rows::ShipRow().Alive().System(kSystem).Body(kPlanet).CargoSpace(120);
    state::PlayerData[player::kCredits] = 10000;
    state::PlayerData[player::kIllegalGoodsWarning] = 1;
    state::SelectedBody = kPlanet;
    state::DisplayedSystem = kSystem;
  }

  void TearDown() override {
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    GameFormsTest::TearDown();
  }

  static screens::TradeWindowScreen& window() {
    return screens::GameForm<screens::TradeWindowScreen>();
  }

  // Runs `script` with the window opened by its toggle first.
  static void Play(const std::string& script) {
    screens::ToggleTradeWindow();
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "trade.script");
    const platform::ScriptResult r = runner.Run();
    EXPECT_TRUE(r.ok) << r.message;
  }
};

TEST_F(TradeWindowTest, TheToggleShowsAndHidesTheWindowAtQuantityTen) {
  EXPECT_FALSE(screens::TradeWindowShowing());
  screens::ToggleTradeWindow();
  EXPECT_TRUE(screens::TradeWindowShowing());
  EXPECT_EQ(state::TradeQuantity, 10) << "an unset quantity becomes 10";
  EXPECT_EQ(window().Get<platform::Label>("GoodName1").Caption(), "Supplies");
  EXPECT_EQ(window().Get<platform::Label>("GoodPrice3").Caption(), "$ 300");
  EXPECT_EQ(window().Get<platform::Label>("GoodStock3").Caption(), "40");
  EXPECT_EQ(Picture(window(), "QuantityButton10"), "TradeScreenON_06.jpg");
  EXPECT_EQ(Picture(window(), "QuantityButton25"), "TradeScreen_07.jpg");
  screens::ToggleTradeWindow();
  EXPECT_FALSE(screens::TradeWindowShowing());
  EXPECT_EQ(sounds.effects.size(), 2u) << "the maximise and the minimise sound";
  EXPECT_TRUE(window().StayOnTop());
  EXPECT_EQ(window().Border(), platform::BorderStyle::Single);
}

TEST_F(TradeWindowTest, ThePlayerBuysAndSellsWithTheButtons) {
  state::PlayerData[player::kCredits] = 20000;
  Play(R"(
click TradeWindow.GoodName3
expect TradeWindow.GoodName3.FontColor "#ffff00"
expect TradeWindow.GoodCargo3.FontColor "#ffff00"
expect TradeWindow.GoodName1.FontColor "#ffffff"
click TradeWindow.BuyLabel
expect TradeWindow.GoodCargo3.Caption "10"
expect TradeWindow.GoodStock3.Caption "30"
expect TradeWindow.Hold.Caption "10/120"
click TradeWindow.QuantityLabel25
expect TradeWindow.QuantityButton25.Picture "TradeScreenON_07.jpg"
expect TradeWindow.QuantityButton10.Picture "TradeScreen_06.jpg"
click TradeWindow.BuyButton
expect TradeWindow.GoodCargo3.Caption "35"
expect TradeWindow.GoodStock3.Caption "5"
click TradeWindow.GoodPrice5
click TradeWindow.BuyAllLabel
expect TradeWindow.GoodCargo5.Caption "19"
expect TradeWindow.Hold.Caption "54/120"
click TradeWindow.GoodStock3
click TradeWindow.QuantityButton1
click TradeWindow.SellLabel
expect TradeWindow.GoodCargo3.Caption "34"
screenshot TradeWindow "trade_window_bought.png"
click TradeWindow.SellAllButton
expect TradeWindow.Hold.Caption "0/120"
expect TradeWindow.GoodCargo5.Caption "0"
expect TradeWindow.GoodName3.FontColor "#ffff00"
click TradeWindow.CloseLabel
expect TradeWindow.Visible false
)");
  // 10 and 25 at 300, 19 at 500 (what the 9500 left cover), then all sold back.
  EXPECT_EQ(state::PlayerData[player::kCredits], 20000);
  EXPECT_EQ(state::MarketStock[kSystem][kPlanet][3], 40);
  EXPECT_EQ(state::MarketStock[kSystem][kPlanet][5], 40);
  EXPECT_EQ(state::PlayerData[player::kGoodsSold], 54);
  EXPECT_EQ(state::SelectedGood, 3);
  EXPECT_EQ(state::TradeQuantity, 1);
}

TEST_F(TradeWindowTest, RefusalsShowTheirPopupsAndChangeNothing) {
  state::PlayerData[player::kCredits] = 100;
  state::Cargo[14] = 3;
  Play(R"(
click TradeWindow.BuyLabel
expect TextPopup.Topic.Caption "N/A"
answer continue
click TradeWindow.GoodName2
click TradeWindow.BuyLabel
expect TextPopup.Topic.Caption "Not enough credits"
answer continue
expect TradeWindow.GoodCargo2.Caption "0"
expect TradeWindow.GoodStock2.Caption "40"
)");
  EXPECT_EQ(state::PlayerData[player::kCredits], 100);

  // At the hideout contraband is bought, but nothing is sold.
  screens::ToggleTradeWindow();
  state::PlayerShip[ship::kBody] = kHideout;
  state::SelectedBody = kHideout;
  state::PlayerData[player::kCredits] = 20000;
  Play(R"(
expect TradeWindow.GoodStock1.Caption "0"
click TradeWindow.GoodName14
click TradeWindow.BuyLabel
expect TradeWindow.GoodCargo14.Caption "13"
screenshot TradeWindow "trade_window_hideout.png"
click TradeWindow.SellAllLabel
expect TextPopup.Topic.Caption "N/A"
answer continue
expect TradeWindow.GoodCargo14.Caption "13"
)");
  EXPECT_EQ(state::PlayerData[player::kCredits], 20000 - 10 * 14 * 90);
}

TEST_F(TradeWindowTest, AFullHoldBuysNothingAndSaysNothing) {
  state::Cargo[1] = 120;
  state::SelectedGood = state::Stored(kGoodMedicals);
  Play(R"(
click TradeWindow.BuyLabel
click TradeWindow.BuyAllLabel
expect TradeWindow.GoodCargo2.Caption "0"
expect TradeWindow.Hold.Caption "120/120"
key Escape
expect TradeWindow.Visible false
)");
  EXPECT_EQ(state::PlayerData[player::kCredits], 10000);
}

TEST_F(TradeWindowTest, ItShowsTheSelectedBodyButTradesWhereTheShipIs) {
  state::BodyData[kSystem][1][body::kVisible] = 1;
  state::BodyData[kSystem][1][body::kKind] = state::kKindSun;
  state::SelectedBody = 1;
  state::SelectedGood = state::Stored(kGoodMedicals);
  Play(R"(
expect TradeWindow.GoodPrice2.Caption "$ ?"
expect TradeWindow.GoodStock2.Caption ""
click TradeWindow.BuyLabel
expect TradeWindow.GoodCargo2.Caption "10"
screenshot TradeWindow "trade_window_no_market.png"
)");
  EXPECT_EQ(state::MarketStock[kSystem][kPlanet][2], 30);
  EXPECT_EQ(state::PlayerData[player::kCredits], 10000 - 10 * 200);
}

TEST_F(TradeWindowTest, TheLastUnitsOfATransportDeliveredHereEarnTheReward) {
  state::ActiveMission = test_rows::MissionRow()
                             .Active()
                             .Type(kMissionTransport)
                             .Reward(5000)
                             .Target(kSystem, kPlanet)
                             .Good(kGoodMedicals)
                             .Quantity(15);
  state::Cargo[2] = 25;
  state::SelectedGood = state::Stored(kGoodMedicals);
  state::PlayerData[player::kLevel] = 19;  // the last level: the experience promotes nobody
  Play(R"(
click TradeWindow.SellLabel
expect TradeWindow.GoodCargo2.Caption "15"
expect TradeWindow.GoodStock2.Caption "0"
click TradeWindow.SellLabel
expect PicturePopup.Topic.Caption "Mission completed!"
expect PicturePopup.Picture.Picture "GeneralMissionPic.jpg"
expect PicturePopup.Text.Caption "You have delivered the required amount of goods and completed the transport mission. You receive a reward of $ 5000"
answer continue
expect FamePopup.Visible true
answer continue
expect TradeWindow.GoodCargo2.Caption "5"
expect TradeWindow.GoodStock2.Caption "0"
)");
  EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
  EXPECT_EQ(state::PlayerData[player::kMissionsCompleted], 1);
  EXPECT_EQ(state::PlayerData[player::kCredits], 10000 + 20 * 200 + 5000);
}

TEST_F(TradeWindowTest, TheButtonUnderTheMouseLightsAndTheActiveQuantityKeepsItsPicture) {
  screens::ToggleTradeWindow();
  MoveOnto(window().Get<platform::Image>("BuyButton"));
  EXPECT_EQ(Picture(window(), "BuyButton"), "TradeScreenHighlight_11.jpg");
  MoveOnto(window().Get<platform::Label>("QuantityLabel25"));
  EXPECT_EQ(Picture(window(), "BuyButton"), "TradeScreen_11.jpg");
  EXPECT_EQ(Picture(window(), "QuantityButton25"), "TradeScreenHighlight_07.jpg");
  MoveOnto(window().Get<platform::Image>("QuantityButton10"));
  EXPECT_EQ(Picture(window(), "QuantityButton25"), "TradeScreen_07.jpg");
  EXPECT_EQ(Picture(window(), "QuantityButton10"), "TradeScreenON_06.jpg")
      << "the active quantity keeps its own picture";
  MoveOnto(window().Get<platform::Label>("GoodName4"));
  EXPECT_EQ(window().HoverIndex(), 0) << "leaving a button for the rows puts it out";
  EXPECT_EQ(Picture(window(), "QuantityButton10"), "TradeScreenON_06.jpg");
  MoveOnto(window().Get<platform::Label>("SellLabel"));
  EXPECT_EQ(Picture(window(), "SellButton"),
            screens::TradeButtonPicture(screens::kTradeSellButton, true, false));
  MoveOnto(window().Get<platform::Label>("GoodName4"));
  EXPECT_EQ(Picture(window(), "SellButton"),
            screens::TradeButtonPicture(screens::kTradeSellButton, false, false));
}

TEST_F(TradeWindowTest, TheTutorialKeepsTheWindowOpenAndBlinksItsArrow) {
  state::TutorialActive = 1;
  state::TutorialStep = 7;
  ASSERT_TRUE(screens::FindTutorialArrow("TradeWindow")
                  ->PointAt("SellAllButton", screens::ArrowSide::Right, false));
  Play(R"(
wait 1000
expect TradeWindow.TutorialArrow.Visible true
wait 1000
expect TradeWindow.TutorialArrow.Visible false
click TradeWindow.CloseLabel
expect TextPopup.Topic.Caption "Tutorial"
answer continue
expect TradeWindow.Visible true
)");
  window().StopTutorialArrow();
  state::TutorialStep = 9;
  ClickOn(window().Get<platform::Label>("CloseLabel"));
  EXPECT_FALSE(screens::TradeWindowShowing());
}

TEST_F(TradeWindowTest, TheWindowIsDraggedByItsTitleBar) {
  screens::ToggleTradeWindow();
  const int left = window().Left(), top = window().Top();
  const int x = left + 100, y = top - window().TitleHeight() / 2;
  platform::App().MouseMove(x, y);
  platform::App().MouseDown(platform::MouseButton::Left, x, y);
  platform::App().MouseMove(x - 300, y + 40);
  platform::App().MouseUp(platform::MouseButton::Left, x - 300, y + 40);
  EXPECT_EQ(window().Left(), left - 300);
  EXPECT_EQ(window().Top(), top + 40);
  // Closed and opened again, it is where the player left it.
  screens::ToggleTradeWindow();
  EXPECT_FALSE(screens::TradeWindowShowing());
  screens::ToggleTradeWindow();
  EXPECT_EQ(window().Left(), left - 300);
  EXPECT_EQ(window().Top(), top + 40);
}

TEST_F(TradeWindowTest, ItsFaceDragsItTooWhileItsRowsAndButtonsStillAct) {
  screens::ToggleTradeWindow();
  auto drag = [](int x, int y, int dx, int dy) {
    platform::App().MouseMove(x, y);
    platform::App().MouseDown(platform::MouseButton::Left, x, y);
    platform::App().MouseMove(x + dx, y + dy);
    platform::App().MouseUp(platform::MouseButton::Left, x + dx, y + dy);
  };
  // The "Cargo space" caption and the face around it take no press: they drag the window.
  const platform::Control& caption = window().Get<platform::Label>("HoldCaption");
  const int left = window().Left(), top = window().Top();
  auto [x, y] = Centre(caption);
  drag(x, y, -200, 30);
  EXPECT_EQ(window().Left(), left - 200);
  EXPECT_EQ(window().Top(), top + 30);
  // A good's row is not face: a press on it moves nothing, and its click selects the good.
  const platform::Control& row = window().Get<platform::Label>("GoodName3");
  std::tie(x, y) = Centre(row);
  drag(x, y, -100, 0);
  EXPECT_EQ(window().Left(), left - 200);
  ClickOn(row);
  EXPECT_EQ(state::SelectedGood, 3);
}

}  // namespace
}  // namespace screens_test
