#include "state/random.h"

namespace state {

std::uint32_t RandSeed = 0;

void Randomize(std::uint32_t seed) { RandSeed = seed; }

std::int32_t Random(std::int32_t n) {
  RandSeed = RandSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * RandSeed) >> 32);
}

}  // namespace state
