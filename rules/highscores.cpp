#include "rules/highscores.h"

#include "state/fields.h"
#include "state/variables.h"

namespace rules {

using state::HighscoreNames;
using state::HighscoreTable;

namespace {

// Fields 1..100 travel with a row when it moves; field 0 and the spare field 101 stay.
void MoveRow(int from, int to) {
  for (int field = 1; field <= 100; ++field)
    HighscoreTable[to].At(field) = HighscoreTable[from].At(field);
  HighscoreNames[to] = HighscoreNames[from];
}

}  // namespace

int InsertHighscore(std::int32_t score) {
  int place = 0;
  for (int k = 1; k <= kHighscorePlaces; ++k) {
    if (HighscoreTable[k][highscore::kScore] < score) {
      place = k;
      break;
    }
  }
  if (place == 0) return 0;

  for (int k = kHighscorePlaces; k > place; --k) MoveRow(k - 1, k);

  state::THighscoreRow& row = HighscoreTable[place];
  row[highscore::kUsed] = 1;
  row[highscore::kScore] = score;
  row[highscore::kFaction] = state::PlayerData[player::kFaction];   // faction
  row[highscore::kRank] = state::PlayerData[player::kRank];  // military rank
  row[highscore::kShipClass] = state::PlayerShip[ship::kClass];   // ship class
  row[highscore::kShipFaction] = state::PlayerShip[ship::kFaction];   // the ship's livery
  HighscoreNames[place] = state::PlayerName;
  return place;
}

}  // namespace rules
