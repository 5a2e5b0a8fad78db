// The game state keeps its numbers in int32 fields; a sum or product worked out wider is held at
// the ends of the int32 range when it is stored back.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace state {

constexpr std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace state
