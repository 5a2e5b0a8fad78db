#include "app/start.h"

#include "audio/sound.h"
#include "combat/screens/simulator_screens.h"
#include "screens/career/game_options.h"
#include "screens/career/highscore.h"
#include "screens/travel/credits.h"
#include "state/random.h"

namespace app {

using platform::Image;
using platform::Sender;
using platform::Timer;

std::int32_t StartHoverButton = 0;
TForm1* Form1 = nullptr;

namespace {

struct StartButton {
  const char* image;
  const char* normal;
  const char* highlighted;
};

// By button number 1..7.
constexpr StartButton kStartButtons[] = {
    // image          normal picture            highlighted picture
    {"Interface5",  "StartScreen_05.jpg", "StartScreen_05_Highlighted.jpg"},  // tutorial
    {"Interface6",  "StartScreen_06.jpg", "StartScreen_06_Highlighted.jpg"},  // new game
    {"Interface7",  "StartScreen_07.jpg", "StartScreen_07_Highlighted.jpg"},  // load
    {"Interface9",  "StartScreen_09.jpg", "StartScreen_09_Highlighted.jpg"},  // high scores
    {"Interface10", "StartScreen_10.jpg", "StartScreen_10_Highlighted.jpg"},  // settings
    {"Interface11", "StartScreen_11.jpg", "StartScreen_11_Highlighted.jpg"},  // credits
    {"Interface13", "StartScreen_13.jpg", "StartScreen_13_Highlighted.jpg"},  // exit
};

bool IsButton(int k) { return k >= 1 && k <= 7; }

}  // namespace

const char* StartButtonPicture(int k, bool highlighted) {
  const StartButton& b = kStartButtons[k - 1];
  return highlighted ? b.highlighted : b.normal;
}

TForm1::TForm1() : Form("Form1") {
  Bind("FormActivate", [this](Sender) { RestoreStartScreenHover(); });

  // Start the tutorial: waits for the tutorial and the selection screens.
  Bind("Interface5Click", [](Sender) {});
  // Start a new game: waits for the selection screens and the travel screen.
  Bind("Interface6Click", [](Sender) {});
  // Load a game: waits for the save and load screen.
  Bind("Interface7Click", [](Sender) {});
  Bind("Interface10Click", [](Sender) {
    audio::PlayButtonSound();
    screens::Form29->RefreshGameOptionsScreen();
    screens::Form29->ShowModal();
  });
  // The combat simulator (on a panel that is never shown).
  Bind("SpeedButton2Click", [](Sender) { screens::StartCombatSimulator(); });

  Bind("Interface9Click", [this](Sender) { Interface9Click(); });
  Bind("Interface11Click", [this](Sender) { Interface11Click(); });
  Bind("SpeedButton5Click", [this](Sender) { SpeedButton5Click(); });
  Bind("SpeedButton6Click", [this](Sender) { SpeedButton6Click(); });

  const char* hoverHandlers[] = {"Interface5MouseMove",  "Interface6MouseMove",
                                 "Interface7MouseMove",  "Interface9MouseMove",
                                 "Interface10MouseMove", "Interface11MouseMove",
                                 "Interface13MouseMove"};
  for (int k = 1; k <= 7; ++k)
    Bind(hoverHandlers[k - 1], [this, k](Sender) { HoverStartButton(k); });
  Bind("Interface2bMouseMove", [this](Sender) { RestoreStartScreenHover(); });
  Bind("Interface8MouseMove", [this](Sender) { RestoreStartScreenHover(); });

  Bind("Timer1Timer", [this](Sender) { Timer1Timer(); });
  Bind("Timer2Timer", [this](Sender) { Timer2Timer(); });

  // What the code below uses: a layout that lacks one fails here, at start-up and in the data
  // check, not when the mouse first gets there.
  for (const StartButton& b : kStartButtons) Get<Image>(b.image);
  Get<Image>("Interface3");
  Get<Image>("Interface12");
  Get<Timer>("Timer2");
  Get<platform::Panel>("TutorialMessage_Panel");
  Get<platform::Label>("Label3");
}

void TForm1::HoverStartButton(int k) {
  if (StartHoverButton == k) return;
  if (IsButton(StartHoverButton))
    Get<Image>(kStartButtons[StartHoverButton - 1].image)
        .LoadPicture(StartButtonPicture(StartHoverButton, false));
  Get<Image>(kStartButtons[k - 1].image).LoadPicture(StartButtonPicture(k, true));
  StartHoverButton = k;
}

void TForm1::RestoreStartScreenHover() {
  if (IsButton(StartHoverButton))
    Get<Image>(kStartButtons[StartHoverButton - 1].image)
        .LoadPicture(StartButtonPicture(StartHoverButton, false));
  StartHoverButton = 0;
}

void TForm1::Interface9Click() {
  audio::PlayButtonSound();
  screens::Form23->WhitenRows();
  screens::Form23->ShowHighscoreTable();
  screens::Form23->ShowModal();
}

void TForm1::Interface11Click() {
  audio::PlayButtonSound();
  screens::Form24->ShowModal();
}

void TForm1::SpeedButton5Click() {
  audio::PlayButtonSound();
  Close();
}

void TForm1::SpeedButton6Click() {
  audio::PlayButtonSound();
  Get<platform::Panel>("TutorialMessage_Panel").Hide();
}

void TForm1::ShowWelcomePanel(bool show) {
  auto& panel = Get<platform::Panel>("TutorialMessage_Panel");
  panel.SetVisible(show);
  panel.SetLeft(8);
  panel.SetTop(295);
}

// The lower light blinks once a second.
void TForm1::Timer1Timer() {
  Image& light = Get<Image>("Interface12");
  if (light.Tag() != 0) {
    light.LoadPicture("StartScreen_12.jpg");
    light.SetTag(0);
  } else {
    light.LoadPicture("StartScreen_12_Highlighted.jpg");
    light.SetTag(1);
  }
}

// The upper light flashes for half a second after pauses of random length.
void TForm1::Timer2Timer() {
  Timer& timer = Get<Timer>("Timer2");
  Image& light = Get<Image>("Interface3");
  timer.SetEnabled(false);
  if (light.Tag() != 0) {
    timer.SetInterval(kBlinkPauseMin + state::Random(kBlinkPauseSpread));
    light.LoadPicture("StartScreen_03.jpg");
    light.SetTag(0);
  } else {
    timer.SetInterval(kBlinkLitMs);
    light.LoadPicture("StartScreen_03_Highlighted.jpg");
    light.SetTag(1);
  }
  timer.SetEnabled(true);
}

}  // namespace app
