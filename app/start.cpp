#include "app/start.h"

#include <string>
#include <vector>

#include "audio/sound.h"
#include "screens/combat/simulator_screens.h"
#include "rules/displayed_system.h"
#include "rules/new_game.h"
#include "rules/tutorial.h"
#include "screens/career/faction_selection.h"
#include "screens/career/high_score.h"
#include "screens/career/name_selection.h"
#include "screens/career/profession_selection.h"
#include "screens/career/save_load.h"
#include "screens/popups/popups.h"
#include "screens/screen_ui.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/credits.h"
#include "screens/travel/travel_screen.h"
#include "screens/tutorial/tutorial.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/professions.h"
#include "state/progression.h"
#include "state/variables.h"
#include "state/random.h"

namespace app {

using platform::Image;
using platform::Sender;

std::int32_t StartHoverButton = 0;

namespace {

struct StartButton {
  const char* name;  // its picture is <name>Button, its caption <name>Label, its hover On<name>Hover
  const char* normal;
  const char* lit;
};

// By button number 1..7.
constexpr StartButton kStartButtons[] = {
    // name         normal picture        lit picture
    {"Tutorial",    "StartScreen_05.jpg", "StartScreen_05_Highlighted.jpg"},
    {"NewGame",     "StartScreen_06.jpg", "StartScreen_06_Highlighted.jpg"},
    {"Load",        "StartScreen_07.jpg", "StartScreen_07_Highlighted.jpg"},
    {"HighScores",  "StartScreen_09.jpg", "StartScreen_09_Highlighted.jpg"},
    {"Settings",    "StartScreen_10.jpg", "StartScreen_10_Highlighted.jpg"},
    {"Credits",     "StartScreen_11.jpg", "StartScreen_11_Highlighted.jpg"},
    {"Exit",        "StartScreen_13.jpg", "StartScreen_13_Highlighted.jpg"},
};

std::vector<screens::PictureButton> StartButtons(const platform::Form& form) {
  std::vector<screens::PictureButton> buttons;
  for (const StartButton& b : kStartButtons)
    buttons.emplace_back(form.Get<Image>(std::string(b.name) + "Button"), b.normal, b.lit);
  return buttons;
}

}  // namespace

const char* StartButtonPicture(int k, bool lit) {
  const StartButton& b = kStartButtons[k - 1];
  return lit ? b.lit : b.normal;
}

StartScreen::StartScreen()
    : Form("Start"), buttons_(StartButtons(*this), screens::LitState::In(StartHoverButton)) {
  Bind("FormActivate", [this](Sender) { RestoreStartScreenHover(); });

  Bind("OnTutorialClick", &StartScreen::OnTutorialClick);
  Bind("OnNewGameClick", &StartScreen::OnNewGameClick);
  Bind("OnLoadClick", &StartScreen::OnLoadClick);
  Bind("OnHighScoresClick", &StartScreen::OnHighScoresClick);
  Bind("OnSettingsClick", &StartScreen::OnSettingsClick);
  Bind("OnCreditsClick", &StartScreen::OnCreditsClick);
  Bind("OnExitClick", &StartScreen::OnExitClick);
  // The combat simulator (on a panel that is never shown).
  Bind("OnSimulatorClick", [](Sender) { screens::StartCombatSimulator(); });
  Bind("OnWelcomeCloseClick", &StartScreen::OnWelcomeCloseClick);

  for (int k = 1; k <= 7; ++k)
    Bind(std::string("On") + kStartButtons[k - 1].name + "Hover",
         [this, k](Sender) { HoverStartButton(k); });
  Bind("OnFaceHover", [this](Sender) { RestoreStartScreenHover(); });

  Bind("OnLowerLightTimer", &StartScreen::OnLowerLightTimer);
  Bind("OnUpperLightTimer", &StartScreen::OnUpperLightTimer);
}

namespace {

// The new game, with the tutorial when `tutorial`.
void PlayNewGame(bool tutorial) {
  using namespace state;
  ClearGameState();
  if (tutorial)
    screens::StartTutorial();
  else
    screens::StopTutorial();
  // The new-game pages open on the first faction and the first profession.
  PlayerData[player::kFaction] = state::Stored(kFactionFederation);
  auto& factionSelection = screens::GameForm<screens::FactionSelectionScreen>();
  factionSelection.ShowFactionInfo(kFactionFederation);
  factionSelection.ShowModal();

  PlayerData[player::kPortrait] = 0;
  screens::NameSelectionScreen& nameSelection = screens::GameForm<screens::NameSelectionScreen>();
  nameSelection.ShowSelectNamePortrait();
  nameSelection.ShowModal();

  PlayerData[player::kProfession] = state::Stored(kProfessionTrader);
  auto& professionSelection = screens::GameForm<screens::ProfessionSelectionScreen>();
  professionSelection.MarkChosenLogo();
  professionSelection.ShowProfessionInfo();
  professionSelection.ShowModal();

  screens::ScreenUi ui;
  rules::CreateNewGameWorld(professionSelection.StartShipClass(), ui);
  const screens::GameInProgress game;
  // The travel screen stands behind the objective popup.
  screens::ShowTravelScreenFirst();
  screens::popups::ShowPicture(
      "Game objective:",
      "Welcome to Farhaven 4. You start off as an unknown pilot with a small spaceship. Acquire "
      "enough credits to buy a bigger ship with jump engines in order to explore the universe!",
      GetHeroPortraitFile());
  if (TutorialActive == 1) {
    // The map is laid out first, so that the tutorial's panel finds its place beside the bodies.
    rules::ShowSystem(ui, true, state::PlayerShip[ship::kSystem]);
    screens::FollowTutorial(rules::TutorialEvent::NewGameShown);
  }
  screens::OpenTravelScreen();
}

}  // namespace

void StartNewGame() { PlayNewGame(false); }

void StartTutorialGame() { PlayNewGame(true); }

void StartScreen::OnNewGameClick() {
  audio::PlayButtonSound();
  RestoreStartScreenHover();
  StartNewGame();
}

void StartScreen::OnTutorialClick() {
  audio::PlayButtonSound();
  RestoreStartScreenHover();
  welcomePanel_.Hide();
  StartTutorialGame();
}

void StartScreen::OnHighScoresClick() {
  audio::PlayButtonSound();
  screens::HighScoreScreen& highScore = screens::GameForm<screens::HighScoreScreen>();
  highScore.WhitenRows();
  highScore.ShowHighScoreTable();
  highScore.ShowModal();
}

// Load a game: the game state is cleared first, so leaving the save and load screen without a
// load finds no living ship and comes back here.
void StartScreen::OnLoadClick() {
  audio::PlayButtonSound();
  state::ClearGameState();
  Hide();
  screens::OpenSaveLoad();
  if (screens::GameIsRunning()) {
    state::DisplayedSystem = state::PlayerShip[ship::kSystem];
    state::SelectedBody = state::PlayerShip[ship::kBody];
    screens::OpenTravelScreen();
  }
  Show();
}

void StartScreen::OnSettingsClick() {
  audio::PlayButtonSound();
  screens::OpenGameOptions();
}

void StartScreen::OnCreditsClick() {
  audio::PlayButtonSound();
  screens::GameForm<screens::CreditsScreen>().ShowModal();
}

void StartScreen::OnExitClick() {
  audio::PlayButtonSound();
  Close();
}

void StartScreen::OnWelcomeCloseClick() {
  audio::PlayButtonSound();
  welcomePanel_.Hide();
}

void StartScreen::ShowWelcomePanel(bool show) {
  welcomePanel_.SetVisible(show);
  welcomePanel_.SetLeft(8);
  welcomePanel_.SetTop(295);
}

void StartScreen::CaptionHighScores() {
  highScoresLabel_.SetCaption("Highscores");
  highScoresLabel_.SetFontSize(10);
}

// The lower light blinks once a second.
void StartScreen::OnLowerLightTimer() {
  if (lowerLight_.Tag() != 0) {
    lowerLight_.LoadPicture("StartScreen_12.jpg");
    lowerLight_.SetTag(0);
  } else {
    lowerLight_.LoadPicture("StartScreen_12_Highlighted.jpg");
    lowerLight_.SetTag(1);
  }
}

// The upper light flashes for half a second after pauses of random length.
void StartScreen::OnUpperLightTimer() {
  upperLightTimer_.SetEnabled(false);
  if (upperLight_.Tag() != 0) {
    upperLightTimer_.SetInterval(kBlinkPauseMin + state::Random(kBlinkPauseSpread));
    upperLight_.LoadPicture("StartScreen_03.jpg");
    upperLight_.SetTag(0);
  } else {
    upperLightTimer_.SetInterval(kBlinkLitMs);
    upperLight_.LoadPicture("StartScreen_03_Highlighted.jpg");
    upperLight_.SetTag(1);
  }
  upperLightTimer_.SetEnabled(true);
}

}  // namespace app
