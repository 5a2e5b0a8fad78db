// What the crew combat screen shows, from the boarding tables: the counts of both sides in the
// screen's order, the four areas by their state, the attack buttons live only while fighting, and
// the compatibility labels.
#include "screens/combat/boarding_view.h"

#include <gtest/gtest.h>

#include "combat/boarding.h"
#include "state/fields.h"
#include "state/variables.h"
#include "support/rows.h"

namespace {

using screens::BuildBoardingView;

class BoardingViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state::PlayerShip = {};
    state::EnemyShip = {};
    state::BoardingAreas = {};
    state::CompatibilityMode = 0;
    combat::BoardingPhase = combat::kFightingPhase;
  }
  void TearDown() override {
    state::CompatibilityMode = 0;
    combat::BoardingPhase = combat::kNoBoardingPhase;
  }
};

TEST_F(BoardingViewTest, CountsFollowTheScreensOrderNotTheShipRows) {
  state::PlayerShip =
      test_rows::ShipRow().Crewmen(12).Officers(3).Marines(7).Pirates(5).Droids(2);
  state::EnemyShip = test_rows::ShipRow()
                         .Crewmen(99)  // the reserve is not shown, only the defenders of the area
                         .Set(ship::kDefendingCrewmen, 14)
                         .Set(ship::kDefendingMarines, 0)
                         .Set(ship::kDefendingDroids, 1234);
  const screens::BoardingView v = BuildBoardingView();
  EXPECT_EQ(v.crew, (std::array<std::string, 5>{"12", "3", "5", "7", "2"}));
  EXPECT_EQ(v.defenders, (std::array<std::string, 3>{"14", "0", "1234"}));
}

TEST_F(BoardingViewTest, AreasShowTheirStateAndAnAbsentAreaIsHidden) {
  struct Case {
    std::array<std::int32_t, 4> states;
    std::array<const char*, 4> pictures;  // "" = hidden
    std::array<const char*, 4> labels;
  };
  const Case cases[] = {
      // The opening: the airlock open, the rest not yet selectable.
      {{1, 2, 2, 2},
       {"crewcombat_red_airlock_normal.jpg", "crewcombat_grey_corridor_normal.jpg",
        "crewcombat_grey_cargo_normal.jpg", "crewcombat_grey_bridge_normal.jpg"},
       {"Airlock (Enemy)", "Corridors (Enemy; not yet selectable)",
        "Cargo bay (Enemy; not yet selectable)", "Bridge (Enemy); not yet selectable)"}},
      // The corridors secured: cargo bay and bridge both open.
      {{3, 3, 1, 1},
       {"crewcombat_blue_airlock_normal.jpg", "crewcombat_blue_corridor_normal.jpg",
        "crewcombat_red_cargo_normal.jpg", "crewcombat_red_bridge_normal.jpg"},
       {"Airlock (Friendly)", "Corridors (Friendly)", "Cargo bay (Enemy)", "Bridge (Enemy)"}},
      // A ship without some areas, and a value no area state has.
      {{0, 3, 0, 7},
       {"", "crewcombat_blue_corridor_normal.jpg", "", ""},
       {"N/A", "Corridors (Friendly)", "N/A", "N/A"}},
  };
  for (const Case& c : cases) {
    for (int k = 0; k < 4; ++k) state::BoardingAreas[k + 1] = c.states[k];
    const screens::BoardingView v = BuildBoardingView();
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE("area " + std::to_string(k + 1) + " state " + std::to_string(c.states[k]));
      EXPECT_EQ(v.areas[k].picture, c.pictures[k]);
      EXPECT_EQ(v.areas[k].visible, *c.pictures[k] != '\0');
      EXPECT_EQ(v.areas[k].label, c.labels[k]);
    }
  }
}

TEST_F(BoardingViewTest, AttacksAreLiveOnlyWhileFightingAndLabelsFollowTheMode) {
  struct Case {
    std::int32_t phase;
    std::uint8_t compatibility;
    bool attacksLive, labels;
  };
  const Case cases[] = {
      {1, 0, true, false},
      {2, 0, false, false},
      {2, 1, false, true},
      {0, 1, false, true},  // before any fight
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("phase " + std::to_string(c.phase));
    combat::BoardingPhase = combat::BoardingPhaseKind{c.phase};
    state::CompatibilityMode = c.compatibility;
    const screens::BoardingView v = BuildBoardingView();
    EXPECT_EQ(v.attacksLive, c.attacksLive);
    EXPECT_EQ(v.compatibilityLabels, c.labels);
  }
}

}  // namespace
