// Space finds: up to four objects per system (lifepod, treasure, ghost ship, alien artifact,
// secret data) that appear by chance while the player flies, last 15 days and reward the player
// who flies to them.
//
// SpaceFinds[s][1..4] hold them; their fields are named in space_find:: (state/fields.h), their
// kinds in state/space_find_kinds.h.
// The ship sits at find slot k of its system while PlayerShip[ship::kBody] is -k.
#pragma once

#include <cstdint>

#include "rules/ui.h"
#include "state/space_find_kinds.h"

namespace rules {

// The finds' step of a flight day: every find ages one day and may vanish; every empty slot may
// bring a new find (1 in 100).
void UpdateSpaceFinds(Ui& ui);

// Puts a new find with 15 days to live into a free slot of system 1..24 (never the slot the ship
// sits at); nothing when every slot is taken.
void SpawnSpaceFind(std::int32_t system, Ui& ui);

// The ship has arrived at find slot 1..4 of its current system: the find gives what it holds.
void ResolveSpaceFind(std::int32_t slot, Ui& ui);

}  // namespace rules
