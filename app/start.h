// The start screen: start the tutorial, start a new game, load a game, high scores, game
// settings, credits and exit, as picture buttons that light under the mouse; two blinking lights;
// the welcome panel of the first starts. Every game runs inside its modal showing, and closing it
// ends the program.
#pragma once

#include <cstdint>

#include "platform/form.h"
#include "screens/shared/picture_buttons.h"

namespace app {

// Which start-screen button shows its lit picture: 0 none, 1 tutorial, 2 new game, 3 load, 4 high
// scores, 5 settings, 6 credits, 7 exit.
extern std::int32_t StartHoverButton;

// The pause of the upper blinking light between its flashes: 1500 + Random(2500) ms.
inline constexpr int kBlinkPauseMin = 1500;
inline constexpr int kBlinkPauseSpread = 2500;
inline constexpr int kBlinkLitMs = 500;

class StartScreen : public platform::Form {
 public:
  StartScreen();

  // The mouse is over button k (1..7), its picture or its caption.
  void HoverStartButton(int k) { buttons_.Hover(k); }
  // Puts the normal picture back on the lit button, if any.
  void RestoreStartScreenHover() { buttons_.Restore(); }

  // A new game through the faction, name and profession screens into the travel screen; the
  // tutorial button starts the same game.
  void OnNewGameClick();
  void OnTutorialClick();
  void OnHighScoresClick();
  void OnLoadClick();
  void OnSettingsClick();
  void OnCreditsClick();
  void OnExitClick();
  void OnWelcomeCloseClick();
  void OnLowerLightTimer();
  void OnUpperLightTimer();

  // The welcome panel of the first starts, shown or hidden, at its place.
  void ShowWelcomePanel(bool show);
  // The high-score button's caption as the start-up sets it.
  void CaptionHighScores();

 private:
  screens::PictureButtons buttons_;
  platform::Image& upperLight_ = Get<platform::Image>("UpperLight");
  platform::Image& lowerLight_ = Get<platform::Image>("LowerLight");
  platform::Timer& upperLightTimer_ = Get<platform::Timer>("UpperLightTimer");
  platform::Panel& welcomePanel_ = Get<platform::Panel>("WelcomePanel");
  platform::Label& highScoresLabel_ = Get<platform::Label>("HighScoresLabel");
};

// The new-game sequence: a cleared game with faction 1, portrait 0 and profession 1 chosen in
// advance, the three selection screens, the new world, the game's objective beside the player's
// portrait, then the travel screen until it closes. A running tutorial stops.
void StartNewGame();
// The same game led by the tutorial: it begins on the faction screen and, unless the player
// turned it off on a selection screen, goes on on the travel screen.
void StartTutorialGame();

// The picture files of start-screen button k (1..7).
const char* StartButtonPicture(int k, bool lit);

}  // namespace app
