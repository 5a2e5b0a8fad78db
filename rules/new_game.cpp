#include "rules/new_game.h"

#include "rules/daily_turn.h"
#include "rules/space_finds.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/variables.h"

namespace rules {

void CreateNewGameWorld(state::ShipClassId startShipClass, Ui& ui) {
  state::CreateNewGameWorld(startShipClass, [&ui] {
    for (int day = 0; day < kDaysBeforeStart; ++day) AdvanceDay(ui);
    SpawnSpaceFind(state::PlayerShip[ship::kSystem], ui);
  });
}

}  // namespace rules
