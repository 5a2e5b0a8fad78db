#include "state/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
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
    std::array<int, 100> draws{};
    for (int r = 0; r < 100; ++r) {
      const bool many = c.from < c.to ? r >= c.from && r < c.to : r >= c.from || r < c.to;
      draws[r] = many ? c.many : c.few;
    }
    state::TwoCountTries walk;
    ASSERT_TRUE(walk.Build(draws)) << c.from << ".." << c.to;
    // Seeds spread over the whole range, and seeds whose first number is the first or the last
    // generator state of a range's edge roll.
    std::vector<std::uint32_t> seeds;
    for (std::uint32_t seed = 0; seed < 4000000000u; seed += 397000001u) seeds.push_back(seed);
    for (const int edge : {c.from, c.to}) {
      const auto lowest = static_cast<std::uint32_t>((static_cast<std::uint64_t>(edge) << 32 | 99u) / 100u);
      for (const std::uint32_t first : {lowest, lowest - 1u}) seeds.push_back(SeedBefore(first));
    }
    for (const int tries : {0, 1, 2, 7, 999}) {
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
  std::array<int, 100> same{};
  same.fill(2);
  std::array<int, 100> threeCounts = same;
  threeCounts[10] = 1, threeCounts[20] = 3;
  std::array<int, 100> twoRanges = same;
  twoRanges[10] = 3, twoRanges[50] = 3;
  std::array<int, 100> varying = same;
  varying[5] = 0;  // a count that depends on what the try draws
  state::TwoCountTries walk;
  EXPECT_FALSE(walk.Build(same));
  EXPECT_FALSE(walk.Build(threeCounts));
  EXPECT_FALSE(walk.Build(twoRanges));
  EXPECT_FALSE(walk.Build(varying));
}
