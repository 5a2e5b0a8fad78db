// The flight and jump windows on a manual clock: one game day per tick with the days left counting
// down, arrival at the target, a flight stopped under way, a refused start that shows no window,
// and a jump through a wormhole that brings the ship into the next system.
#include "screens/shared/doors.h"
#include "screens/travel/flight.h"

#include <filesystem>
#include <functional>
#include <vector>

#include "rules/flight.h"
#include "rules/new_game.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/travel_screen.h"
#include "screens/travel/travel_view.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

using platform::Label;
using state::PlayerShip;

using state::kClassShadowcat;

class FlightWindowTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 2;
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation), ui);
    // A quiet world: the tutorial's first 50 days bring no hostile ship and lock nothing a flight
    // needs at this step, and wars are not announced.
    state::TutorialActive = 1;
    state::TutorialStep = 7;
    state::NoWarPopups = 1;
    PlayerShip[ship::kClass] = state::Stored(kClassShadowcat);
    PlayerShip[ship::kCrewmen] = 6;
    PlayerShip[ship::kEngine] = state::Stored(kEngineTravellerMk1);
    system = PlayerShip[ship::kSystem];
  }
  // The tutorial and the war messages outlive a cleared game; the next test must not inherit them.
  void TearDown() override {
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    state::NoWarPopups = 0;
    GameFormsTest::TearDown();
  }

  static screens::FlightScreen& flight() { return screens::GameForm<screens::FlightScreen>(); }
  static std::string DaysShown(platform::Form& window) {
    return window.Get<Label>("DaysLeft").Caption();
  }

  // Closes the popup that is open, if one is; true when there was one.
  static bool ClosePopup() {
    using screens::GameForm;
    const platform::Form* open[] = {
        &GameForm<screens::TextPopup>(),      &GameForm<screens::PicturePopup>(),
        &GameForm<screens::NoticePopup>(),    &GameForm<screens::EncounterPopup>(),
        &GameForm<screens::FamePopup>(),      &GameForm<screens::RewardPopup>()};
    for (const platform::Form* popup : open) {
      if (popup->Visible()) {
        ClickOn(popup->Get<Label>("ContinueLabel"));
        return true;
      }
    }
    return false;
  }
  // `count` steps that each close an open popup or else let one tick of `ms` pass.
  static std::vector<std::function<void()>> Ticks(int count, int ms) {
    return std::vector<std::function<void()>>(static_cast<std::size_t>(count), [ms] {
      if (!ClosePopup()) platform::App().AdvanceClock(static_cast<std::uint64_t>(ms));
    });
  }

  // The first body of the ship's system, other than the ship's own, of `kind` (any planet for 1).
  int BodyOfKind(int kind) const {
    for (int b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& row = state::BodyData[system][b];
      if (b == PlayerShip[ship::kBody] || row[body::kVisible] <= 0) continue;
      if (kind == 1 ? row[body::kKind] > 0 : row[body::kKind] == kind) return b;
    }
    return 0;
  }

  int system = 0;
};

TEST_F(FlightWindowTest, EachTickIsADayUntilTheShipArrives) {
  const int target = BodyOfKind(1);
  ASSERT_NE(target, 0);
  const int from = PlayerShip[ship::kBody];
  const int day = state::GameDay;
  support::ScriptUi quiet;
  std::int32_t days = 0;
  {
    // The days the rules give this flight, without starting it.
    const std::uint32_t seed = state::RandSeed;
    days = rules::BeginFlight(target, system, quiet).value_or(0);
    state::RandSeed = seed;
  }
  ASSERT_GE(days, 2);

  std::vector<std::function<void()>> steps = {
      [&] {
        EXPECT_TRUE(screens::FlightShowing());
        EXPECT_EQ(DaysShown(flight()), screens::DayCountWindow::DaysText(days));
        EXPECT_EQ(flight().Get<Label>("TravellingLabel").Caption(), "Travelling...");
        EXPECT_EQ(Picture(flight(), "ShipPicture"),
                  state::GetShipFactionImage(kClassShadowcat, Faction{PlayerShip[ship::kFaction]}) + "_scene.jpg");
        platform::App().SaveScreenshot(
            (std::filesystem::path(::testing::TempDir()) / "flight_window.png").string(), &flight());
        platform::App().AdvanceClock(99);
        EXPECT_EQ(state::GameDay, day) << "no day before the first tick";
        platform::App().AdvanceClock(1);
        EXPECT_EQ(state::GameDay, day + 1);
        EXPECT_EQ(flight().DaysLeft(), days - 1);
        EXPECT_EQ(DaysShown(flight()), screens::DayCountWindow::DaysText(days - 1));
        // The ship's log behind the window moves with the days.
        EXPECT_EQ(screens::GameForm<screens::TravelScreenForm>().Get<Label>("StarDate").Caption(),
                  screens::StarDateLine());
        EXPECT_EQ(PlayerShip[ship::kBody], from) << "still under way";
      },
  };
  for (auto& step : Ticks(400, 100)) steps.push_back(step);
  WhenIdle(steps);

  screens::FlyToLocation(target, system);

  EXPECT_FALSE(screens::FlightShowing());
  EXPECT_EQ(state::GameDay, day + days);
  EXPECT_EQ(PlayerShip[ship::kBody], target);
  EXPECT_EQ(state::SelectedBody, target);
  EXPECT_EQ(state::BodyPricesKnown[target], 1);
  EXPECT_EQ(state::SystemVisited[system], 1);
  EXPECT_EQ(state::FlyToMayClose, 0) << "the permission ends with the window";
  EXPECT_EQ(sounds.effects.empty(), false) << "the engines";
}

TEST_F(FlightWindowTest, AFlightStoppedUnderWayClosesTheWindowWhereTheShipIs) {
  const int target = BodyOfKind(1);
  const int from = PlayerShip[ship::kBody];
  const int day = state::GameDay;
  WhenIdle({
      [] { platform::App().AdvanceClock(100); },
      [] {
        screens::StopFlight();
        EXPECT_EQ(flight().DaysLeft(), 0);
      },
  });
  screens::FlyToLocation(target, system);
  EXPECT_FALSE(screens::FlightShowing());
  EXPECT_EQ(state::GameDay, day + 1);
  EXPECT_EQ(PlayerShip[ship::kBody], from);
  // Nothing under way: stopping does nothing.
  screens::StopFlight();
  EXPECT_FALSE(flight().Underway());
}

TEST_F(FlightWindowTest, ARefusedFlightShowsItsReasonAndNoWindow) {
  const int target = BodyOfKind(1);
  const int day = state::GameDay;
  state::TutorialStep = 5;
  std::string topic;
  WhenIdle({[&] {
    EXPECT_FALSE(screens::FlightShowing());
    topic = screens::GameForm<screens::TextPopup>().Topic().Caption();
    ClosePopup();
  }});
  screens::FlyToLocation(target, system);
  EXPECT_EQ(topic, "Tutorial");
  EXPECT_EQ(state::GameDay, day);
  EXPECT_NE(PlayerShip[ship::kBody], target);
}

TEST_F(FlightWindowTest, AJumpBringsTheShipIntoTheNextSystem) {
  const int wormhole = BodyOfKind(state::kKindWormhole);
  ASSERT_NE(wormhole, 0);
  const int destination = state::BodyData[system][wormhole][body::kDestination];
  const int length = std::max(state::BodyData[system][wormhole][body::kJumpLength], 1);
  PlayerShip[ship::kBody] = wormhole;
  state::SelectedBody = wormhole;
  const int day = state::GameDay;

  std::vector<std::function<void()>> steps = {[&] {
    EXPECT_TRUE(screens::GameForm<screens::JumpScreen>().Visible());
    EXPECT_FALSE(screens::FlightShowing()) << "the jump has its own window";
    EXPECT_EQ(DaysShown(screens::GameForm<screens::JumpScreen>()),
              screens::DayCountWindow::DaysText(length));
    platform::App().SaveScreenshot(
        (std::filesystem::path(::testing::TempDir()) / "jump_window.png").string(),
        &screens::GameForm<screens::JumpScreen>());
    platform::App().AdvanceClock(199);
    EXPECT_EQ(state::GameDay, day) << "a jump day takes 200 ms";
    platform::App().AdvanceClock(1);
    EXPECT_EQ(state::GameDay, day + 1);
  }};
  for (auto& step : Ticks(100, 200)) steps.push_back(step);
  WhenIdle(steps);

  screens::DockOrJump();

  EXPECT_FALSE(screens::GameForm<screens::JumpScreen>().Visible());
  EXPECT_EQ(state::GameDay, day + length);
  EXPECT_EQ(PlayerShip[ship::kSystem], destination);
  EXPECT_EQ(state::DisplayedSystem, destination);
  EXPECT_EQ(state::SystemVisited[destination], 1);
  const int arrival = PlayerShip[ship::kBody];
  EXPECT_EQ(state::SelectedBody, arrival);
  const state::TBodyRow& way = state::BodyData[destination][arrival];
  if (arrival != 1) {
    EXPECT_EQ(way[body::kKind], state::kKindWormhole);
    EXPECT_EQ(way[body::kDestination], system) << "the wormhole back";
  }
}

}  // namespace
}  // namespace screens_test
