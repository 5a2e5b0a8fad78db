// A search's tries stepped over by their counts of random numbers alone.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "state/random.h"

namespace state {

// Tries of a search that each use `few` or `many` random numbers, the count told by the try's first
// number, a roll of Random(100): `many` for the rolls of one range, which may wrap round from 99
// to 0. A roll below r is a generator state below ceil(r · 2^32 / 100), so whether a try uses
// `many` is one comparison of its first state, without working out the roll or looking anything
// up. A search that can find nothing walks its tries this way at about twice the speed of drawing
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

  // The generator's state after `tries` tries made from `state`. Two tries are stepped over at a
  // time: the second try's first number is worked out for either count the first try may use,
  // and the state after both for each sum of counts, so no step waits on the one before it. The
  // choices are made with bit arithmetic: the counts are as random as the rolls, and a branch
  // would be mispredicted on about one try in five.
  std::uint32_t Skip(std::uint32_t state, int tries) const {
    static constexpr auto kJumps = state::RandomJumps<2 * kMostDraws>();
    const state::RandomJump first = kJumps[1];
    const state::RandomJump secondAfterFew = kJumps[few_ + 1], secondAfterMany = kJumps[many_ + 1];
    const state::RandomJump twoFew = kJumps[2 * few_], fewAndMany = kJumps[few_ + many_],
                            twoMany = kJumps[2 * many_];
    for (; tries >= 2; tries -= 2) {
      const std::uint32_t firstMany = ManyMask(first.From(state));
      const std::uint32_t afterFirstMany =
          Choose(ManyMask(secondAfterMany.From(state)), twoMany.From(state), fewAndMany.From(state));
      const std::uint32_t afterFirstFew =
          Choose(ManyMask(secondAfterFew.From(state)), fewAndMany.From(state), twoFew.From(state));
      state = Choose(firstMany, afterFirstMany, afterFirstFew);
    }
    if (tries == 1) {
      state = Choose(ManyMask(first.From(state)), kJumps[many_].From(state),
                     kJumps[few_].From(state));
    }
    return state;
  }

 private:
  static constexpr int kMostDraws = 3;

  // The lowest generator state whose Random(100) answers r or more, modulo 2^32.
  static std::uint32_t StateOfRoll(int r) {
    return static_cast<std::uint32_t>(FirstStateAnswering(r, 100));
  }
  // All ones when the number drawn into `state` is a roll of `many`, else 0.
  std::uint32_t ManyMask(std::uint32_t state) const {
    return 0u - static_cast<std::uint32_t>(state - from_ < size_);
  }
  // `ifSet` where `mask` is all ones, `ifClear` where it is 0.
  static std::uint32_t Choose(std::uint32_t mask, std::uint32_t ifSet, std::uint32_t ifClear) {
    return ifClear ^ ((ifClear ^ ifSet) & mask);
  }

  int few_ = 1, many_ = 1;
  std::uint32_t from_ = 0, size_ = 0;  // the states of `many`: from_ .. from_ + size_ - 1, wrapping
};

}  // namespace state
