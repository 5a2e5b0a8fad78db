#include "screens/career/game_options.h"

#include "audio/sound.h"
#include "screens/travel/message_popups.h"
#include "state/general_data.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

TForm29* Form29 = nullptr;

namespace {

struct Tile {
  int index;
  const char* image;
  const char* number;  // of its picture files
};

// Every tile with a picture: the eight settings, then Close.
constexpr Tile kTiles[] = {
    // index  image          pictures
    {1,       "Interface2",  "02"},  // music
    {2,       "Interface3",  "03"},  // sound effects
    {3,       "Interface5",  "05"},  // automatic end of turn
    {4,       "Interface6",  "06"},  // longer delays between messages
    {5,       "Interface7",  "07"},  // slower combat animations
    {6,       "Interface9",  "09"},  // veteran mode
    {7,       "Interface11", "11"},  // war messages never pop up
    {9,       "Interface12", "12"},  // compatibility mode
    {8,       "Interface17", "17"},  // Close
};

const Tile* FindTile(int k) {
  for (const Tile& t : kTiles)
    if (t.index == k) return &t;
  return nullptr;
}

void Switch(std::uint8_t& flag) { flag = flag == 1 ? 0 : 1; }

void SetMessageIntervals(std::int32_t ms) {
  state::TimerPlayerMessageInterval = ms;
  state::TimerEnemyMessageInterval = ms;
}

// The screens that carry compatibility labels show or hide them after every switch of the mode.
// None of the screens made so far carries any.
void RefreshCompatibilityLabels() {}

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

TForm29::TForm29() : Form("Form29") {
  Bind("Interface2Click", [this](Sender) { Interface2Click(); });
  Bind("Interface3Click", [this](Sender) { Interface3Click(); });
  Bind("Interface5Click", [this](Sender) { Interface5Click(); });
  Bind("Interface6Click", [this](Sender) { Interface6Click(); });
  Bind("Interface7Click", [this](Sender) { Interface7Click(); });
  Bind("Interface9Click", [this](Sender) { Interface9Click(); });
  Bind("Interface11Click", [this](Sender) { Interface11Click(); });
  Bind("Interface12Click", [this](Sender) { Interface12Click(); });
  Bind("SpeedButton3Click", [this](Sender) { SpeedButton3Click(); });
  for (const Tile& t : kTiles) {
    const int k = t.index;
    Bind(std::string(t.image) + "MouseMove", [this, k](Sender) { HoverTile(k); });
    Get<Image>(t.image);  // a layout without one of the tiles fails here and in the data check
  }
}

void TForm29::RefreshGameOptionsScreen() {
  for (const Tile& t : kTiles)
    if (t.index != kCloseTile)
      Get<Image>(t.image).LoadPicture(GameOptionPicture(t.index, hover_ == t.index));
}

void TForm29::HoverTile(int k) {
  const Tile* tile = FindTile(k);
  if (tile == nullptr || hover_ == k) return;
  if (const Tile* lit = FindTile(hover_))
    Get<Image>(lit->image).LoadPicture(GameOptionPicture(hover_, false));
  Get<Image>(tile->image).LoadPicture(GameOptionPicture(k, true));
  hover_ = k;
}

void TForm29::Interface2Click() {
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
void TForm29::Interface3Click() {
  if (state::SoundEffectsOn == 1) {
    state::SoundEffectsOn = 0;
  } else {
    audio::PlayButtonSound();
    state::SoundEffectsOn = 1;
  }
  RefreshGameOptionsScreen();
}

void TForm29::Interface5Click() {
  audio::PlayButtonSound();
  Switch(state::AutoEndTurn);
  RefreshGameOptionsScreen();
}

void TForm29::Interface6Click() {
  audio::PlayButtonSound();
  SetMessageIntervals(state::TimerPlayerMessageInterval == state::kMessageInterval
                          ? state::kSlowMessageInterval
                          : state::kMessageInterval);
  RefreshGameOptionsScreen();
}

void TForm29::Interface7Click() {
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

void TForm29::Interface9Click() {
  audio::PlayButtonSound();
  Switch(state::VeteranMode);
  RefreshGameOptionsScreen();
}

void TForm29::Interface11Click() {
  audio::PlayButtonSound();
  Switch(state::NoWarPopups);
  RefreshGameOptionsScreen();
}

// No button sound: the question or the notice follows at once.
void TForm29::Interface12Click() {
  SwitchCompatibilityMode();
  RefreshGameOptionsScreen();
}

void TForm29::SpeedButton3Click() {
  audio::PlayButtonSound();
  Close();
}

void SwitchCompatibilityMode() {
  if (state::CompatibilityMode != 1) {
    // The quick pacing is set before the question is asked; a player who declines gets back
    // the pacing that was set before.
    const std::int32_t player = state::TimerPlayerMessageInterval;
    const std::int32_t enemy = state::TimerEnemyMessageInterval;
    SetMessageIntervals(kCompatibilityMessageInterval);
    DialogResult = 0;
    FMessage4->Get<Label>("Topic").SetCaption("Compatibility mode");
    FMessage4->Get<Label>("LabelText")
        .SetCaption("This game offers a compatibility mode for the blind and visually impaired. "
                    "It will add additional text and help to the interface. Not recommended for "
                    "the general user. Do you wish to turn this mode on?");
    FMessage4->ShowModal();
    if (DialogResult == 1) {
      state::CompatibilityMode = 1;
      RefreshCompatibilityLabels();
    } else {
      state::TimerPlayerMessageInterval = player;
      state::TimerEnemyMessageInterval = enemy;
    }
  } else {
    SetMessageIntervals(state::kMessageInterval);
    state::CompatibilityMode = 0;
    FMessage3->ShowApBlock(false);
    FMessage3->Get<Label>("Topic").SetCaption("Compatibility mode");
    FMessage3->Get<Label>("LabelText")
        .SetCaption(
            "The compatibility mode for the blind and visually impaired has been turned off.");
    FMessage3->ShowModal();
    RefreshCompatibilityLabels();
  }
}

}  // namespace screens
