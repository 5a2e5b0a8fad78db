// The factions by name: what a player's, a system's, a ship's or a mission's faction field holds.
// 0 is the pirates, who own no system; 1..4 (state::kLastFaction) are the four powers. Like the
// field names (state/fields.h), the ids sit at the top level, next to `state`, so that every layer
// writes them short.
#pragma once

#include <array>
#include <cstdint>

#include "state/id.h"
#include "state/star_systems.h"

enum class Faction : std::int32_t {
  kFactionPirates = 0,
  kFactionFederation = 1,
  kFactionOuterRim = 2,
  kFactionCoalition = 3,
  kFactionSyndicate = 4,
};
using enum Faction;

namespace state {
// Every faction, the pirates first, and the four powers, in their stored order.
inline constexpr std::array<Faction, 5> kAllFactions{kFactionPirates, kFactionFederation,
                                                     kFactionOuterRim, kFactionCoalition,
                                                     kFactionSyndicate};
inline constexpr std::array<Faction, 4> kPowers{kFactionFederation, kFactionOuterRim,
                                                kFactionCoalition, kFactionSyndicate};

// A faction of the game, the pirates included: 0..4.
constexpr bool IsFaction(Faction faction) {
  return faction >= kFactionPirates && faction <= kFactionSyndicate;
}
// One of the four powers, 1..4: the factions that own systems, fight the war and have players.
constexpr bool IsPower(Faction faction) {
  return faction >= kFactionFederation && faction <= kFactionSyndicate;
}

// The capital system of each of the four powers; 0 for the pirates or no faction.
constexpr std::int32_t HomeSystem(Faction faction) {
  switch (faction) {
    case kFactionFederation: return kSystemSol;
    case kFactionOuterRim: return kSystemHyraxan;
    case kFactionCoalition: return kSystemNewFrance;
    case kFactionSyndicate: return kSystemNewMoscow;
    default: return 0;
  }
}
}  // namespace state
