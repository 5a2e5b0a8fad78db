// Entering a retirement into the five-row high-score table: the place a score earns, the rows
// that move down with everything they hold, and what the new row records of the player.
#include "rules/highscores.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "state/fields.h"
#include "state/variables.h"

namespace {

using state::HighscoreNames;
using state::HighscoreTable;

class Highscores : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& row : HighscoreTable) row.fill(0);
    HighscoreNames.fill("");
    state::ClearGameState();
    state::PlayerName = "Ria Tavel";
    state::PlayerData[player::kFaction] = 4;   // Syndicate
    state::PlayerData[player::kRank] = 7;  // Admiral
    state::PlayerShip[ship::kClass] = 12;
    state::PlayerShip[ship::kFaction] = 2;
  }

  // Rows 1..5 in use with these scores, named "A".."E"; each row carries its own marks in the
  // fields that no rule reads, so a move that drops or mixes fields shows.
  static void Fill(const std::array<std::int32_t, 5>& scores) {
    for (int k = 1; k <= 5; ++k) {
      auto& row = HighscoreTable[k];
      row.At(state::kUnusedField) = -k;
      row[highscore::kUsed] = 1;
      row[highscore::kScore] = scores[k - 1];
      row[highscore::kFaction] = k % 4 + 1;
      row[highscore::kRank] = k;
      row[highscore::kShipClass] = k + 1;
      row[highscore::kShipFaction] = k % 4 + 1;
      row.At(7) = 700 + k;
      row.At(state::kLastStoredField) = 10000 + k;
      row.At(state::kSpareField) = -100 - k;
      HighscoreNames[k] = std::string(1, static_cast<char>('A' + k - 1));
    }
  }

  static std::vector<std::string> Names() {
    return {HighscoreNames.begin() + 1, HighscoreNames.begin() + 6};
  }
  static std::vector<std::int32_t> Column(int field) {
    std::vector<std::int32_t> out;
    for (int k = 1; k <= 5; ++k) out.push_back(HighscoreTable[k].At(field));
    return out;
  }
};

TEST_F(Highscores, AScoreTakesTheFirstRowBelowItAndTheRowsUnderItMoveDown) {
  const std::array<std::int32_t, 5> full = {900, 700, 500, 300, 100};
  struct Case {
    std::int32_t score;
    int place;  // 0: no place
    std::vector<std::string> names;
    std::vector<std::int32_t> scores;
  };
  const Case cases[] = {
      {5000, 1, {"Ria Tavel", "A", "B", "C", "D"}, {5000, 900, 700, 500, 300}},
      {500, 4, {"A", "B", "C", "Ria Tavel", "D"}, {900, 700, 500, 500, 300}},   // equal goes below
      {501, 3, {"A", "B", "Ria Tavel", "C", "D"}, {900, 700, 501, 500, 300}},
      {101, 5, {"A", "B", "C", "D", "Ria Tavel"}, {900, 700, 500, 300, 101}},
      {100, 0, {"A", "B", "C", "D", "E"}, {900, 700, 500, 300, 100}},           // equal to the last
      {-7, 0, {"A", "B", "C", "D", "E"}, {900, 700, 500, 300, 100}},
      {INT32_MAX, 1, {"Ria Tavel", "A", "B", "C", "D"}, {INT32_MAX, 900, 700, 500, 300}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.score);
    Fill(full);
    const auto before = HighscoreTable;
    EXPECT_EQ(rules::InsertHighscore(c.score), c.place);
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(Column(2), c.scores);
    if (c.place == 0) {
      EXPECT_EQ(HighscoreTable, before) << "a score without a place changes nothing";
      continue;
    }
    for (int k = 1; k <= 5; ++k) {
      SCOPED_TRACE(k);
      // Rows above the place stay, rows below it are the old row one higher, whole.
      const int from = k < c.place ? k : k - 1;
      EXPECT_EQ(HighscoreTable[k].At(state::kUnusedField), -k) << "field 0 is not part of a move";
      EXPECT_EQ(HighscoreTable[k].At(state::kSpareField), -100 - k)
          << "the spare field is not part of a move";
      if (k == c.place) continue;
      for (int field = 1; field <= 100; ++field)
        ASSERT_EQ(HighscoreTable[k].At(field), before[from].At(field)) << "field " << field;
    }
  }
}

TEST_F(Highscores, TheNewRowRecordsThePlayersFactionRankShipAndLivery) {
  Fill({900, 700, 500, 300, 100});
  ASSERT_EQ(rules::InsertHighscore(800), 2);
  const auto& row = HighscoreTable[2];
  EXPECT_EQ(row[highscore::kUsed], 1);
  EXPECT_EQ(row[highscore::kScore], 800);
  EXPECT_EQ(row[highscore::kFaction], 4);
  EXPECT_EQ(row[highscore::kRank], 7);
  EXPECT_EQ(row[highscore::kShipClass], 12);
  EXPECT_EQ(row[highscore::kShipFaction], 2);
  EXPECT_EQ(HighscoreNames[2], "Ria Tavel");
  EXPECT_EQ(HighscoreNames[3], "B") << "the row it took moved down with its name";
}

TEST_F(Highscores, AnEmptyTableFillsFromTheTopAndTakesOnlyPositiveScores) {
  EXPECT_EQ(rules::InsertHighscore(0), 0) << "an empty row scores 0: only a higher score enters";
  EXPECT_EQ(rules::InsertHighscore(-50), 0);
  EXPECT_EQ(Column(1), (std::vector<std::int32_t>{0, 0, 0, 0, 0}));

  const std::int32_t scores[] = {40, 90, 10, 60};
  std::vector<int> places;
  for (std::int32_t s : scores) places.push_back(rules::InsertHighscore(s));
  EXPECT_EQ(places, (std::vector<int>{1, 1, 3, 2}));
  EXPECT_EQ(Column(2), (std::vector<std::int32_t>{90, 60, 40, 10, 0}));
  EXPECT_EQ(Column(1), (std::vector<std::int32_t>{1, 1, 1, 1, 0}));
  EXPECT_EQ(HighscoreNames[5], "");
}

}  // namespace
