// The galaxy map on the real forms: opened on the ship's system, a system picked through its click
// area or the current-system frame, the prices panel with a chosen good putting prices on the map,
// the description panel, the buttons lit under the mouse, the prices panel dragged to the other
// side or closed by a click on its frame, and "Close" (or Escape) giving the displayed system back
// to the ship's.
#include <string>

#include "app/program.h"
#include "platform/application.h"
#include "platform/layout.h"
#include "platform/pictures.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/galaxy_map.h"
#include "screens/shared/doors.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class GalaxyMapTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    StartNewWorld();
    current = state::PlayerShip[ship::kSystem];
    other = current == 12 ? 13 : 12;
    state::SelectedGood = 0;
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  platform::ScriptResult RunMap(const std::string& steps) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load("seed 3\n" + steps, "galaxy_map.script");
    return runner.Run([] { screens::OpenGalaxyMap(); });
  }

  static std::string Screenshot(const char* file) { return FormTest::ScreenshotStep("GalaxyMap", file); }

  static std::string N(int n) { return std::to_string(n); }

  std::int32_t current = 0, other = 0;
};

TEST_F(GalaxyMapTest, PickingASystemDescribesItAndClosingGivesTheShipsSystemBack) {
  const std::string blue = "#4495f7";
  const std::string script =
      "expect GalaxyMap.Visible true\n"
      "expect GalaxyMap.SystemName" +
      N(current) + ".FontColor \"" + blue +
      "\"\n"
      "expect GalaxyMap.SystemPrice1.Visible false\n"
      "expect GalaxyMap.CurrentCursor.Visible true\n"
      "click GalaxyMap.InfoLabel\n"
      "expect GalaxyMap.InfoPanel.Visible true\n"
      "expect GalaxyMap.InfoSystemName.Caption \"" +
      state::SystemText[current][system_text::kName] +
      "\"\n"
      "click GalaxyMap.SystemSelector" +
      N(other) +
      "\n"
      "expect GalaxyMap.InfoSystemName.Caption \"" +
      state::SystemText[other][system_text::kName] +
      "\"\n"
      "expect GalaxyMap.InfoDescription.Caption \"" +
      state::SystemText[other][system_text::kDescription] +
      "\"\n"
      "expect GalaxyMap.SystemName" +
      N(other) + ".FontColor \"" + blue +
      "\"\n"
      "expect GalaxyMap.SystemPrice" +
      N(other) + ".FontColor \"" + blue +
      "\"\n"
      "expect GalaxyMap.SystemName" +
      N(current) + ".FontColor \"#ffffff\"\n" + Screenshot("galaxy-map-info.png") +
      "click GalaxyMap.CurrentCursor\n"
      "expect GalaxyMap.InfoSystemName.Caption \"" +
      state::SystemText[current][system_text::kName] +
      "\"\n"
      "click GalaxyMap.SystemSelector" +
      N(other) +
      "\n"
      "click GalaxyMap.InfoCloseLabel\n"
      "expect GalaxyMap.InfoPanel.Visible false\n"
      "click GalaxyMap.CloseLabel\n"
      "expect GalaxyMap.Visible false\n";
  const platform::ScriptResult r = RunMap(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::DisplayedSystem, current);
  EXPECT_FALSE(screens::GalaxyMapShowing());
  EXPECT_EQ(sounds.effects.front(), "maxi.wav") << "the map opens with a sound";
}

TEST_F(GalaxyMapTest, ChoosingAGoodPutsItsPricesOnTheMapWhileThePricesPanelIsOpen) {
  for (int s = 1; s <= 24; ++s) state::SystemVisited[s] = 0;
  state::SystemVisited[current] = 1;
  state::SystemPrice[current][2] = 321;
  const std::int32_t day = state::GameDay;
  const std::string script =
      "click GalaxyMap.PricesButton\n"
      "expect GalaxyMap.PricesPanel.Visible true\n"
      "expect GalaxyMap.PricesPanel.Left \"437\"\n"
      "expect GalaxyMap.GoodName2.Caption \"" + state::GoodName[2] + "\"\n"
      "expect GalaxyMap.GoodPrice2.Caption \"$ 321\"\n"
      "expect GalaxyMap.SystemPrice" + N(current) + ".Visible false\n"
      "click GalaxyMap.GoodStock2\n"
      "expect GalaxyMap.GoodName2.FontColor \"#ffff00\"\n"
      "expect GalaxyMap.SystemPrice" + N(current) + ".Visible true\n"
      "expect GalaxyMap.SystemPrice" + N(current) + ".Caption \"$ 321\"\n"
      "expect GalaxyMap.SystemPrice" + N(other) + ".Caption \"$ ?\"\n" +
      Screenshot("galaxy-map-prices.png") +
      // The description panel takes the prices panel's place, and the map's prices go with it.
      "click GalaxyMap.InfoButton\n"
      "expect GalaxyMap.PricesPanel.Visible false\n"
      "expect GalaxyMap.SystemPrice" + N(current) + ".Visible false\n"
      "click GalaxyMap.PricesLabel\n"
      "expect GalaxyMap.InfoPanel.Visible false\n"
      "expect GalaxyMap.SystemPrice" + N(current) + ".Visible true\n"
      "click GalaxyMap.PricesCloseLabel\n"
      "expect GalaxyMap.PricesPanel.Visible false\n"
      "expect GalaxyMap.SystemPrice" + N(current) + ".Visible false\n"
      "key Escape\n"
      "expect GalaxyMap.Visible false\n";
  const platform::ScriptResult r = RunMap(script);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::SelectedGood, 2) << "the chosen good stays chosen for the trade window";
  EXPECT_EQ(state::GameDay, day) << "the map costs no time";
}

TEST_F(GalaxyMapTest, ButtonsLightOneAtATimeAndTheFacePutsThemOut) {
  const std::string script = R"(
move GalaxyMap.PricesButton
expect GalaxyMap.PricesButton.Picture "GalaxyScreenON_03.jpg"
move GalaxyMap.InfoLabel
expect GalaxyMap.PricesButton.Picture "GalaxyScreen_03.jpg"
expect GalaxyMap.InfoButton.Picture "GalaxyScreenON_04.jpg"
move GalaxyMap.CloseButton
expect GalaxyMap.InfoButton.Picture "GalaxyScreen_04.jpg"
expect GalaxyMap.CloseButton.Picture "GalaxyScreenON_05.jpg"
move GalaxyMap.BottomBar
expect GalaxyMap.CloseButton.Picture "GalaxyScreen_05.jpg"
click GalaxyMap.InfoButton
move GalaxyMap.InfoCloseButton
expect GalaxyMap.InfoCloseButton.Picture "Target-DescriptionON_06.jpg"
move GalaxyMap.InfoFrame
expect GalaxyMap.InfoCloseButton.Picture "Target-Description_06.jpg"
click GalaxyMap.PricesButton
move GalaxyMap.PricesCloseButton
expect GalaxyMap.PricesCloseButton.Picture "PricesScreenON_04.jpg"
move GalaxyMap.MapFace
expect GalaxyMap.PricesCloseButton.Picture "PricesScreen_04.jpg"
click GalaxyMap.CloseButton
)";
  const platform::ScriptResult r = RunMap(script);
  EXPECT_TRUE(r.ok) << r.message;
}

// Press and move on the prices panel's frame drags it to the other side; a click without a move
// closes it. The next opening puts it back on the right.
TEST_F(GalaxyMapTest, ThePricesPanelJumpsSidesWhenDraggedAndClosesOnAClick) {
  auto drag = [this](const char* part) {
    platform::Control& c = *screens::GameForm<screens::GalaxyMapScreen>().Find(part);
    auto [x, y] = Reachable(c);
    platform::App().ForgetDoubleClick();
    platform::App().MouseMove(x, y);
    platform::App().MouseDown(platform::MouseButton::Left, x, y);
    platform::App().MouseMove(x + 10, y + 2);
    platform::App().MouseMove(x + 30, y + 4);  // one jump per press, however far it goes
    platform::App().MouseUp(platform::MouseButton::Left, x + 30, y + 4);
  };
  platform::Control& panel = *screens::GameForm<screens::GalaxyMapScreen>().Find("PricesPanel");
  WhenIdle({
      [&] { ClickOn(*screens::GameForm<screens::GalaxyMapScreen>().Find("PricesButton")); },
      [&] { drag("PricesTopBar"); },
      [&] {
        EXPECT_EQ(panel.Left(), screens::kPricesPanelLeft);
        EXPECT_TRUE(panel.Visible());
        drag("PricesCloseButton");
      },
      [&] {
        EXPECT_EQ(panel.Left(), screens::kPricesPanelRight);
        EXPECT_TRUE(panel.Visible()) << "a drag is no click";
        drag("PricesLeftStrip");
      },
      [&] {
        EXPECT_EQ(panel.Left(), screens::kPricesPanelLeft);
        ClickOn(*screens::GameForm<screens::GalaxyMapScreen>().Find("PricesLeftStrip"));
      },
      [&] {
        EXPECT_FALSE(panel.Visible()) << "a click without a move closes the panel";
        ClickOn(*screens::GameForm<screens::GalaxyMapScreen>().Find("CloseButton"));
      },
  });
  screens::OpenGalaxyMap();
  EXPECT_FALSE(StepsLeft());

  panel.SetLeft(screens::kPricesPanelLeft);
  WhenIdle({[&] {
    EXPECT_EQ(panel.Left(), screens::kPricesPanelRight) << "opening puts it back on the right";
    ClickOn(*screens::GameForm<screens::GalaxyMapScreen>().Find("CloseButton"));
  }});
  screens::OpenGalaxyMap();
}

TEST_F(GalaxyMapTest, AHostileSystemIsRedUntilPicked) {
  const std::int32_t owner = state::SystemData[other][star_system::kOwner] == 1 ? 2 : 
      state::SystemData[other][star_system::kOwner];
  state::SystemData[other][star_system::kOwner] = owner;
  state::FactionData[owner][faction::kAtWarWith + 1] = 1;
  state::FactionData[1][faction::kAtWarWith + owner] = 1;
  state::FactionData[owner][faction::kAlive] = 1;
  state::FactionData[1][faction::kAlive] = 1;
  const std::string script =
      "expect GalaxyMap.SystemName" + N(other) + ".FontColor \"#ff0000\"\n"
      "click GalaxyMap.SystemSelector" + N(other) + "\n"
      "expect GalaxyMap.SystemName" + N(other) + ".FontColor \"#4495f7\"\n"
      // A redraw (the prices panel opening) shows it red again, though it is still displayed.
      "click GalaxyMap.PricesButton\n"
      "expect GalaxyMap.SystemName" + N(other) + ".FontColor \"#ff0000\"\n"
      "expect GalaxyMap.SystemPrice" + N(other) + ".FontColor \"#ff0000\"\n"
      "click GalaxyMap.SystemSelector" + N(other) + "\n"
      "expect GalaxyMap.SystemPrice" + N(other) + ".FontColor \"#4495f7\"\n"
      "click GalaxyMap.CloseButton\n";
  const platform::ScriptResult r = RunMap(script);
  EXPECT_TRUE(r.ok) << r.message;
}

}  // namespace
}  // namespace screens_test
