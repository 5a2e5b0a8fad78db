// The professions by name: what PlayerData[player::kProfession] holds. Like the field names
// (state/fields.h), the ids sit at the top level, next to `state`, so that every layer writes them
// short.
#pragma once

#include <cstdint>

enum Profession : std::int32_t {
  kProfessionTrader = 1,
  kProfessionCombatTrader = 2,
  kProfessionMercenary = 3,
  kProfessionBountyHunter = 4,
  kProfessionSmuggler = 5,
  kProfessionPirate = 6,
};

namespace state {
inline constexpr std::int32_t kLastProfession = kProfessionPirate;
// One of the six professions, 1..6.
constexpr bool IsProfession(std::int32_t profession) {
  return profession >= kProfessionTrader && profession <= kLastProfession;
}
}  // namespace state
