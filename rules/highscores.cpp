#include "rules/highscores.h"

#include "state/variables.h"

namespace rules {

using state::HighscoreNames;
using state::HighscoreTable;

namespace {

// Fields 1..100 travel with a row when it moves; field 0 and the spare field 101 stay.
void MoveRow(int from, int to) {
  for (int field = 1; field <= 100; ++field) HighscoreTable[to][field] = HighscoreTable[from][field];
  HighscoreNames[to] = HighscoreNames[from];
}

}  // namespace

int InsertHighscore(std::int32_t score) {
  int place = 0;
  for (int k = 1; k <= kHighscorePlaces; ++k) {
    if (HighscoreTable[k][2] < score) {
      place = k;
      break;
    }
  }
  if (place == 0) return 0;

  for (int k = kHighscorePlaces; k > place; --k) MoveRow(k - 1, k);

  state::THighscoreRow& row = HighscoreTable[place];
  row[1] = 1;
  row[2] = score;
  row[3] = state::PlayerData[4];   // faction
  row[4] = state::PlayerData[14];  // military rank
  row[5] = state::PlayerShip[2];   // ship class
  row[6] = state::PlayerShip[8];   // the ship's livery
  HighscoreNames[place] = state::PlayerName;
  return place;
}

}  // namespace rules
