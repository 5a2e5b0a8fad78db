// What the example screen shows, built from the game state without any form: the headless half
// of a screen. A real screen keeps its view builder beside its rules (rules/ or the screen's own
// folder) and tests it as a table.
#pragma once

#include <array>
#include <string>

namespace example {

inline constexpr int kCargoRows = 3;

struct ExampleView {
  std::string pilot;                               // "Pilot: <name>"
  std::array<std::string, kCargoRows> cargoRows;   // "<good>: <units>", first goods held first
  bool holdEmpty = true;                           // row 1 then reads "Nothing aboard"
};

ExampleView BuildExampleView();

}  // namespace example
