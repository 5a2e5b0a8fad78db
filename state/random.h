// The game's one random generator: a 32-bit linear congruential generator. A seed decides a whole
// game, so every rule draws through Random in a fixed order.
#pragma once

#include <cstdint>

namespace state {

extern std::uint32_t RandSeed;

// Sets the generator's state.
inline void Randomize(std::uint32_t seed) { RandSeed = seed; }

// An integer in 0..n-1. For n <= 0 the generator still advances and the answer is 0. Inline:
// the day's markets and every fight draw thousands of times.
inline std::int32_t Random(std::int32_t n) {
  RandSeed = RandSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * RandSeed) >> 32);
}

// The generator held in a local for a loop that draws thousands of times and calls nothing else
// that draws: the same numbers as Random, without a trip through memory for each; the state goes
// back into RandSeed when the stream ends.
class RandomStream {
 public:
  RandomStream() : seed_(RandSeed) {}
  ~RandomStream() { RandSeed = seed_; }
  RandomStream(const RandomStream&) = delete;
  RandomStream& operator=(const RandomStream&) = delete;

  // As Random(n).
  std::int32_t operator()(std::int32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * seed_) >> 32);
  }

 private:
  std::uint32_t seed_;
};

}  // namespace state
