#include "rules/displayed_system.h"

#include "state/variables.h"

namespace rules {

void ShowSystem(Ui& ui, bool placeBodies, std::int32_t system) {
  state::DisplayedSystem = system;
  ui.RedrawSystem(placeBodies);
}

}  // namespace rules
