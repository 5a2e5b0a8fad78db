// The professions by name: what PlayerData[player::kProfession] holds. Like the field names
// (state/fields.h), the ids sit at the top level, next to `state`, so that every layer writes them
// short.
#pragma once

#include <cstdint>

#include "state/id.h"

enum class Profession : std::int32_t {
  kProfessionTrader = 1,
  kProfessionCombatTrader = 2,
  kProfessionMercenary = 3,
  kProfessionBountyHunter = 4,
  kProfessionSmuggler = 5,
  kProfessionPirate = 6,
};
using enum Profession;

namespace state {
inline constexpr Profession kLastProfession = kProfessionPirate;
// One of the six professions, 1..6.
constexpr bool IsProfession(Profession profession) {
  return profession >= kProfessionTrader && profession <= kLastProfession;
}
}  // namespace state
