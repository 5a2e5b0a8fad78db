// What the example screen shows, built from the game state without any form: the headless half
// of a screen, kept beside its rules (rules/) or in the screen's own folder and tested as a table.
#pragma once

#include <array>
#include <string>

namespace screens {

inline constexpr int kCargoRows = 3;

struct ExampleView {
  std::string pilot;                               // "Pilot: <name>"
  std::array<std::string, kCargoRows> cargoRows;   // "<good>: <units>", first goods held first
  bool holdEmpty = true;                           // row 1 then reads "Nothing aboard"
};

ExampleView BuildExampleView();

}  // namespace screens
