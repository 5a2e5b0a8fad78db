// The game's one random generator: a 32-bit linear congruential generator. A seed decides a whole
// game, so every rule draws through Random in a fixed order.
#pragma once

#include <cstdint>

namespace state {

extern std::uint32_t RandSeed;

// Sets the generator's state.
void Randomize(std::uint32_t seed);

// An integer in 0..n-1. For n <= 0 the generator still advances and the answer is 0.
std::int32_t Random(std::int32_t n);

}  // namespace state
