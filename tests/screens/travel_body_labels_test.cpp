// The names under the travel screen's bodies: every body of every system, with the longest
// wormhole names, fits the label that shows it, so no name is cut at either end.
#include <string>

#include "platform/canvas.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/travel/travel_screen.h"
#include "state/variables.h"

namespace screens_test {
namespace {

using TravelBodyLabels = GameFormsTest;

TEST_F(TravelBodyLabels, EveryBodyNameFitsItsLabel) {
  StartNewWorld();
  const platform::Label& label = screens::TravelScreen->Get<platform::Label>("BodyName1");
  int names = 0;
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      const std::string& name = state::BodyText[s][b][1];
      if (name.empty()) continue;
      ++names;
      int w = 0, h = 0;
      platform::MeasureText(label.GetFont(), name, w, h);
      EXPECT_LE(w, label.Width()) << name << " in system " << s;
    }
  }
  EXPECT_GT(names, 24 * 3);
}

}  // namespace
}  // namespace screens_test
