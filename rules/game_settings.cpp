#include "rules/game_settings.h"

#include "state/general_data.h"
#include "state/variables.h"

namespace rules {

GameSettingsView BuildGameSettingsView() {
  GameSettingsView v;
  v.music = state::MusicOn == 1;
  v.soundEffects = state::SoundEffectsOn == 1;
  v.autoEndTurn = state::AutoEndTurn == 1;
  v.longerMessageDelays = state::TimerPlayerMessageInterval != state::kMessageInterval;
  v.slowerAnimations = state::PlayerFireGunImageTimerInterval != state::kAnimationInterval;
  v.veteranMode = state::VeteranMode == 1;
  v.noWarPopups = state::NoWarPopups == 1;
  v.compatibilityMode = state::CompatibilityMode == 1;
  return v;
}

}  // namespace rules
