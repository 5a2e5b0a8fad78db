// The start screen: start the tutorial, start a new game, load a game, high scores, game
// settings, credits and exit, as picture buttons that light under the mouse; two blinking lights;
// the welcome panel of the first starts. Every game runs inside its modal showing, and closing it
// ends the program.
#pragma once

#include <cstdint>

#include "platform/form.h"

namespace app {

// Which start-screen button shows its highlighted picture: 0 none, 1 tutorial, 2 new game,
// 3 load, 4 high scores, 5 settings, 6 credits, 7 exit.
extern std::int32_t StartHoverButton;

// The pause of the upper blinking light between its flashes: 1500 + Random(2500) ms.
inline constexpr int kBlinkPauseMin = 1500;
inline constexpr int kBlinkPauseSpread = 2500;
inline constexpr int kBlinkLitMs = 500;

class TForm1 : public platform::Form {
 public:
  TForm1();

  // The mouse is over button k (1..7), its picture or its caption.
  void HoverStartButton(int k);
  // Puts the normal picture back on the lit button, if any.
  void RestoreStartScreenHover();

  void Interface9Click();
  void Interface11Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void Timer1Timer();
  void Timer2Timer();

  // The welcome panel of the first starts, shown or hidden, at its place.
  void ShowWelcomePanel(bool show);
};

extern TForm1* Form1;

// The picture files of start-screen button k (1..7).
const char* StartButtonPicture(int k, bool highlighted);

}  // namespace app
