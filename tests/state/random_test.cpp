#include "state/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "state/random_tries.h"

using state::Random;

TEST(Random, KnownAnswersFromSeedZero) {
  state::Randomize(0);
  std::vector<int> got;
  for (int i = 0; i < 8; ++i) got.push_back(Random(100));
  EXPECT_EQ(got, (std::vector<int>{0, 3, 86, 20, 27, 67, 31, 16}));
}

TEST(Random, NonPositiveRangeAdvancesAndGivesZero) {
  state::Randomize(0);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
  // Two draws were consumed: the third answer of the known sequence comes next.
  EXPECT_EQ(Random(100), 86);
}

TEST(Random, StaysInRangeForLargeN) {
  state::Randomize(12345);
  for (int i = 0; i < 10000; ++i) {
    const int r = Random(2147483647);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 2147483647);
  }
}

// The first state of an answer's range answers it, and the state before answers the one below.
TEST(Random, FirstStateAnsweringStartsEachAnswersRange) {
  for (const auto& [answer, n] : {std::pair{1, 100}, {31, 100}, {99, 100}, {7, 15}, {1, 3}}) {
    const auto first = static_cast<std::uint32_t>(state::FirstStateAnswering(answer, n));
    EXPECT_EQ(state::RandomAnswer(first, n), answer) << answer << " of " << n;
    EXPECT_EQ(state::RandomAnswer(first - 1u, n), answer - 1) << answer << " of " << n;
  }
  EXPECT_EQ(state::FirstStateAnswering(0, 100), 0u);
  EXPECT_EQ(state::FirstStateAnswering(100, 100), std::uint64_t{1} << 32);
}

// The seed from which the next draw leaves the generator in `state`.
std::uint32_t SeedBefore(std::uint32_t state) {
  std::uint32_t inverse = state::kRandomMultiplier;  // Newton's iteration for 1 / multiplier mod 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - state::kRandomMultiplier * inverse;
  return (state - 1u) * inverse;
}

// The tries walked by their counts alone end where drawing every number of them ends: ranges of
// the larger count at the start, in the middle, at the end and wrapping round, with odd and even
// numbers of tries, from seeds whose first rolls land on both sides of each range's edges.
TEST(Random, TwoCountTriesEndWhereDrawingEachNumberEnds) {
  struct Case {
    int few, many, from, to;  // rolls from..to-1 use `many`, wrapping round when to <= from
  };
  const Case cases[] = {{1, 2, 0, 21}, {2, 3, 0, 11}, {1, 3, 40, 60}, {2, 3, 79, 100},
                        {1, 2, 90, 5}, {2, 3, 99, 0}, {1, 2, 0, 99}};
  for (const Case& c : cases) {
    std::vector<state::TwoCountTries::RollRange> ranges;
    const auto add = [&](int from, int to, int draws) {
      if (from < to) ranges.push_back({from, draws});
    };
    if (c.from < c.to) {
      add(0, c.from, c.few), add(c.from, c.to, c.many), add(c.to, 100, c.few);
    } else {
      add(0, c.to, c.many), add(c.to, c.from, c.few), add(c.from, 100, c.many);
    }
    std::array<int, 100> draws{};
    for (int r = 0; r < 100; ++r) {
      const bool many = c.from < c.to ? r >= c.from && r < c.to : r >= c.from || r < c.to;
      draws[r] = many ? c.many : c.few;
    }
    state::TwoCountTries walk;
    ASSERT_TRUE(walk.Build(ranges)) << c.from << ".." << c.to;
    // Seeds spread over the whole range, and seeds whose first number is the first or the last
    // generator state of a range's edge roll.
    std::vector<std::uint32_t> seeds;
    for (std::uint32_t seed = 0; seed < 4000000000u; seed += 397000001u) seeds.push_back(seed);
    for (const int edge : {c.from, c.to}) {
      const auto lowest = static_cast<std::uint32_t>(state::FirstStateAnswering(edge, 100));
      for (const std::uint32_t first : {lowest, lowest - 1u}) seeds.push_back(SeedBefore(first));
    }
    for (const int tries : {0, 1, 2, 7, 8, 9, 40, 63, 64, 65, 130, 999}) {
      for (const std::uint32_t seed : seeds) {
        state::Randomize(seed);
        for (int t = 0; t < tries; ++t) {
          const int count = draws[Random(100)];
          for (int n = 1; n < count; ++n) Random(100);
        }
        EXPECT_EQ(walk.Skip(seed, tries), state::RandSeed)
            << c.from << ".." << c.to << " tries " << tries << " seed " << seed;
      }
    }
  }
}

TEST(Random, TwoCountTriesRefuseCountsTheyCannotWalk) {
  using Ranges = std::vector<state::TwoCountTries::RollRange>;
  const Ranges refused[] = {
      {},                                          // no rolls
      {{0, 2}},                                    // one count only
      {{0, 2}, {10, 1}, {11, 2}, {20, 3}, {21, 2}},  // three counts
      {{0, 2}, {10, 3}, {11, 2}, {50, 3}, {51, 2}},  // the larger count in two places
      {{0, 2}, {5, 0}, {6, 2}},                    // a count that depends on what the try draws
      {{0, 2}, {10, 4}},                           // more numbers than a try can use
      {{5, 2}, {10, 3}},                           // rolls 0..4 missing
  };
  for (const Ranges& ranges : refused) {
    state::TwoCountTries walk;
    EXPECT_FALSE(walk.Build(ranges)) << ranges.size();
  }
}
