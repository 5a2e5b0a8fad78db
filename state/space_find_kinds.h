// The kinds of space find by name: what a find's kind field (space_find::kKind) holds. Like the
// field names (state/fields.h), the ids sit at the top level, next to `state`, so that every layer
// writes them short.
#pragma once

#include <cstdint>

#include "state/id.h"

enum class SpaceFindKind : std::int32_t {
  kFindLifepod = 1,
  kFindTreasure = 2,
  kFindGhostShip = 3,
  kFindAlienArtifact = 4,
  kFindEnemySecretData = 20,  // found by a traitor in the system of a power at war with his own
  kFindOwnSecretData = 21,    // found by a syndicate member in a system of his own power
};
using enum SpaceFindKind;
