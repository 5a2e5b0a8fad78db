// The factions by name: what a player's, a system's, a ship's or a mission's faction field holds.
// 0 is the pirates, who own no system; 1..4 (state::kLastFaction) are the four powers. Like the
// field names (state/fields.h), the ids sit at the top level, next to `state`, so that every layer
// writes them short.
#pragma once

#include <cstdint>

#include "state/star_systems.h"

enum Faction : std::int32_t {
  kFactionPirates = 0,
  kFactionFederation = 1,
  kFactionOuterRim = 2,
  kFactionCoalition = 3,
  kFactionSyndicate = 4,
};

namespace state {
// A faction of the game, the pirates included: 0..4.
constexpr bool IsFaction(std::int32_t faction) {
  return faction >= kFactionPirates && faction <= kFactionSyndicate;
}
// One of the four powers, 1..4: the factions that own systems, fight the war and have players.
constexpr bool IsPower(std::int32_t faction) {
  return faction >= kFactionFederation && faction <= kFactionSyndicate;
}

// The capital system of each of the four powers; 0 for the pirates or no faction.
constexpr std::int32_t HomeSystem(std::int32_t faction) {
  switch (faction) {
    case kFactionFederation: return kSystemSol;
    case kFactionOuterRim: return kSystemHyraxan;
    case kFactionCoalition: return kSystemNewFrance;
    case kFactionSyndicate: return kSystemNewMoscow;
    default: return 0;
  }
}
}  // namespace state
