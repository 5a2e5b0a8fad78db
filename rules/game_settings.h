// The game's settings as the options screen shows them: each one on or off.
#pragma once

namespace rules {

struct GameSettingsView {
  bool music = false;
  bool soundEffects = false;
  bool autoEndTurn = false;
  // The two pacing settings have no flag of their own: any pacing but the normal one shows as
  // on, the compatibility mode's quick messages included.
  bool longerMessageDelays = false;
  bool slowerAnimations = false;
  bool veteranMode = false;
  bool noWarPopups = false;
  bool compatibilityMode = false;
};

GameSettingsView BuildGameSettingsView();

}  // namespace rules
