#include "screens/career/game_options.h"

#include <iterator>
#include <vector>

#include "audio/sound.h"
#include "rules/game_settings.h"
#include "screens/career/faction_selection.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/general_data.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

using Setting = bool rules::GameSettingsView::*;

struct Tile {
  const char* name;    // its picture component is <name>Tile, its handlers On<name>Click, -Hover
  const char* number;  // of its picture files
  Setting setting;     // what it shows; none for Close
};

// By tile number 1..9.
constexpr Tile kTiles[] = {
    // name              pictures  setting
    {"Music",            "02",     &rules::GameSettingsView::music},
    {"SoundEffects",     "03",     &rules::GameSettingsView::soundEffects},
    {"AutoEndTurn",      "05",     &rules::GameSettingsView::autoEndTurn},
    {"MessageDelay",     "06",     &rules::GameSettingsView::longerMessageDelays},
    {"SlowAnimations",   "07",     &rules::GameSettingsView::slowerAnimations},
    {"VeteranMode",      "09",     &rules::GameSettingsView::veteranMode},
    {"WarMessages",      "11",     &rules::GameSettingsView::noWarPopups},
    {"Close",            "17",     nullptr},
    {"Compatibility",    "12",     &rules::GameSettingsView::compatibilityMode},
};
constexpr int kTileCount = static_cast<int>(std::size(kTiles));

const Tile* FindTile(int k) { return k >= 1 && k <= kTileCount ? &kTiles[k - 1] : nullptr; }

std::vector<PictureButton> TileButtons(const platform::Form& form) {
  std::vector<PictureButton> tiles;
  for (int k = 1; k <= kTileCount; ++k)
    tiles.emplace_back(form.Get<Image>(std::string(kTiles[k - 1].name) + "Tile"),
                       [k](bool lit) { return GameOptionPicture(k, lit); });
  return tiles;
}

void Switch(std::uint8_t& flag) { flag = flag == 1 ? 0 : 1; }

void SetMessageIntervals(std::int32_t ms) {
  state::TimerPlayerMessageInterval = ms;
  state::TimerEnemyMessageInterval = ms;
}

// The screens that carry compatibility labels show or hide them after every switch of the mode.
void RefreshCompatibilityLabels() {
  GameForm<FactionSelectionScreen>().UpdateSelectRaceCompatibilityLabels();
  // The travel screen waits behind the screens that can switch the mode (a fight among them).
  UpdateTravelCompatibilityLabels();
}

}  // namespace

std::string GameOptionPicture(int k, bool lit) {
  const Tile* tile = FindTile(k);
  if (tile == nullptr) return {};
  const bool on = tile->setting != nullptr && rules::BuildGameSettingsView().*(tile->setting);
  const char* look = on ? (lit ? "ON+" : "ON") : (lit ? "MouseOver" : "");
  return std::string("GameSettings") + look + "_" + tile->number + ".jpg";
}

GameOptionsScreen::GameOptionsScreen() : Form("GameOptions"), tiles_(TileButtons(*this)) {
  Bind("OnMusicClick", &GameOptionsScreen::OnMusicClick);
  Bind("OnSoundEffectsClick", &GameOptionsScreen::OnSoundEffectsClick);
  Bind("OnAutoEndTurnClick", &GameOptionsScreen::OnAutoEndTurnClick);
  Bind("OnMessageDelayClick", &GameOptionsScreen::OnMessageDelayClick);
  Bind("OnSlowAnimationsClick", &GameOptionsScreen::OnSlowAnimationsClick);
  Bind("OnVeteranModeClick", &GameOptionsScreen::OnVeteranModeClick);
  Bind("OnWarMessagesClick", &GameOptionsScreen::OnWarMessagesClick);
  Bind("OnCompatibilityClick", &GameOptionsScreen::OnCompatibilityClick);
  Bind("OnCloseClick", &GameOptionsScreen::OnCloseClick);
  for (int k = 1; k <= kTileCount; ++k)
    Bind(std::string("On") + kTiles[k - 1].name + "Hover", [this, k](Sender) { tiles_.Hover(k); });
}

void GameOptionsScreen::RefreshGameOptionsScreen() {
  for (int k = 1; k <= kTileCount; ++k)
    if (kTiles[k - 1].setting != nullptr)
      tiles_.Image(k).LoadPicture(GameOptionPicture(k, tiles_.Lit() == k));
}

void GameOptionsScreen::OnMusicClick() {
  audio::PlayButtonSound();
  if (state::MusicOn != 1) {
    state::MusicOn = 1;
    audio::RestartMusicTimer();
  } else {
    state::MusicOn = 0;
    audio::StopMusic();
  }
  RefreshGameOptionsScreen();
}

// The click is never heard: switching off silences it, and switching on asks for it while the
// effects are still off.
void GameOptionsScreen::OnSoundEffectsClick() {
  if (state::SoundEffectsOn == 1) {
    state::SoundEffectsOn = 0;
  } else {
    audio::PlayButtonSound();
    state::SoundEffectsOn = 1;
  }
  RefreshGameOptionsScreen();
}

void GameOptionsScreen::OnAutoEndTurnClick() {
  audio::PlayButtonSound();
  Switch(state::AutoEndTurn);
  RefreshGameOptionsScreen();
}

void GameOptionsScreen::OnMessageDelayClick() {
  audio::PlayButtonSound();
  SetMessageIntervals(state::TimerPlayerMessageInterval == state::kMessageInterval
                          ? state::kSlowMessageInterval
                          : state::kMessageInterval);
  RefreshGameOptionsScreen();
}

void GameOptionsScreen::OnSlowAnimationsClick() {
  audio::PlayButtonSound();
  const std::int32_t ms = state::PlayerFireGunImageTimerInterval == state::kAnimationInterval
                              ? state::kSlowAnimationInterval
                              : state::kAnimationInterval;
  state::PlayerFireGunImageTimerInterval = ms;
  state::EnemyFireGunImageTimerInterval = ms;
  state::PlayerShieldTimerInterval = ms;
  state::EnemyShieldTimerInterval = ms;
  RefreshGameOptionsScreen();
}

void GameOptionsScreen::OnVeteranModeClick() {
  audio::PlayButtonSound();
  Switch(state::VeteranMode);
  RefreshGameOptionsScreen();
}

void GameOptionsScreen::OnWarMessagesClick() {
  audio::PlayButtonSound();
  Switch(state::NoWarPopups);
  RefreshGameOptionsScreen();
}

// No button sound: the question or the notice follows at once.
void GameOptionsScreen::OnCompatibilityClick() {
  SwitchCompatibilityMode();
  RefreshGameOptionsScreen();
}

void GameOptionsScreen::OnCloseClick() {
  audio::PlayButtonSound();
  Close();
}

void SwitchCompatibilityMode(const char* question) {
  if (state::CompatibilityMode != 1) {
    // The quick pacing is set before the question is asked; a player who declines gets back
    // the pacing that was set before.
    const std::int32_t player = state::TimerPlayerMessageInterval;
    const std::int32_t enemy = state::TimerEnemyMessageInterval;
    SetMessageIntervals(kCompatibilityMessageInterval);
    if (popups::AskYesNo("Compatibility mode", question)) {
      state::CompatibilityMode = 1;
      RefreshCompatibilityLabels();
    } else {
      state::TimerPlayerMessageInterval = player;
      state::TimerEnemyMessageInterval = enemy;
    }
  } else {
    SetMessageIntervals(state::kMessageInterval);
    state::CompatibilityMode = 0;
    popups::ShowText(
        "Compatibility mode",
        "The compatibility mode for the blind and visually impaired has been turned off.");
    RefreshCompatibilityLabels();
  }
}

void OpenGameOptions() {
  GameOptionsScreen& options = GameForm<GameOptionsScreen>();
  options.RefreshGameOptionsScreen();
  options.ShowModal();
}

void RefreshGameOptions() { GameForm<GameOptionsScreen>().RefreshGameOptionsScreen(); }

}  // namespace screens
