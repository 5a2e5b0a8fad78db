// The military ranks by name: what PlayerData[player::kRank] holds, 1..7 with a title of their
// own (state/progression.h gives the titles) and 8 beyond them. Like the field names
// (state/fields.h), the ids sit at the top level, next to `state`, so that every layer writes them
// short.
#pragma once

#include <cstdint>

#include "state/id.h"

enum class Rank : std::int32_t {
  kRankEnsign = 1,
  kRankSecondLieutenant = 2,
  kRankFirstLieutenant = 3,
  kRankLieutenantCommander = 4,
  kRankCommander = 5,
  kRankCaptain = 6,
  kRankAdmiral = 7,
  kRankBeyondAdmiral = 8,  // no title of its own; the uniform shows an admiral's insignia
};
using enum Rank;

// The uniform variant (PlayerData[player::kUniformVariant]) that wears the female uniform's
// pictures; any other variant wears the male one.
inline constexpr std::int32_t kUniformFemale = 2;
