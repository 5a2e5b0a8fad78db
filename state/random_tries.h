// A search's tries stepped over by their counts of random numbers alone.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "state/random.h"

namespace state {

// Eight numbers of a walk over tries that use `few` or `many` numbers each, the first of them a
// try's first number: for each choice of which of the eight, read as a roll, ask for `many` (bit j
// for the j-th), how many tries begin among them and where the first try after them begins.
inline constexpr int kTryWindow = 8;
struct TryWindowStep {
  std::uint8_t tries = 0;
  std::uint8_t advance = 0;
};
using TryWindows = std::array<TryWindowStep, 1u << kTryWindow>;
constexpr TryWindows TryWindowsOf(int few, int many) {
  TryWindows windows{};
  for (int bits = 0; bits < (1 << kTryWindow); ++bits) {
    int at = 0, tries = 0;
    for (; at < kTryWindow; ++tries) at += (bits >> at) & 1 ? many : few;
    windows[static_cast<std::size_t>(bits)] = {static_cast<std::uint8_t>(tries),
                                               static_cast<std::uint8_t>(at)};
  }
  return windows;
}

// A walk's numbers are worked out in blocks of 64, each from the state before the block. The jumps
// to the block's numbers 1..64, laid out for four 32-bit lanes at a time: numbers 4g + 1 and 4g + 3
// in lanes 0 and 2 of the even multipliers, 4g + 2 and 4g + 4 in those of the odd ones.
inline constexpr int kTryBlock = 64;
struct TryBlockLanes {
  alignas(16) std::array<std::uint32_t, kTryBlock> evenMultipliers{};
  alignas(16) std::array<std::uint32_t, kTryBlock> oddMultipliers{};
  alignas(16) std::array<std::uint32_t, kTryBlock> increments{};
};
constexpr TryBlockLanes TryBlockLanesOf() {
  constexpr auto jumps = RandomJumps<kTryBlock>();
  TryBlockLanes lanes;
  for (std::size_t g = 0; g < kTryBlock / 4; ++g) {
    lanes.evenMultipliers[4 * g] = jumps[4 * g + 1].multiplier;
    lanes.evenMultipliers[4 * g + 2] = jumps[4 * g + 3].multiplier;
    lanes.oddMultipliers[4 * g] = jumps[4 * g + 2].multiplier;
    lanes.oddMultipliers[4 * g + 2] = jumps[4 * g + 4].multiplier;
  }
  for (std::size_t i = 0; i < kTryBlock; ++i) lanes.increments[i] = jumps[i + 1].increment;
  return lanes;
}
inline constexpr TryBlockLanes kTryBlockLanes = TryBlockLanesOf();

// Tries of a search that each use `few` or `many` random numbers, the count told by the try's first
// number, a roll of Random(100): `many` for the rolls of one range, which may wrap round from 99
// to 0. A roll below r is a generator state below ceil(r · 2^32 / 100), so whether a try uses
// `many` is one comparison of its first state, without working out the roll or looking anything
// up. A search that can find nothing walks its tries this way several times faster than drawing
// each number.
class TwoCountTries {
 public:
  // Rolls from..99, up to the next range's `from`, whose tries use `draws` numbers.
  struct RollRange {
    int from = 0;
    int draws = 0;
  };

  // The tries whose counts `ranges` give, in order of their rolls, the first from roll 0; false
  // unless the counts take two values and the larger one a single range of rolls, which may be
  // split between the first and the last range.
  bool Build(std::span<const RollRange> ranges) {
    if (ranges.empty() || ranges.front().from != 0) return false;
    const auto [least, most] =
        std::minmax_element(ranges.begin(), ranges.end(),
                            [](const RollRange& a, const RollRange& b) { return a.draws < b.draws; });
    few_ = least->draws, many_ = most->draws;
    if (few_ < 1 || many_ > kMostDraws || few_ == many_) return false;
    int starts = 0, start = 0, end = 0;
    bool manyBefore = ranges.back().draws == many_;
    for (const RollRange& range : ranges) {
      if (range.draws != few_ && range.draws != many_) return false;
      const bool many = range.draws == many_;
      if (many && !manyBefore) ++starts, start = range.from;
      if (!many && manyBefore) end = range.from;
      manyBefore = many;
    }
    if (starts != 1) return false;
    from_ = StateOfRoll(start);
    size_ = StateOfRoll(end) - from_;  // modulo 2^32, which a range wrapping round from 99 needs
    return true;
  }

  // The generator's state after `tries` tries made from `state`. The numbers are read in blocks of
  // 64: whether each of them, read as a try's roll, asks for `many` is worked out for all of the
  // block at once, each from the state before the block, so no number waits on the one before it;
  // then the tries are walked over those bits eight numbers at a time, with a table that tells
  // how many tries begin among eight numbers and where the next one begins. The block after the
  // one the walk is in is always ready, so a window may reach into it.
  std::uint32_t Skip(std::uint32_t state, int tries) const {
    const auto& windows = kWindows[static_cast<std::size_t>(few_ + many_ - 3)];
    const RandomJump block = kJumps[kBlock];
    std::uint32_t base = state;                      // the state before the near block's numbers
    std::uint64_t near = ManyBits(base);             // the block the next try begins in
    std::uint64_t far = ManyBits(block.From(base));  // the block after it
    int next = 0;  // the next try's first number, counted from the near block's first
    // The 64 numbers from the next try's first on.
    const auto ahead = [&] { return (near >> next) | (far << 1 << (kBlock - 1 - next)); };
    const auto moveOn = [&] {
      base = block.From(base);
      near = far;
      far = ManyBits(block.From(base));
      next -= kBlock;
    };
    // Two windows a step: the second begins 8, 9 or 10 numbers on, and its three possible steps
    // are looked up beside the first, so a step waits on one look-up only.
    while (tries >= 2 * kWindow) {
      for (; next < kBlock && tries >= 2 * kWindow;) {
        const std::uint64_t bits = ahead();
        const TryWindowStep first = windows[bits & (kWindowStates - 1)];
        const std::uint64_t seconds =
            Packed(windows[(bits >> kWindow) & (kWindowStates - 1)]) |
            Packed(windows[(bits >> (kWindow + 1)) & (kWindowStates - 1)]) << 16 |
            Packed(windows[(bits >> (kWindow + 2)) & (kWindowStates - 1)]) << 32;
        const auto second =
            static_cast<std::uint32_t>(seconds >> (16 * (first.advance - kWindow))) & 0xFFFFu;
        next += first.advance + static_cast<int>(second >> 8);
        tries -= first.tries + static_cast<int>(second & 0xFFu);
      }
      if (next >= kBlock) moveOn();
    }
    for (; tries > 0; --tries) {
      next += (ahead() & 1u) ? many_ : few_;
      if (next >= kBlock) moveOn();
    }
    return kJumps[static_cast<std::size_t>(next)].From(base);
  }

 private:
  static constexpr int kMostDraws = 3;
  static constexpr int kBlock = kTryBlock;
  static constexpr int kWindow = kTryWindow;
  static constexpr int kWindowStates = 1 << kWindow;
  static constexpr auto kJumps = state::RandomJumps<kBlock>();

  // The lowest generator state whose Random(100) answers r or more, modulo 2^32.
  static std::uint32_t StateOfRoll(int r) {
    return static_cast<std::uint32_t>(FirstStateAnswering(r, 100));
  }

  // The window tables of the counts a search may pair, by few + many - 3: 1 and 2, 1 and 3, 2 and 3.
  static constexpr std::array<TryWindows, 3> kWindows = {TryWindowsOf(1, 2), TryWindowsOf(1, 3),
                                                         TryWindowsOf(2, 3)};

  // A window's step as one number: its tries in the low byte, its advance in the next.
  static std::uint64_t Packed(TryWindowStep step) {
    return static_cast<std::uint64_t>(step.tries) | static_cast<std::uint64_t>(step.advance) << 8;
  }

  // Bit i set when the number drawn i + 1 steps after `base` is a roll of `many`. Each number is
  // worked out from `base` on its own, so the 64 of them are worked out side by side, four at a
  // time where the processor has 128-bit integer lanes.
  std::uint64_t ManyBits(std::uint32_t base) const {
    std::uint64_t bits = 0;
#if defined(__SSE2__)
    // The lanes multiply two numbers of four at a time (_mm_mul_epu32 takes lanes 0 and 2); a
    // state below from_ + size_ after from_ is taken off is, with 2^31 added to both, a signed
    // comparison.
    const __m128i b = _mm_set1_epi32(static_cast<int>(base));
    const __m128i shift = _mm_set1_epi32(static_cast<int>(0x80000000u - from_));
    const __m128i limit = _mm_set1_epi32(static_cast<int>(size_ ^ 0x80000000u));
    const auto lanes = [](const std::uint32_t* at) {
      return _mm_load_si128(reinterpret_cast<const __m128i*>(at));
    };
    const TryBlockLanes& jumps = kTryBlockLanes;
    for (int g = 0; g < kBlock / 4; ++g) {
      const __m128i even = _mm_mul_epu32(lanes(jumps.evenMultipliers.data() + 4 * g), b);
      const __m128i odd = _mm_mul_epu32(lanes(jumps.oddMultipliers.data() + 4 * g), b);
      const __m128i products =
          _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                             _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
      const __m128i drawn =
          _mm_add_epi32(_mm_add_epi32(products, lanes(jumps.increments.data() + 4 * g)), shift);
      const int below = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(drawn, limit)));
      bits |= static_cast<std::uint64_t>(below) << (4 * g);
    }
#else
    for (int i = 0; i < kBlock; ++i) {
      const std::uint32_t drawn = kJumps[static_cast<std::size_t>(i) + 1].From(base);
      bits |= static_cast<std::uint64_t>(drawn - from_ < size_) << i;
    }
#endif
    return bits;
  }

  int few_ = 1, many_ = 1;
  std::uint32_t from_ = 0, size_ = 0;  // the states of `many`: from_ .. from_ + size_ - 1, wrapping
};

}  // namespace state
