// The high-score table: the five best retirements, row 1 the best, kept from one game to the next
// in the general data. The retirement sequence enters the final score here; the high-score screen
// shows the table and lights the row just entered.
#pragma once

#include <cstdint>

namespace rules {

inline constexpr int kHighscorePlaces = 5;

// Enters the current player's retirement with its final score into HighscoreTable and
// HighscoreNames: the place is the first row whose score is below `score` (an equal score goes
// below the one already there); the rows from that place down move one row lower with all their
// fields and names, and the old row 5 is lost. The new row holds the score, the player's faction,
// rank, ship class and ship livery, and the player's name. Returns the row taken (1..5), or 0
// when the score earns no place, in which case nothing changes.
int InsertHighscore(std::int32_t score);

}  // namespace rules
