#include "screens/career/game_options.h"

#include <iterator>
#include <vector>

#include "audio/sound.h"
#include "screens/career/faction_selection.h"
#include "screens/popups/popups.h"
#include "screens/travel/travel_screen.h"
#include "state/general_data.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

GameOptionsScreen* GameOptions = nullptr;

namespace {

struct Tile {
  const char* name;    // its picture component is <name>Tile, its handlers On<name>Click, -Hover
  const char* number;  // of its picture files
};

// By tile number 1..9.
constexpr Tile kTiles[] = {
    // name              pictures
    {"Music",            "02"},
    {"SoundEffects",     "03"},
    {"AutoEndTurn",      "05"},
    {"MessageDelay",     "06"},
    {"SlowAnimations",   "07"},
    {"VeteranMode",      "09"},
    {"WarMessages",      "11"},
    {"Close",            "17"},
    {"Compatibility",    "12"},
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
  if (FactionSelection) FactionSelection->UpdateSelectRaceCompatibilityLabels();
  // The travel screen waits behind the screens that can switch the mode (a fight among them).
  UpdateTravelCompatibilityLabels();
}

}  // namespace

bool GameOptionOn(int k) {
  switch (k) {
    case 1: return state::MusicOn == 1;
    case 2: return state::SoundEffectsOn == 1;
    case 3: return state::AutoEndTurn == 1;
    // The two pacing tiles have no flag of their own: any pacing but the normal one shows as on,
    // the compatibility mode's quick messages included.
    case 4: return state::TimerPlayerMessageInterval != state::kMessageInterval;
    case 5: return state::PlayerFireGunImageTimerInterval != state::kAnimationInterval;
    case 6: return state::VeteranMode == 1;
    case 7: return state::NoWarPopups == 1;
    case 9: return state::CompatibilityMode == 1;
    default: return false;  // Close has no setting
  }
}

std::string GameOptionPicture(int k, bool lit) {
  const Tile* tile = FindTile(k);
  if (tile == nullptr) return {};
  const char* look = GameOptionOn(k) ? (lit ? "ON+" : "ON") : (lit ? "MouseOver" : "");
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
    if (k != kCloseTile) tiles_.Image(k).LoadPicture(GameOptionPicture(k, tiles_.Lit() == k));
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

}  // namespace screens
