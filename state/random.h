// The game's one random generator: a 32-bit linear congruential generator. A seed decides a whole
// game, so every rule draws through Random in a fixed order.
#pragma once

#include <array>
#include <cstdint>

namespace state {

extern std::uint32_t RandSeed;

inline constexpr std::uint32_t kRandomMultiplier = 134775813u;

// An integer in 0..n-1 as the draw that left the generator in `state` answers; 0 for n <= 0.
inline std::int32_t RandomAnswer(std::uint32_t state, std::int32_t n) {
  if (n <= 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * state) >> 32);
}

// The generator's step taken k times over, as one step: state × multiplier + increment.
struct RandomJump {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
  std::uint32_t From(std::uint32_t state) const { return state * multiplier + increment; }
};

// The generator's step taken `draws` times over, worked out by squaring: for long skips.
inline RandomJump RandomJumpOf(std::uint64_t draws) {
  RandomJump total;                         // the jump of the draws composed so far
  RandomJump power{kRandomMultiplier, 1u};  // the jump of 2^i draws
  for (; draws > 0; draws >>= 1) {
    if (draws & 1u) {
      total = {power.multiplier * total.multiplier,
               power.multiplier * total.increment + power.increment};
    }
    power = {power.multiplier * power.multiplier,
             power.multiplier * power.increment + power.increment};
  }
  return total;
}

// The lowest generator state whose draw answers Random(n) with `answer` or more: a draw's answer
// is its state × n / 2^32 rounded down. 2^32 for answer n; a comparison with a state then tells an
// answer's range without working the answer out.
constexpr std::uint64_t FirstStateAnswering(std::int32_t answer, std::int32_t n) {
  return ((static_cast<std::uint64_t>(answer) << 32) + static_cast<std::uint64_t>(n) - 1) /
         static_cast<std::uint64_t>(n);
}

// The jumps of 0..N steps. The states of several draws to come, worked out from the same state
// at once, let a loop make draws that do not depend on one another side by side.
template <int N>
constexpr std::array<RandomJump, N + 1> RandomJumps() {
  std::array<RandomJump, N + 1> jumps{};
  for (int k = 1; k <= N; ++k) {
    jumps[k].multiplier = jumps[k - 1].multiplier * kRandomMultiplier;
    jumps[k].increment = jumps[k - 1].increment * kRandomMultiplier + 1u;
  }
  return jumps;
}

// Sets the generator's state.
inline void Randomize(std::uint32_t seed) { RandSeed = seed; }

// An integer in 0..n-1. For n <= 0 the generator still advances and the answer is 0. Inline:
// the day's markets and every fight draw thousands of times.
inline std::int32_t Random(std::int32_t n) {
  RandSeed = RandSeed * kRandomMultiplier + 1u;
  return RandomAnswer(RandSeed, n);
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
    seed_ = seed_ * kRandomMultiplier + 1u;
    return RandomAnswer(seed_, n);
  }

  // The generator's state now, and a state reached from it by draws made from their states.
  std::uint32_t State() const { return seed_; }
  void MoveTo(std::uint32_t state) { seed_ = state; }

 private:
  std::uint32_t seed_;
};

}  // namespace state
