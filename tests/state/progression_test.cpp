#include "state/fields.h"
#include "state/format.h"
#include "state/progression.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace state;

namespace {

// The lookups read the day, the aging flag and the player row; each test starts from a fresh game.
class ProgressionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearGameState();
    NoAgingFlag = 0;
  }
  void TearDown() override {
    ClearGameState();
    NoAgingFlag = 0;
  }
};

// Day on which the player (starting at 22) reaches `age`.
std::int32_t DayOfAge(std::int32_t age) { return (age - 22) * 360; }

TEST_F(ProgressionTest, PlayerAgeFollowsTheDayAndTheAgingFlag) {
  struct Case {
    std::int32_t day;
    std::uint8_t noAging;
    std::int32_t age;
  };
  const Case cases[] = {
      {1, 0, 22},    {0, 0, 22},    {359, 0, 22},  {360, 0, 23},
      {4680, 0, 35}, {4680, 1, 20}, {1, 1, 20},    {std::numeric_limits<std::int32_t>::max(), 0, 5965254},
  };
  for (const Case& c : cases) {
    GameDay = c.day;
    NoAgingFlag = c.noAging;
    EXPECT_EQ(GetPlayerAge(), c.age) << "day " << c.day << " no aging " << int(c.noAging);
  }
}

TEST_F(ProgressionTest, PortraitPicksTheAgeBandAtItsBoundaries) {
  struct Case {
    std::int32_t portrait;
    std::int32_t age;
    const char* file;
  };
  const Case cases[] = {
      {0, 22, "hero1_20y.jpg"},      {0, 34, "hero1_20y.jpg"},      {0, 35, "hero1_35y.jpg"},
      {0, 40, "hero1_35y.jpg"},      {1, 49, "hero2_35y.jpg"},      {1, 50, "hero2_50y.jpg"},
      {2, 69, "hero3_50y.jpg"},      {2, 70, "hero3_70y.jpg"},      {2, 149, "hero3_70y.jpg"},
      {0, 150, "hero1_150y.jpg"},    {0, 100000, "hero1_150y.jpg"}, {0, 100001, ""},
      {3, 40, ""},                   {-1, 40, ""},                  {0, -1, ""},
  };
  for (const Case& c : cases) {
    PlayerData[player::kPortrait] = c.portrait;
    GameDay = DayOfAge(c.age);
    ASSERT_EQ(GetPlayerAge(), c.age);
    EXPECT_EQ(GetHeroPortraitFile(), c.file) << "portrait " << c.portrait << " age " << c.age;
  }
}

TEST_F(ProgressionTest, PortraitOfAPlayerWhoDoesNotAgeIsTheYoungestBand) {
  PlayerData[player::kPortrait] = 1;
  GameDay = DayOfAge(80);
  NoAgingFlag = 1;
  EXPECT_EQ(GetHeroPortraitFile(), "hero2_20y.jpg");
}

TEST(LevelExperience, ThresholdsOfEveryLevel) {
  const std::int32_t expected[] = {0,      8000,   15000,   25000,   35000,   55000,   75000,
                                   110000, 150000, 300000,  450000,  600000,  750000,  900000,
                                   1050000, 1200000, 2700000, 4500000, 6600000, 9000000};
  for (std::int32_t level = 0; level <= kLastLevel; ++level) {
    EXPECT_EQ(GetLevelExperience(level), expected[level]) << "level " << level;
  }
}

TEST(LevelExperience, BeyondTheTableAndBelowIt) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(GetLevelExperience(-1), 0);
  EXPECT_EQ(GetLevelExperience(std::numeric_limits<std::int32_t>::min()), 0);
  EXPECT_EQ(GetLevelExperience(20), 11700000);
  // Level 130 is the last whose threshold fits an int32; from 131 on it saturates.
  EXPECT_EQ(GetLevelExperience(130), 123 * 150000 * 116);
  EXPECT_EQ(GetLevelExperience(131), kMax);
  EXPECT_EQ(GetLevelExperience(999), kMax);
  EXPECT_EQ(GetLevelExperience(kMax), kMax);
}

TEST(RankTitles, EveryTitledRankForEveryFaction) {
  struct Case {
    Rank rank;
    const char* title;
    const char* shortTitle;
  };
  const Case cases[] = {
      {kRankEnsign,              "Ensign",               "Ens."},
      {kRankSecondLieutenant,    "2nd Lieutenant",       "2nd Lt."},
      {kRankFirstLieutenant,     "1st Lieutenant",       "1st Lt."},
      {kRankLieutenantCommander, "Lieutenant Commander", "Lt. Com."},
      {kRankCommander,           "Commander",            "Com."},
      {kRankCaptain,             "Captain",              "Cpt."},
      {kRankAdmiral,             "Admiral",              "Adm."},
  };
  for (const Faction faction : kAllFactions) {
    for (const Case& c : cases) {
      EXPECT_EQ(GetRankTitle(faction, c.rank), c.title) << "rank " << Stored(c.rank);
      EXPECT_EQ(GetRankTitleShort(faction, c.rank), c.shortTitle) << "rank " << Stored(c.rank);
      // A caller's previous text does not matter for a titled rank.
      EXPECT_EQ(GetRankTitle(faction, c.rank, "old"), c.title);
    }
  }
}

TEST(RankTitles, UntitledRanksLeaveTheCallersText) {
  for (const Rank rank : {Rank{0}, kRankBeyondAdmiral, Rank{-1}, Rank{100}}) {
    const std::int32_t stored = Stored(rank);
    EXPECT_EQ(GetRankTitle(kFactionFederation, rank, "kept"), "kept") << "rank " << stored;
    EXPECT_EQ(GetRankTitleShort(kFactionFederation, rank, "kept"), "kept") << "rank " << stored;
    EXPECT_EQ(GetRankTitle(kFactionFederation, rank), "") << "rank " << stored;
    EXPECT_EQ(GetRankTitleShort(kFactionFederation, rank), "") << "rank " << stored;
  }
}

TEST(FormatThousands, GroupsOfThreeWithSign) {
  struct Case {
    std::int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {7, "7"},
      {999, "999"},
      {1000, "1,000"},
      {1001, "1,001"},
      {10000, "10,000"},
      {100000, "100,000"},
      {999999, "999,999"},
      {1000000, "1,000,000"},
      {1000500, "1,000,500"},
      {2147483647, "2,147,483,647"},
      {-1, "-1"},
      {-999, "-999"},
      {-1000, "-1,000"},
      {-1500, "-1,500"},
      {-100000, "-100,000"},
      {-2147483647, "-2,147,483,647"},
      {std::numeric_limits<std::int32_t>::min(), "-2,147,483,648"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatThousands(c.value), c.text) << c.value;
}

TEST(NameInText, NamesOfMoreThan32CharactersAreCutWithDots) {
  const std::string name32 = "Maximiliane Wolfgang Zoë Varro o";  // 32 characters, 33 bytes
  const struct {
    std::string name, text;
  } cases[] = {{"", ""},
               {"Zoë Varro", "Zoë Varro"},
               {name32, name32},
               {name32 + "f", name32 + "..."},
               {std::string(255, 'W'), std::string(32, 'W') + "..."},
               {std::string(31, 'x') + "ëë", std::string(31, 'x') + "ë..."}};
  for (const auto& c : cases) EXPECT_EQ(NameInText(c.name), c.text) << c.name;
}

TEST(DateOf, YearsOf360DaysFromTheFirstYear) {
  EXPECT_EQ(DateOf(1, kFirstStarDateYear), "2450.1");
  EXPECT_EQ(DateOf(359, kFirstStarDateYear), "2450.359");
  EXPECT_EQ(DateOf(360, kFirstStarDateYear), "2451.0");
  EXPECT_EQ(DateOf(725, 2453), "2455.5");
}

}  // namespace
