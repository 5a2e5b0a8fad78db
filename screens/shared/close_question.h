// What the desktop's close request (the window's close box, Alt+F4) does while a game runs, and
// once it is over.
#pragma once

#include <functional>

namespace screens {

// A game in progress, from the travel screen's first showing until its modal showing ends:
// meanwhile the desktop's close request (the window's close box, Alt+F4) asks "Quit game?" over
// whatever is showing, and only a yes ends the program. Outside a game it ends the program at once.
class GameInProgress {
 public:
  GameInProgress();
  ~GameInProgress();
  GameInProgress(const GameInProgress&) = delete;
  GameInProgress& operator=(const GameInProgress&) = delete;

 private:
  std::function<bool()> before_;
};

// The game over inside a game's showing: once a retirement's career ladder and high-score table
// show, the new row is already on disk and no game runs, so the desktop's close request ends the
// program at once again while this lives.
class GameOver {
 public:
  GameOver();
  ~GameOver();
  GameOver(const GameOver&) = delete;
  GameOver& operator=(const GameOver&) = delete;

 private:
  std::function<bool()> before_;
};

}  // namespace screens
