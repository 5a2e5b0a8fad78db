// The factions by name: what a player's, a system's, a ship's or a mission's faction field holds.
// 0 is the pirates, who own no system; 1..4 (state::kLastFaction) are the four powers. Like the
// field names (state/fields.h), the ids sit at the top level, next to `state`, so that every layer
// writes them short.
#pragma once

#include <cstdint>

enum Faction : std::int32_t {
  kFactionPirates = 0,
  kFactionFederation = 1,
  kFactionOuterRim = 2,
  kFactionCoalition = 3,
  kFactionSyndicate = 4,
};
