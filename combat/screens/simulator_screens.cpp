#include "combat/screens/simulator_screens.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "audio/sound.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "screens/screen_ui.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using combat::Side;
using platform::Image;
using platform::Label;
using platform::Panel;
using platform::Sender;
using platform::Shape;
using platform::SpeedButton;
using platform::Timer;

TForm9* Form9 = nullptr;
TForm3* Form3 = nullptr;

namespace {

std::string Numbered(const char* stem, int k) { return stem + std::to_string(k); }

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

// Frame pieces of the duel screen (left, top, width, height) on its 794 x 568 design area.
constexpr std::array<std::array<int, 4>, 36> kFrame = {{
    {0, 0, 226, 121},    {226, 0, 351, 82},   {577, 0, 217, 121},  {226, 82, 271, 315},
    {0, 121, 113, 150},  {113, 121, 113, 150}, {0, 271, 113, 126}, {113, 271, 113, 126},
    {497, 82, 80, 315},  {577, 121, 109, 150}, {686, 121, 108, 150}, {577, 271, 109, 126},
    {686, 271, 108, 126}, {0, 397, 113, 43},   {113, 397, 113, 43}, {226, 397, 113, 43},
    {339, 397, 113, 43}, {452, 397, 113, 43},  {565, 397, 113, 43}, {678, 397, 116, 43},
    {0, 440, 66, 43},    {66, 440, 66, 43},    {132, 440, 66, 43},  {198, 440, 67, 43},
    {0, 483, 66, 43},    {66, 483, 66, 43},    {132, 483, 66, 43},  {198, 483, 67, 43},
    {0, 526, 66, 42},    {66, 526, 66, 42},    {132, 526, 66, 42},  {198, 526, 67, 42},
    {560, 440, 234, 18}, {265, 440, 262, 128}, {527, 440, 33, 128}, {560, 458, 225, 110},
}};

// Where the information panel stands for ability slot 1..12.
constexpr std::array<std::array<int, 2>, 12> kInfoPlaces = {{
    {8, 318}, {96, 318}, {168, 318}, {264, 315}, {327, 315}, {433, 315},
    {488, 315}, {541, 315}, {595, 315}, {611, 315}, {611, 315}, {611, 315},
}};

// The simulator's screens as the headless rules see them.
class SimulatorScreens : public combat::SimulatorUi {
 public:
  SimulatorScreens() : SimulatorUi(rules_) {}

  void ShowPopup(combat::CombatPopup kind, std::string_view topic, std::string_view text,
                 std::string_view picture) override {
    (void)kind;
    rules_.Message(rules::Popup::Picture, topic, text, picture);
  }
  void Refresh(combat::Display what) override {
    if (Form3 == nullptr) return;
    switch (what) {
      case combat::Display::Shields: Form3->ShowSimulatorShields(); break;
      case combat::Display::AbilityButtons: Form3->RefreshSimulatorAbilityButtons(); break;
      case combat::Display::Missiles: Form3->ShowSimulatorMissiles(); break;
      case combat::Display::Modifiers: Form3->ShowSimulatorActiveModifiers(); break;
      case combat::Display::ReinforcementRadar: Form3->ShowSimulatorReinforcements(); break;
      default: Form3->RefreshSimulatorScreen(); break;
    }
  }
  void Animate(Side side, combat::Animation animation) override {
    if (Form3 != nullptr && animation == combat::Animation::ShieldHit) Form3->ShowShieldFlash(side);
  }
  void ResetScreen() override {
    if (Form3 != nullptr) Form3->ResetSimulatorScreen();
  }
  void Close() override {
    if (Form3 != nullptr) Form3->Close();
  }
  void StopCombatTimer() override {
    if (Form3 != nullptr) Form3->CombatTimer.SetEnabled(false);
  }
  void ShowSetupPage(std::string_view heading) override {
    if (Form9 == nullptr) return;
    Form9->Prepare(std::string(heading).c_str());
    Form9->ShowModal();
  }
  void RunDuelScreen() override {
    if (Form3 == nullptr) return;
    Form3->LoadSimulatorShipPictures();
    Form3->LayoutSimulatorScreen();
    Form3->RefreshSimulatorScreen();
    Form3->CombatTimer.SetEnabled(true);
    Form3->ShowModal();
    Form3->CombatTimer.SetEnabled(false);
  }

 private:
  ScreenUi rules_;
};

SimulatorScreens& Screens() {
  static SimulatorScreens screens;
  return screens;
}

}  // namespace

// ---- The set-up page ----

TForm9::TForm9() : Form("Form9") {
  for (int k = 1; k <= 3; ++k) {
    Bind(Numbered("ShipButton", k) + "Click", [this, k](Sender) { ShipButtonClick(k); });
    Bind(Numbered("ExpertiseButton", k) + "Click", [this, k](Sender) { ExpertiseButtonClick(k); });
  }
  Bind("SpeedButton1Click", [this](Sender) { SpeedButton1Click(); });
  Bind("SpeedButton2Click", [this](Sender) { SpeedButton2Click(); });
}

void TForm9::Prepare(const char* heading) {
  Get<Label>("Label13").SetCaption(heading);
  for (int k = 1; k <= 3; ++k) {
    Get<Shape>(Numbered("ShipShape", k)).SetBrush(kSimulatorNormal);
    Get<Shape>(Numbered("ExpertiseShape", k)).SetBrush(kSimulatorNormal);
  }
}

void TForm9::ShipButtonClick(int k) {
  combat::ChooseSimulatorShip(k);
  for (int i = 1; i <= 3; ++i) {
    Get<Shape>(Numbered("ShipShape", i)).SetBrush(i == k ? kSimulatorChosen : kSimulatorNormal);
  }
}

void TForm9::ExpertiseButtonClick(int k) {
  static constexpr std::array<std::int32_t, 3> kValues = {1, 3, 6};
  combat::ChooseSimulatorExpertise(kValues[static_cast<std::size_t>(k - 1)]);
  for (int i = 1; i <= 3; ++i) {
    Get<Shape>(Numbered("ExpertiseShape", i))
        .SetBrush(i == k ? kSimulatorChosen : kSimulatorNormal);
  }
}

void TForm9::SpeedButton1Click() {
  if (combat::ContinueSimulatorSetup()) Close();
}

void TForm9::SpeedButton2Click() {
  combat::BackSimulatorSetup();
  Close();
}

// ---- The duel screen ----

TForm3::TForm3() : Form("Form3") {
  Bind("CombatTimerTimer", [this](Sender) { CombatTimerTimer(); });
  for (int k = 1; k <= 12; ++k) {
    Bind(Numbered("AbilityButton", k) + "Click", [this, k](Sender) { AbilityButtonClick(k); });
    Bind(Numbered("AbilityButton", k) + "MouseMove",
         [this, k](Sender) { ShowSimulatorAbilityInfo(k); });
  }
  for (int k = 1; k <= 8; ++k) {
    Bind(Numbered("ModImage", k) + "MouseMove",
         [this, k](Sender) { ShowSimulatorModifierInfo(Side::Player, k); });
    Bind(Numbered("EnemyModImage", k) + "MouseMove",
         [this, k](Sender) { ShowSimulatorModifierInfo(Side::Enemy, k); });
  }
  for (const char* name : {"FormMouseMove", "Interface1MouseMove", "Interface3MouseMove",
                           "Interface34MouseMove", "Interface35MouseMove",
                           "Interface36MouseMove"}) {
    Bind(name, [this](Sender) { HideSimulatorInfoPanel(); });
  }
  for (int k = 1; k <= 4; ++k) {
    Bind(Numbered("SpeedButton", k) + "Click", [this, k](Sender) { SpeedButtonClick(k); });
  }
  Bind("Image2DblClick", [this](Sender) { Image2DblClick(); });
  const auto endFlash = [this](const char* timer, const char* picture) {
    Bind(std::string(timer) + "Timer", [this, timer, picture](Sender) {
      Get<Timer>(timer).SetEnabled(false);
      Get<Image>(picture).Hide();
    });
  };
  endFlash("PlayerShieldTimer", "PlayerShield");
  endFlash("EnemyShieldTimer", "EnemyShield");
  endFlash("PlayerFireGunImageTimer", "PlayerGunFire1");
  endFlash("EnemyFireGunImageTimer", "EnemyGunFire1");
}

void TForm3::LayoutSimulatorScreen() {
  for (int k = 1; k <= 36; ++k) Get<Image>(Numbered("Interface", k)).Hide();
  for (int k = 1; k <= 13; ++k) Get<Image>(Numbered("Interface", k)).SetStretch(true);
  for (int k = 1; k <= 36; ++k) {
    Image& piece = Get<Image>(Numbered("Interface", k));
    piece.LoadPicture("Screen_KLEIN_" + TwoDigits(k) + ".jpg");
    const auto& r = kFrame[static_cast<std::size_t>(k - 1)];
    piece.SetBounds(r[0], r[1], r[2], r[3]);
    piece.Show();
  }
}

void TForm3::RefreshSimulatorScreen() {
  ShowSimulatorShields();
  RefreshSimulatorAbilityButtons();
  ShowSimulatorMissiles();
  ShowSimulatorActiveModifiers();
  ShowSimulatorComboPoints();
  ShowSimulatorReinforcements();
  ShowSimulatorMessages();
}

void TForm3::ShowSimulatorShields() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto& ship = combat::Ship(side);
    const std::int64_t base = state::GetShipClassBaseShields(ship[ship::kClass]);
    const std::int64_t index =
        base > 0 ? static_cast<std::int64_t>(ship[ship::kShields]) * 30 / base : -1;
    const int shown = index >= 0 && index <= 30 ? static_cast<int>(index) : 0;
    Get<Image>(side == Side::Player ? "PlayerShieldDisplay" : "EnemyShieldDisplay")
        .LoadPicture("Shield_" + TwoDigits(shown) + ".jpg");
  }
}

void TForm3::RefreshSimulatorAbilityButtons() {
  for (int k = 1; k <= 12; ++k) {
    const std::int32_t ability = state::PlayerAbilitySlots[k];
    if (ability <= 0) continue;
    Image& button = Get<Image>(Numbered("AbilityButton", k));
    Panel& panel = Get<Panel>(Numbered("AbilityPanel", k));
    if (state::PlayerSlotState[k] != 0 && button.Tag() != 1) {
      button.LoadPicture(state::GetAbilityImage(ability) + "_off.jpg");
      panel.Show();
      button.SetTag(1);
      button.SetEnabled(false);
    } else if (state::PlayerSlotState[k] == 0 && button.Tag() != 0) {
      button.LoadPicture(state::GetAbilityImage(ability) + "_on.jpg");
      panel.Show();
      button.SetTag(0);
      button.SetEnabled(true);
    }
  }
}

void TForm3::ShowSimulatorMissiles() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto& volley = side == Side::Player ? state::PlayerMissileVolley : state::EnemyMissileVolley;
    const std::string pre = side == Side::Player ? "" : "Enemy";
    Image& pic = Get<Image>(pre + "MissilePic");
    Panel& panel = Get<Panel>(pre + "MissilePanel");
    Label& count = Get<Label>(pre + "MissileCount");
    const bool flying = volley[1] >= 1;
    pic.SetVisible(flying);
    panel.SetVisible(flying);
    count.SetVisible(flying);
    if (flying) count.SetCaption(std::to_string(volley[2]));
  }
}

void TForm3::ShowSimulatorActiveModifiers() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto& list = combat::ListOf(side);
    for (int k = 1; k <= combat::kModifierSlots; ++k) {
      Image& icon = Get<Image>(Numbered(side == Side::Player ? "ModImage" : "EnemyModImage", k));
      const bool active = list[k][modifier::kActive] != 0;
      if (active && icon.Tag() == 0) {
        icon.LoadPicture(state::GetAbilityImage(list[k][modifier::kAbility]) + "_ActiveMod.jpg");
        icon.SetHint("Active: " + state::GetAbilityName(list[k][modifier::kAbility]));
        icon.Show();
        icon.SetTag(1);
      } else if (!active && icon.Tag() == 1) {
        icon.Hide();
        icon.SetTag(0);
      }
    }
  }
}

void TForm3::ShowSimulatorComboPoints() {
  for (Side side : {Side::Player, Side::Enemy}) {
    // Values outside 0..5 show the nearest end of the bar.
    const int points = std::clamp<int>(combat::Ship(side)[ship::kComboPoints], 0, 5);
    Get<Image>(side == Side::Player ? "PlayerComboPointDisplay" : "EnemyComboPointDisplay")
        .LoadPicture("Combo_" + TwoDigits(points) + ".jpg");
  }
}

void TForm3::ShowSimulatorReinforcements() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const std::string pre = side == Side::Player ? "Player" : "Enemy";
    const std::int32_t countdown = combat::Ship(side)[ship::kReinforcements];
    Get<Label>(pre + "ReinforcementText").SetCaption(std::to_string(countdown));
    Get<Panel>(pre + "ReinforcementPanel").SetVisible(countdown >= 1);
  }
}

void TForm3::ShowSimulatorMessages() {
  for (Side side : {Side::Player, Side::Enemy}) {
    for (int k = 1; k <= 4; ++k) {
      const auto& message = combat::SimulatorPanel(side, k);
      const std::string stem = (side == Side::Player ? "CMessage" : "Enemy_CMessage") +
                               std::to_string(k);
      Get<Label>(stem + "_Topic").SetCaption(message.topic);
      Get<Label>(stem + "_Text").SetCaption(message.text);
      Get<Panel>(stem + "_Panel").SetVisible(message.visible);
      if (k <= 2) Get<Shape>(stem + "_Dot").SetVisible(message.visible);
    }
  }
}

void TForm3::ShowSimulatorAbilityInfo(int slot) {
  if (slot < 1 || slot > 12) return;
  const std::int32_t ability = state::PlayerAbilitySlots[slot];
  Panel& info = Get<Panel>("InfoPanel");
  const auto& place = kInfoPlaces[static_cast<std::size_t>(slot - 1)];
  info.SetBounds(place[0], place[1], info.Width(), info.Height());
  Get<Label>("Label1").SetCaption(state::GetAbilityName(ability));
  Get<Label>("Label2").SetCaption(state::GetAbilityDescription(ability));
  Get<Label>("Label3").SetCaption("");
  Get<Label>("Label4").Show();
  info.Show();
}

void TForm3::ShowSimulatorModifierInfo(Side side, int slot) {
  if (slot < 1 || slot > combat::kModifierSlots) return;
  const std::int32_t ability = combat::ListOf(side)[slot][modifier::kAbility];
  Panel& info = Get<Panel>("InfoPanel");
  info.SetBounds(side == Side::Player ? 39 : 575, 34, info.Width(), info.Height());
  Get<Label>("Label1").SetCaption(state::GetAbilityName(ability));
  Get<Label>("Label3").SetCaption(state::GetAbilityEffectText(ability));
  Get<Label>("Label2").SetCaption(state::GetAbilityDescription(ability));
  Get<Label>("Label4").Hide();
  info.Show();
}

void TForm3::HideSimulatorInfoPanel() { Get<Panel>("InfoPanel").Hide(); }

void TForm3::ResetSimulatorScreen() {
  for (int k = 1; k <= 12; ++k) {
    Get<Panel>(Numbered("AbilityPanel", k)).Hide();
    Get<Image>(Numbered("AbilityButton", k)).SetTag(-1);
  }
  for (int k = 1; k <= 8; ++k) {
    for (const char* stem : {"ModImage", "EnemyModImage"}) {
      Image& icon = Get<Image>(Numbered(stem, k));
      icon.SetTag(0);
      icon.Hide();
    }
  }
  HideSimulatorInfoPanel();
  ShowSimulatorMessages();
}

void TForm3::LoadSimulatorShipPictures() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto pictures = combat::GetSimulatorShipPictures(combat::Ship(side)[ship::kClass], side);
    const bool player = side == Side::Player;
    Get<Image>(player ? "Image1" : "Image6").LoadPicture(pictures.ship);
    Get<Image>(player ? "MissilePic" : "EnemyMissilePic").LoadPicture(pictures.missile);
    Image& fire = Get<Image>(player ? "PlayerGunFire1" : "EnemyGunFire1");
    fire.LoadPicture(pictures.fire);
    fire.SetBounds(pictures.fireLeft, pictures.fireTop, pictures.fireWidth, fire.Height());
  }
}

void TForm3::ShowShieldFlash(Side side) {
  const bool player = side == Side::Player;
  Get<Image>(player ? "PlayerShield" : "EnemyShield").Show();
  Get<Timer>(player ? "PlayerShieldTimer" : "EnemyShieldTimer").SetEnabled(true);
}

void TForm3::CombatTimerTimer() {
  combat::RunSimulatorRound(Screens());
  ShowSimulatorMessages();
  ShowSimulatorComboPoints();
}

void TForm3::AbilityButtonClick(int k) {
  audio::PlayButtonSound();
  combat::UseSimulatorAbilitySlot(k, Screens());
}

void TForm3::SpeedButtonClick(int k) {
  CombatTimer.SetInterval(combat::kSimulatorSpeeds[static_cast<std::size_t>(k - 1)]);
  for (int i = 1; i <= 4; ++i) {
    Get<SpeedButton>(Numbered("SpeedButton", i))
        .SetFontColor(i == k ? platform::colors::Yellow : platform::colors::White);
  }
}

void TForm3::Image2DblClick() { state::EnemyShip[ship::kShields] = 0; }

void StartCombatSimulator() { combat::RunCombatSimulator(Screens()); }

}  // namespace screens
