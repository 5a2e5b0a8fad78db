#include "screens/combat/simulator_screens.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "audio/sound.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "screens/screen_ui.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/rows.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
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

namespace {

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

// Frame pieces of the duel screen (left, top, width, height) on its 794 x 568 design area. Piece 5
// is the turn-based screen's end-turn control, which a real-time duel does not show: piece 6 covers
// its place as well as its own.
constexpr std::array<std::array<int, 4>, 36> kFrame = {{
    {0, 0, 226, 121},    {226, 0, 351, 82},   {577, 0, 217, 121},  {226, 82, 271, 315},
    {0, 121, 113, 150},  {0, 121, 226, 150},  {0, 271, 113, 126}, {113, 271, 113, 126},
    {497, 82, 80, 315},  {577, 121, 109, 150}, {686, 121, 108, 150}, {577, 271, 109, 126},
    {686, 271, 108, 126}, {0, 397, 113, 43},   {113, 397, 113, 43}, {226, 397, 113, 43},
    {339, 397, 113, 43}, {452, 397, 113, 43},  {565, 397, 113, 43}, {678, 397, 116, 43},
    {0, 440, 66, 43},    {66, 440, 66, 43},    {132, 440, 66, 43},  {198, 440, 67, 43},
    {0, 483, 66, 43},    {66, 483, 66, 43},    {132, 483, 66, 43},  {198, 483, 67, 43},
    {0, 526, 66, 42},    {66, 526, 66, 42},    {132, 526, 66, 42},  {198, 526, 67, 42},
    {560, 440, 234, 18}, {265, 440, 262, 128}, {527, 440, 33, 128}, {560, 458, 234, 110},
}};

constexpr int kEndTurnPiece = 5;
// The enemy ship's left edge for which the simulator's gun-fire places are given.
constexpr int kEnemyShipFirePlaceLeft = 560;

// Where the information panel stands for ability slot 1..12, inside the screen.
constexpr std::array<std::array<int, 2>, 12> kInfoPlaces = {{
    {8, 318}, {96, 318}, {168, 318}, {264, 315}, {327, 315}, {433, 315},
    {488, 315}, {541, 315}, {595, 315}, {600, 315}, {600, 315}, {600, 315},
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
    SimulatorDuelScreen& duel = GameForm<SimulatorDuelScreen>();
    switch (what) {
      case combat::Display::Shields: duel.ShowSimulatorShields(); break;
      case combat::Display::AbilityButtons: duel.RefreshSimulatorAbilityButtons(); break;
      case combat::Display::Missiles: duel.ShowSimulatorMissiles(); break;
      case combat::Display::Modifiers: duel.ShowSimulatorActiveModifiers(); break;
      case combat::Display::ReinforcementRadar: duel.ShowSimulatorReinforcements(); break;
      default: duel.RefreshSimulatorScreen(); break;
    }
  }
  void Animate(Side side, combat::Animation animation) override {
    if (animation == combat::Animation::ShieldHit)
      GameForm<SimulatorDuelScreen>().ShowShieldFlash(side);
  }
  void ResetScreen() override {
    closed_ = false;
    GameForm<SimulatorDuelScreen>().ResetSimulatorScreen();
  }
  void Close() override {
    closed_ = true;
    GameForm<SimulatorDuelScreen>().Close();
  }
  bool IsClosed() const override { return closed_; }
  void StopCombatTimer() override {
    GameForm<SimulatorDuelScreen>().CombatTimer.SetEnabled(false);
  }
  void ShowSetupPage(std::string_view heading) override {
    SimulatorSetupScreen& setup = GameForm<SimulatorSetupScreen>();
    setup.Prepare(std::string(heading).c_str());
    setup.ShowModal();
  }
  void RunDuelScreen() override {
    SimulatorDuelScreen& duel = GameForm<SimulatorDuelScreen>();
    duel.LoadSimulatorShipPictures();
    duel.LayoutSimulatorScreen();
    duel.RefreshSimulatorScreen();
    duel.CombatTimer.SetEnabled(true);
    duel.ShowModal();
    duel.CombatTimer.SetEnabled(false);
  }

 private:
  ScreenUi rules_;
  bool closed_ = false;
};

SimulatorScreens& Screens() {
  static SimulatorScreens screens;
  return screens;
}

}  // namespace

// ---- The set-up page ----

SimulatorSetupScreen::SimulatorSetupScreen() : Form("SimulatorSetup") {
  Bind("OnShipClick", [this](Sender s) { ShipButtonClick(RowNumber(s.sender)); });
  Bind("OnExpertiseClick", [this](Sender s) { ExpertiseButtonClick(RowNumber(s.sender)); });
  Bind("OnContinueClick", &SimulatorSetupScreen::OnContinueClick);
  Bind("OnBackClick", &SimulatorSetupScreen::OnBackClick);
}

void SimulatorSetupScreen::Prepare(const char* heading) {
  heading_.SetCaption(heading);
  shipCaption_.SetCaption(combat::SimulatorSetupStep == 2 ? "Choose the enemy's ship:"
                                                         : "Choose your ship:");
  for (int k = 0; k < 3; ++k) {
    shipFrames_[k]->SetBrush(kSimulatorNormal);
    expertiseFrames_[k]->SetBrush(kSimulatorNormal);
  }
}

void SimulatorSetupScreen::ShipButtonClick(int k) {
  combat::ChooseSimulatorShip(state::ShipClassId{k});  // the ships 1..3 are the classes 1..3
  for (int i = 1; i <= 3; ++i) shipFrames_[i - 1]->SetBrush(i == k ? kSimulatorChosen : kSimulatorNormal);
}

void SimulatorSetupScreen::ExpertiseButtonClick(int k) {
  static constexpr std::array<std::int32_t, 3> kValues = {1, 3, 6};
  combat::ChooseSimulatorExpertise(kValues[static_cast<std::size_t>(k - 1)]);
  for (int i = 1; i <= 3; ++i)
    expertiseFrames_[i - 1]->SetBrush(i == k ? kSimulatorChosen : kSimulatorNormal);
}

void SimulatorSetupScreen::OnContinueClick() {
  if (combat::ContinueSimulatorSetup()) Close();
}

void SimulatorSetupScreen::OnBackClick() {
  combat::BackSimulatorSetup();
  Close();
}

// ---- The duel screen ----

SimulatorDuelScreen::SideView::SideView(const platform::Form& form, const std::string& side)
    : ship(form.Get<Image>(side + "ShipPicture")),
      shieldFlash(form.Get<Image>(side + "Shield")),
      shieldTimer(form.Get<Timer>(side + "ShieldTimer")),
      gunFire(form.Get<Image>(side + "GunFire")),
      gunFireTimer(form.Get<Timer>(side + "GunFireTimer")),
      shieldDisplay(form.Get<Image>(side + "ShieldDisplay")),
      comboPointDisplay(form.Get<Image>(side + "ComboPointDisplay")),
      missilePanel(form.Get<Panel>(side + "MissilePanel")),
      missilePicture(form.Get<Image>(side + "MissilePicture")),
      missileCount(form.Get<Label>(side + "MissileCount")),
      reinforcementPanel(form.Get<Panel>(side + "ReinforcementPanel")),
      reinforcementText(form.Get<Label>(side + "ReinforcementText")),
      modifiers(form.GetNumbered<Image>(side + "Modifier", combat::kModifierSlots)) {
  for (int k = 1; k <= 4; ++k) {
    const std::string message = side + "Message" + std::to_string(k);
    messagePanels.push_back(&form.Get<Panel>(message + "Panel"));
    messageTopics.push_back(&form.Get<Label>(message + "Topic"));
    messageTexts.push_back(&form.Get<Label>(message + "Text"));
    if (k <= 2) messageDots.push_back(&form.Get<Shape>(message + "Dot"));
  }
}

SimulatorDuelScreen::SimulatorDuelScreen() : Form("SimulatorDuel") {
  Bind("OnCombatTimer", &SimulatorDuelScreen::OnCombatTimer);
  Bind("OnAbilityClick", [this](Sender s) { AbilityButtonClick(RowNumber(s.sender)); });
  Bind("OnAbilityHover", [this](Sender s) { ShowSimulatorAbilityInfo(RowNumber(s.sender)); });
  // Every modifier icon acts as the fourth ability button when clicked.
  Bind("OnModifierClick", [this](Sender) { AbilityButtonClick(4); });
  Bind("OnPlayerModifierHover",
       [this](Sender s) { ShowSimulatorModifierInfo(Side::Player, RowNumber(s.sender)); });
  Bind("OnEnemyModifierHover",
       [this](Sender s) { ShowSimulatorModifierInfo(Side::Enemy, RowNumber(s.sender)); });
  Bind("OnFrameHover", [this](Sender) { HideSimulatorInfoPanel(); });
  Bind("OnPaceClick", [this](Sender s) { PaceButtonClick(RowNumber(s.sender)); });
  Bind("OnArenaDblClick", &SimulatorDuelScreen::OnArenaDblClick);
  // The shield and gun-fire pictures flash until their timers run out.
  const auto endFlash = [this](const char* handler, Timer& timer, Image& picture) {
    Bind(handler, [&timer, &picture](Sender) {
      timer.SetEnabled(false);
      picture.Hide();
    });
  };
  endFlash("OnPlayerShieldTimer", player_.shieldTimer, player_.shieldFlash);
  endFlash("OnEnemyShieldTimer", enemy_.shieldTimer, enemy_.shieldFlash);
  endFlash("OnPlayerGunFireTimer", player_.gunFireTimer, player_.gunFire);
  endFlash("OnEnemyGunFireTimer", enemy_.gunFireTimer, enemy_.gunFire);
}

void SimulatorDuelScreen::LayoutSimulatorScreen() {
  for (Image* piece : framePieces_) piece->Hide();
  for (int k = 1; k <= 13; ++k) framePieces_[k - 1]->SetStretch(true);
  for (int k = 1; k <= 36; ++k) {
    Image& piece = *framePieces_[k - 1];
    piece.LoadPicture("Screen_KLEIN_" + TwoDigits(k) + ".jpg");
    const auto& r = kFrame[static_cast<std::size_t>(k - 1)];
    piece.SetBounds(r[0], r[1], r[2], r[3]);
    if (k != kEndTurnPiece) piece.Show();
  }
}

void SimulatorDuelScreen::RefreshSimulatorScreen() {
  ShowSimulatorShields();
  RefreshSimulatorAbilityButtons();
  ShowSimulatorMissiles();
  ShowSimulatorActiveModifiers();
  ShowSimulatorComboPoints();
  ShowSimulatorReinforcements();
  ShowSimulatorMessages();
}

void SimulatorDuelScreen::ShowSimulatorShields() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto& ship = combat::Ship(side);
    const std::int64_t base = state::GetShipClassBaseShields(state::ShipClassOf(ship));
    const std::int64_t index =
        base > 0 ? static_cast<std::int64_t>(ship[ship::kShields]) * 30 / base : -1;
    const int shown = index >= 0 && index <= 30 ? static_cast<int>(index) : 0;
    View(side).shieldDisplay.LoadPicture("Shield_" + TwoDigits(shown) + ".jpg");
  }
}

void SimulatorDuelScreen::RefreshSimulatorAbilityButtons() {
  for (int k = 1; k <= 12; ++k) {
    if (state::PlayerAbilitySlots[k] <= 0) continue;
    const state::Ability ability{state::PlayerAbilitySlots[k]};
    Image& button = *abilityButtons_[k - 1];
    Panel& panel = *abilityPanels_[k - 1];
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

void SimulatorDuelScreen::ShowSimulatorMissiles() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto& volley = side == Side::Player ? state::PlayerMissileVolley : state::EnemyMissileVolley;
    SideView& view = View(side);
    const bool flying = volley[missile_volley::kInFlight] >= 1;
    view.missilePicture.SetVisible(flying);
    view.missilePanel.SetVisible(flying);
    view.missileCount.SetVisible(flying);
    if (flying)
      view.missileCount.SetCaption(std::to_string(volley[missile_volley::kTurnsToImpact]));
  }
}

void SimulatorDuelScreen::ShowSimulatorActiveModifiers() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto& list = combat::ListOf(side);
    for (int k = 1; k <= combat::kModifierSlots; ++k) {
      Image& icon = *View(side).modifiers[k - 1];
      const bool active = list[k][modifier::kActive] != 0;
      if (active && icon.Tag() == 0) {
        icon.LoadPicture(state::GetAbilityImage(state::Ability{list[k][modifier::kAbility]}) +
                         "_ActiveMod.jpg");
        icon.SetHint("Active: " +
                     state::GetAbilityName(state::Ability{list[k][modifier::kAbility]}));
        icon.Show();
        icon.SetTag(1);
      } else if (!active && icon.Tag() == 1) {
        icon.Hide();
        icon.SetTag(0);
      }
    }
  }
}

void SimulatorDuelScreen::ShowSimulatorComboPoints() {
  for (Side side : {Side::Player, Side::Enemy}) {
    // Values outside 0..5 show the nearest end of the bar.
    const int points = std::clamp<int>(combat::Ship(side)[ship::kComboPoints], 0, 5);
    View(side).comboPointDisplay.LoadPicture("Combo_" + TwoDigits(points) + ".jpg");
  }
}

void SimulatorDuelScreen::ShowSimulatorReinforcements() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const std::int32_t countdown = combat::Ship(side)[ship::kReinforcements];
    View(side).reinforcementText.SetCaption(std::to_string(countdown));
    View(side).reinforcementPanel.SetVisible(countdown >= 1);
  }
}

void SimulatorDuelScreen::ShowSimulatorMessages() {
  for (Side side : {Side::Player, Side::Enemy}) {
    SideView& view = View(side);
    for (int k = 1; k <= 4; ++k) {
      const auto& message = combat::SimulatorPanel(side, k);
      view.messageTopics[k - 1]->SetCaption(message.topic);
      view.messageTexts[k - 1]->SetCaption(message.text);
      view.messagePanels[k - 1]->SetVisible(message.visible);
      if (k <= 2) view.messageDots[k - 1]->SetVisible(message.visible);
    }
  }
}

void SimulatorDuelScreen::ShowInfo(int left, int top, state::Ability ability) {
  infoPanel_.SetBounds(left, top, infoPanel_.Width(), infoPanel_.Height());
  infoTitle_.SetCaption(state::GetAbilityName(ability));
  infoDescription_.SetCaption(state::GetAbilityDescription(ability));
}

void SimulatorDuelScreen::ShowSimulatorAbilityInfo(int slot) {
  if (slot < 1 || slot > 12) return;
  const auto& place = kInfoPlaces[static_cast<std::size_t>(slot - 1)];
  ShowInfo(place[0], place[1], state::Ability{state::PlayerAbilitySlots[slot]});
  infoEffect_.SetCaption("");
  infoComboPoint_.Show();
  infoPanel_.Show();
}

void SimulatorDuelScreen::ShowSimulatorModifierInfo(Side side, int slot) {
  if (slot < 1 || slot > combat::kModifierSlots) return;
  const state::Ability ability{combat::ListOf(side)[slot][modifier::kAbility]};
  // Below the row of modifier icons it describes, never over it.
  ShowInfo(side == Side::Player ? 39 : 575, 98, ability);
  infoEffect_.SetCaption(state::GetAbilityEffectText(ability));
  infoComboPoint_.Hide();
  infoPanel_.Show();
}

void SimulatorDuelScreen::HideSimulatorInfoPanel() { infoPanel_.Hide(); }

void SimulatorDuelScreen::ResetSimulatorScreen() {
  for (int k = 0; k < 12; ++k) {
    abilityPanels_[k]->Hide();
    abilityButtons_[k]->SetTag(-1);
  }
  for (SideView* view : {&player_, &enemy_}) {
    for (Image* icon : view->modifiers) {
      icon->SetTag(0);
      icon->Hide();
    }
  }
  HideSimulatorInfoPanel();
  ShowSimulatorMessages();
}

void SimulatorDuelScreen::LoadSimulatorShipPictures() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const auto pictures =
        combat::GetSimulatorShipPictures(state::ShipClassOf(combat::Ship(side)), side);
    SideView& view = View(side);
    view.ship.LoadPicture(pictures.ship);
    view.missilePicture.LoadPicture(pictures.missile);
    view.gunFire.LoadPicture(pictures.fire);
    // The gun-fire places are given for the enemy ship at its old place; fire moves with the ship.
    const int shift = side == Side::Player ? 0 : enemy_.ship.Left() - kEnemyShipFirePlaceLeft;
    view.gunFire.SetBounds(pictures.fireLeft + shift, pictures.fireTop, pictures.fireWidth,
                           view.gunFire.Height());
  }
}

void SimulatorDuelScreen::ShowShieldFlash(Side side) {
  View(side).shieldFlash.Show();
  View(side).shieldTimer.SetEnabled(true);
}

void SimulatorDuelScreen::OnCombatTimer() {
  combat::RunSimulatorRound(Screens());
  ShowSimulatorMessages();
  ShowSimulatorComboPoints();
}

void SimulatorDuelScreen::AbilityButtonClick(int k) {
  audio::PlayButtonSound();
  combat::UseSimulatorAbilitySlot(k, Screens());
}

void SimulatorDuelScreen::PaceButtonClick(int k) {
  CombatTimer.SetInterval(combat::kSimulatorSpeeds[static_cast<std::size_t>(k - 1)]);
  for (int i = 1; i <= 4; ++i)
    paceButtons_[i - 1]->SetFontColor(i == k ? platform::colors::Yellow : platform::colors::White);
}

void SimulatorDuelScreen::OnArenaDblClick() { state::EnemyShip[ship::kShields] = 0; }

void StartCombatSimulator() { combat::RunCombatSimulator(Screens()); }

}  // namespace screens
