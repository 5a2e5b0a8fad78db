// Opening the ship sensors from the travel screen: refused at a pirate hideout, where a scan would
// give the ship away, and when no ship is in range; else the scan reads every ship in range in
// turn, and the last one stays selected.
#pragma once

#include <string>
#include <vector>

namespace rules {

struct SensorScan {
  bool refused = false;
  std::string topic;  // of the refusal
  std::string text;
  std::vector<int> ships;  // the SpecialShips rows in range, in the order they are read
};

SensorScan ScanWithSensors();

}  // namespace rules
