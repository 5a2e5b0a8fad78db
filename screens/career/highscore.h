// The high-score screen: the five best retirements with name, score, faction logo, rank and ship,
// and Back. The retirement sequence shows it with the row just entered in yellow; the start
// screen shows it with every row in white. It needs no close permission.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"

namespace screens {

class TForm23 : public platform::Form {
 public:
  TForm23();

  // Fills the five rows from the high-score table, entries or not. A row without a saved ship
  // livery takes its faction's from now on (the table keeps it).
  void ShowHighscoreTable();

  // Every name and score label back to white.
  void WhitenRows();
  // The name and score labels of `row` (1..5) in yellow; any other row marks nothing.
  void MarkRow(int row);

  void Interface34Click();
  void Interface34MouseMove();
  void Image1MouseMove();

  // 1 while Back shows its highlighted picture.
  std::uint8_t BackHover() const { return backHover_; }

 private:
  std::uint8_t backHover_ = 0;
};

extern TForm23* Form23;

// Enters the player's retirement with its final score into the table and lights the new row on
// the high-score screen (every row white when the score earns no place). The caller then fills
// the screen with ShowHighscoreTable and shows it.
void InsertHighscore(std::int32_t score);

// The pictures of a high-score row: the faction's logo and the rank insignia by faction 1..4 and
// rank (rank 1..7 as 0..6, any other rank 7); empty for a faction outside 1..4.
std::string HighscoreFactionPicture(std::int32_t faction);
std::string HighscoreRankPicture(std::int32_t faction, std::int32_t rank);

}  // namespace screens
