// The high-score screen: the five best retirements with name, score, faction logo, rank and ship,
// and Back. The retirement sequence shows it with the row just entered in yellow; the start
// screen shows it with every row in white. It needs no close permission.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/form.h"
#include "rules/highscores.h"
#include "screens/shared/picture_buttons.h"
#include "state/factions.h"
#include "state/ranks.h"

namespace screens {

class HighScoreScreen : public platform::Form {
 public:
  HighScoreScreen();

  // Fills the five rows from the high-score table, entries or not. A row without a saved ship
  // livery takes its faction's from now on (the table keeps it).
  void ShowHighScoreTable();

  // Every name and score label back to white.
  void WhitenRows();
  // The name and score labels of `row` (1..5) in yellow; any other row marks nothing.
  void MarkRow(int row);

  void OnBackClick();

  // 1 while Back shows its lit picture.
  int BackHover() const { return back_.Lit(); }

 private:
  PictureButtons back_;
  // Row k is element k - 1.
  std::vector<platform::Label*> names_ = GetNumbered<platform::Label>("NameSlot", rules::kHighscorePlaces);
  std::vector<platform::Label*> scores_ = GetNumbered<platform::Label>("ScoreSlot", rules::kHighscorePlaces);
  std::vector<platform::Image*> factionPictures_ = GetNumbered<platform::Image>("FactionPicSlot", rules::kHighscorePlaces);
  std::vector<platform::Image*> rankPictures_ = GetNumbered<platform::Image>("RankPicSlot", rules::kHighscorePlaces);
  std::vector<platform::Image*> shipPictures_ = GetNumbered<platform::Image>("ShipPicSlot", rules::kHighscorePlaces);
};

// Enters the player's retirement with its final score into the table and lights the new row on
// the high-score screen (every row white when the score earns no place). The caller then fills
// the screen with ShowHighScoreTable and shows it.
void InsertHighscore(std::int32_t score);

// The pictures of a high-score row: the faction's logo and the rank insignia by faction 1..4 and
// rank (rank 1..7 as 0..6, any other rank 7); empty for a faction outside 1..4.
std::string HighscoreFactionPicture(Faction faction);
std::string HighscoreRankPicture(Faction faction, Rank rank);

}  // namespace screens
