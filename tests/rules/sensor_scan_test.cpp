// Opening the ship sensors: the refusals and the ship the scan selects.
#include "rules/sensor_scan.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "state/fields.h"
#include "state/star_map.h"
#include "state/star_systems.h"
#include "state/variables.h"

namespace {

TEST(SensorScan, RefusedAtAHideoutOrWithNothingInRangeElseEveryShipInRange) {
  // Any body of the system will do: the test marks it as a hideout.
  constexpr std::int32_t hideout = state::kLastBody;
  struct Case {
    const char* what;
    std::function<void()> arrange;
    const char* text;  // of the refusal; none when the sensors open
    std::vector<int> ships;
  };
  const auto active = [](int k) { state::SpecialShips[k][special_ship::kActive] = 1; };
  const Case cases[] = {
      {"nothing in range", [] {}, "You cannot detect any ships. You should wait some time.", {}},
      {"one ship", [&] { active(3); }, nullptr, {3}},
      {"several, in row order", [&] { active(7), active(2), active(5); }, nullptr, {2, 5, 7}},
      {"the last row", [&] { active(state::kLastSpecialShip); }, nullptr,
       {state::kLastSpecialShip}},
      {"row 0 is no ship", [&] { active(0); },
       "You cannot detect any ships. You should wait some time.", {}},
      {"at a pirate hideout",
       [&] { active(3), state::PlayerShip[ship::kBody] = hideout; },
       "The use of ship sensors makes everyone know about your presence - not a wise thing to do "
       "nearby a pirate base!",
       {}},
      {"at a space find", [&] { active(3), state::PlayerShip[ship::kBody] = -1; }, nullptr, {3}},
  };
  for (const Case& c : cases) {
    state::ClearGameState();
    state::PlayerShip[ship::kSystem] = kSystemSirius;
    state::PlayerShip[ship::kBody] = state::kMainPlanetBody;
    state::BodyData[kSystemSirius][hideout][body::kKind] = state::kKindPirateHideout;
    c.arrange();
    const rules::SensorScan scan = rules::ScanWithSensors();
    EXPECT_EQ(scan.refused, c.text != nullptr) << c.what;
    EXPECT_EQ(scan.text, c.text ? c.text : "") << c.what;
    EXPECT_EQ(scan.topic, c.text ? "Ship sensors" : "") << c.what;
    EXPECT_EQ(scan.ships, c.ships) << c.what;
  }
}

}  // namespace
