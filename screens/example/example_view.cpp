#include "screens/example/example_view.h"

#include "state/goods.h"
#include "state/variables.h"

namespace screens {

ExampleView BuildExampleView() {
  ExampleView view;
  view.pilot = "Pilot: " + state::PlayerName;
  int row = 0;
  for (int good = 1; good <= state::kLastGood && row < kCargoRows; ++good) {
    if (state::Cargo[good] <= 0) continue;
    view.cargoRows[row++] = std::string(state::GetGoodCatalogueName(Good{good})) + ": " +
                            std::to_string(state::Cargo[good]);
  }
  view.holdEmpty = row == 0;
  if (view.holdEmpty) view.cargoRows[0] = "Nothing aboard";
  return view;
}

}  // namespace screens
