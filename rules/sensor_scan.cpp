#include "rules/sensor_scan.h"

#include <cstdint>
#include <utility>

#include "state/fields.h"
#include "state/variables.h"

namespace rules {

namespace {

constexpr const char* kTopic = "Ship sensors";

bool AtPirateHideout() {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const std::int32_t b = state::PlayerShip[ship::kBody];
  if (s < 1 || s > state::kLastSystem || b < 1 || b > state::kLastBody) return false;
  return state::BodyData[s][b][body::kKind] == state::kKindPirateHideout;
}

SensorScan Refuse(std::string text) {
  SensorScan scan;
  scan.refused = true;
  scan.topic = kTopic;
  scan.text = std::move(text);
  return scan;
}

}  // namespace

SensorScan ScanWithSensors() {
  if (AtPirateHideout()) {
    return Refuse(
        "The use of ship sensors makes everyone know about your presence - not a wise thing to do "
        "nearby a pirate base!");
  }
  SensorScan scan;
  for (int k = 1; k <= state::kLastSpecialShip; ++k)
    if (state::SpecialShips[k][special_ship::kActive] > 0) scan.ships.push_back(k);
  if (scan.ships.empty()) return Refuse("You cannot detect any ships. You should wait some time.");
  return scan;
}

}  // namespace rules
