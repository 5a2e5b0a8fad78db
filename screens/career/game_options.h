// The game options screen: the settings as picture tiles that switch on and off with a click —
// music, sound effects, the automatic end of turn, longer delays between combat messages, slower
// combat animations, veteran mode, war messages that never pop up, the compatibility mode for
// the visually impaired — three empty tiles that read "(empty slot)" and do nothing, and Close.
// Every change acts at once on the global settings; the general data keeps all but the
// compatibility mode when it is next written. Opened modally from "Game settings" after
// RefreshGameOptionsScreen.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The message timers' pacing while the compatibility mode reads every message out.
inline constexpr std::int32_t kCompatibilityMessageInterval = 100;

// Tile numbers (the hover index): 1 music, 2 sound effects, 3 automatic end of turn, 4 longer
// delays, 5 slower animations, 6 veteran mode, 7 war messages, 8 Close, 9 compatibility mode.

class GameOptionsScreen : public platform::Form {
 public:
  GameOptionsScreen();

  // Every setting tile's picture from its setting and from whether it is the lit one.
  void RefreshGameOptionsScreen();

  void OnMusicClick();
  void OnSoundEffectsClick();
  void OnAutoEndTurnClick();
  void OnMessageDelayClick();     // longer delays between messages
  void OnSlowAnimationsClick();   // slower combat animations
  void OnVeteranModeClick();
  void OnWarMessagesClick();      // war messages never pop up
  void OnCompatibilityClick();    // compatibility mode
  void OnCloseClick();

  // The lit tile: 0 none, else its number.
  int HoverIndex() const { return tiles_.Lit(); }

 private:
  PictureButtons tiles_;
};

// The picture of tile k (1..9): on or off by its setting, lit or plain.
std::string GameOptionPicture(int k, bool lit);

}  // namespace screens
