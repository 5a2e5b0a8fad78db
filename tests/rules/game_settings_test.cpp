// The settings as the options screen shows them: each flag on or off, and the two pacing settings
// on for any pacing but the normal one.
#include "rules/game_settings.h"

#include <gtest/gtest.h>

#include <functional>

#include "state/general_data.h"
#include "state/variables.h"

namespace {

using Setting = bool rules::GameSettingsView::*;

TEST(GameSettings, EachSettingShowsItsOwnStateAlone) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    Setting on;  // the one setting shown on; none = all off
  };
  const Case cases[] = {
      {"the defaults, all off", [] {}, nullptr},
      {"music", [] { state::MusicOn = 1; }, &rules::GameSettingsView::music},
      {"sound effects", [] { state::SoundEffectsOn = 1; }, &rules::GameSettingsView::soundEffects},
      {"automatic end of turn", [] { state::AutoEndTurn = 1; },
       &rules::GameSettingsView::autoEndTurn},
      {"slow messages", [] { state::TimerPlayerMessageInterval = state::kSlowMessageInterval; },
       &rules::GameSettingsView::longerMessageDelays},
      {"the compatibility pacing counts as longer delays",
       [] { state::TimerPlayerMessageInterval = 100; },
       &rules::GameSettingsView::longerMessageDelays},
      {"only the player's message timer is read",
       [] { state::TimerEnemyMessageInterval = state::kSlowMessageInterval; }, nullptr},
      {"slow animations",
       [] { state::PlayerFireGunImageTimerInterval = state::kSlowAnimationInterval; },
       &rules::GameSettingsView::slowerAnimations},
      {"veteran mode", [] { state::VeteranMode = 1; }, &rules::GameSettingsView::veteranMode},
      {"war messages kept quiet", [] { state::NoWarPopups = 1; },
       &rules::GameSettingsView::noWarPopups},
      {"compatibility mode", [] { state::CompatibilityMode = 1; },
       &rules::GameSettingsView::compatibilityMode},
  };
  const Setting all[] = {&rules::GameSettingsView::music,
                         &rules::GameSettingsView::soundEffects,
                         &rules::GameSettingsView::autoEndTurn,
                         &rules::GameSettingsView::longerMessageDelays,
                         &rules::GameSettingsView::slowerAnimations,
                         &rules::GameSettingsView::veteranMode,
                         &rules::GameSettingsView::noWarPopups,
                         &rules::GameSettingsView::compatibilityMode};
  for (const Case& c : cases) {
    state::MusicOn = state::SoundEffectsOn = state::AutoEndTurn = 0;
    state::VeteranMode = state::NoWarPopups = state::CompatibilityMode = 0;
    state::TimerPlayerMessageInterval = state::TimerEnemyMessageInterval = state::kMessageInterval;
    state::PlayerFireGunImageTimerInterval = state::kAnimationInterval;
    c.arrange();
    const rules::GameSettingsView v = rules::BuildGameSettingsView();
    for (Setting s : all) EXPECT_EQ(v.*s, s == c.on) << c.what;
  }
}

}  // namespace
