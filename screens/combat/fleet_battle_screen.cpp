#include "screens/combat/fleet_battle_screen.h"

#include <string>

#include "audio/sound.h"
#include "combat/fleet_battle.h"
#include "screens/shared/doors.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/liveries.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;
using platform::SpeedButton;

// The battle's rules reach the screen through this: popups and questions on the game's popups,
// redraws and the duel timer on the screen.
class FleetBattleScreen::Battle : public combat::FleetBattleUi {
 public:
  Battle(FleetBattleScreen& screen, rules::Ui& rules) : FleetBattleUi(rules), screen_(screen) {}

  void ShowPopup(std::string_view topic, std::string_view text) override {
    popups::ShowText(topic, text);
  }
  bool Ask(std::string_view topic, std::string_view text) override {
    return popups::AskYesNo(topic, text);
  }
  void Refresh() override { screen_.Refresh(); }
  void ShowShieldBars() override { screen_.ShowShieldBars(); }
  void ShowDuelPanels() override { screen_.ShowPanels(); }
  void SetSpeedButtonsEnabled(bool enabled) override {
    for (SpeedButton* button : screen_.speedButtons_) button->SetEnabled(enabled);
  }
  void SetDuelTimer(bool running) override { screen_.duelTimer_.SetEnabled(running); }
  void Close() override {
    closed_ = true;
    screen_.Close();
  }
  bool IsClosed() const override { return closed_; }

 private:
  FleetBattleScreen& screen_;
  bool closed_ = false;
};

namespace {

std::vector<PictureButton> Buttons(const platform::Form& form) {
  return {
      {form.Get<Image>("AttackButton"), "WaveScreen_05.jpg", "WaveScreenON_05.jpg"},
      {form.Get<Image>("EscortAttackButton"), "WaveScreen_06.jpg", "WaveScreenON_06.jpg"},
      {form.Get<Image>("RechargeButton"), "WaveScreen_10.jpg", "WaveScreenON_10.jpg"},
      {form.Get<Image>("RetreatButton"), "WaveScreen_16.jpg", "WaveScreenON_16.jpg"},
      {form.Get<Image>("TargetCloseButton"), "WaveScreenPopupEnemy_09.jpg",
       "WaveScreenPopupEnemyON_09.jpg"},
      {form.Get<Image>("EscortCloseButton"), "WaveScreenPopupAllie_09.jpg",
       "WaveScreenPopupAllieON_09.jpg"},
  };
}

// A fleet symbol as the view places it, in the livery of its ship's faction; its label shows beside
// it in compatibility mode.
void ShowSymbol(const combat::FleetSymbol& symbol, Image& image, Label& label, bool own) {
  if (!symbol.visible) {
    image.Hide();
    label.Hide();
    return;
  }
  const auto& fleet = own ? state::PlayerFleet : state::EnemyFleet;
  // A symbol outside the fleet's rows keeps the picture's own colours.
  const bool inFleet = symbol.row >= 1 && symbol.row < state::kFleetRows;
  image.LoadPicture(
      inFleet ? SymbolInLivery(symbol.picture, Faction{fleet[symbol.row][fleet_ship::kFaction]})
              : symbol.picture);
  image.SetTag(symbol.row);
  image.Show();
  label.SetVisible(state::CompatibilityMode == 1);
}

}  // namespace

FleetBattleScreen::ShipPanel::ShipPanel(const platform::Form& form, const std::string& side)
    : panel(form.Get<platform::Panel>(side + "Panel")),
      picture(form.Get<Image>(side + "Picture")),
      name(form.Get<Label>(side + "Name")),
      role(form.Get<Label>(side + "Role")),
      shieldBar(form.Get<Image>(side + "ShieldBar")),
      shieldText(form.Get<Label>(side + "ShieldText")) {}

FleetBattleScreen::FleetBattleScreen()
    : Form("FleetBattle"),
      buttons_(Buttons(*this)),
      guard_(*this, state::FleetBattleMayClose),
      speedButtons_({&Get<SpeedButton>("AttackSpeedButton"),
                     &Get<SpeedButton>("EscortAttackSpeedButton"),
                     &Get<SpeedButton>("RechargeSpeedButton"),
                     &Get<SpeedButton>("RetreatSpeedButton")}) {
  Bind("OnOwnShipClick", &FleetBattleScreen::OnOwnShipClick);
  Bind("OnEnemyShipClick", &FleetBattleScreen::OnEnemyShipClick);
  Bind("OnTargetCloseClick", &FleetBattleScreen::OnTargetCloseClick);
  Bind("OnEscortCloseClick", &FleetBattleScreen::OnEscortCloseClick);
  Bind("OnHiddenCloseClick", &FleetBattleScreen::OnHiddenCloseClick);
  Bind("OnShipPictureClick", &FleetBattleScreen::OnShipPictureClick);
  Bind("OnPortraitClick", &FleetBattleScreen::OnPortraitClick);
  Bind("OnAttackClick", &FleetBattleScreen::OnAttackClick);
  Bind("OnEscortAttackClick", &FleetBattleScreen::OnEscortAttackClick);
  Bind("OnRechargeClick", &FleetBattleScreen::OnRechargeClick);
  Bind("OnRetreatClick", &FleetBattleScreen::OnRetreatClick);
  Bind("OnDuelTimer", &FleetBattleScreen::OnDuelTimer);
  Bind("OnAttackHover", [this](Sender) { buttons_.Hover(kAttackButton); });
  Bind("OnEscortAttackHover", [this](Sender) { buttons_.Hover(kEscortAttackButton); });
  Bind("OnRechargeHover", [this](Sender) { buttons_.Hover(kRechargeButton); });
  Bind("OnRetreatHover", [this](Sender) { buttons_.Hover(kRetreatButton); });
  Bind("OnTargetCloseHover", [this](Sender) { buttons_.Hover(kTargetCloseButton); });
  Bind("OnEscortCloseHover", [this](Sender) { buttons_.Hover(kEscortCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
  // The guard lets the battle's own endings through; anything else asks whether to quit the game.
  guard_.OnRefused([this] { return battle_ && combat::FleetBattleCloseQuery(*battle_); });
  Bind("FormClose", &FleetBattleScreen::OnClosed);
}

FleetBattleScreen::~FleetBattleScreen() = default;

bool FleetBattleScreen::RunBattle(rules::Ui& rules) {
  battle_ = std::make_unique<Battle>(*this, rules);
  buttons_.RestoreAll();
  battle_->SetSpeedButtonsEnabled(true);
  combat::RefreshFleetBattleScreen(*battle_);
  ShowModal();
  // However the showing ended (the program's end closes no form), no duel outlives the battle.
  duelTimer_.SetEnabled(false);
  combat::FleetBattleScreenClosed();
  battle_.reset();
  return combat::FleetBattleWon == 1;
}

void FleetBattleScreen::Refresh() {
  const combat::FleetBattleView view = combat::BuildFleetBattleView();
  ShowSymbol(view.ownLarge, ownLarge_, ownLargeLabel_, true);
  for (std::size_t k = 0; k < view.ownSmall.size(); ++k)
    ShowSymbol(view.ownSmall[k], *ownSmall_[k], *ownSmallLabels_[k], true);
  for (std::size_t k = 0; k < view.enemyLarge.size(); ++k)
    ShowSymbol(view.enemyLarge[k], *enemyLarge_[k], *enemyLargeLabels_[k], false);
  for (std::size_t k = 0; k < view.enemySmall.size(); ++k)
    ShowSymbol(view.enemySmall[k], *enemySmall_[k], *enemySmallLabels_[k], false);
  ShowPanels(view);
  shieldBar_.LoadPicture(view.playerShieldBar);
  shieldText_.SetCaption(view.playerShieldText);
  experienceBar_.LoadPicture(view.experienceBar);
  experienceText_.SetCaption(view.experienceText);
  shipPicture_.LoadPicture(view.shipPicture);
  portrait_.LoadPicture(view.portrait);
}

void FleetBattleScreen::ShowPanels() { ShowPanels(combat::BuildFleetBattleView()); }

void FleetBattleScreen::ShowPanels(const combat::FleetBattleView& view) {
  target_.Show(view.target);
  escort_.Show(view.escort);
}

void FleetBattleScreen::ShowShieldBars() {
  const combat::FleetBattleView view = combat::BuildFleetBattleView();
  target_.ShowShields(view.target);
  escort_.ShowShields(view.escort);
}

void FleetBattleScreen::ShipPanel::Show(const combat::FleetShipPanel& shown) {
  panel.SetVisible(shown.visible);
  if (!shown.visible) return;
  picture.LoadPicture(shown.picture);
  name.SetCaption(shown.name);
  role.SetCaption(shown.role);
  ShowShields(shown);
}

void FleetBattleScreen::ShipPanel::ShowShields(const combat::FleetShipPanel& shown) {
  if (!shown.visible) return;
  shieldBar.LoadPicture(shown.shieldBar);
  shieldText.SetCaption(shown.shieldText);
}

// ---- Handlers: each plays the click and hands it to the battle's rules ----

void FleetBattleScreen::OnOwnShipClick(platform::EventArgs& args) {
  audio::PlayButtonSound();
  if (battle_) combat::ClickOwnShipSymbol(args.sender.Tag(), *battle_);
}

void FleetBattleScreen::OnEnemyShipClick(platform::EventArgs& args) {
  audio::PlayButtonSound();
  if (battle_) combat::ClickEnemyShipSymbol(args.sender.Tag(), *battle_);
}

void FleetBattleScreen::OnTargetCloseClick() {
  audio::PlayButtonSound();
  if (battle_) combat::CloseTargetPanel(*battle_);
}

void FleetBattleScreen::OnEscortCloseClick() {
  audio::PlayButtonSound();
  if (battle_) combat::CloseEscortPanel(*battle_);
}

void FleetBattleScreen::OnHiddenCloseClick() {
  audio::PlayButtonSound();
  if (battle_) combat::HiddenCloseButton(*battle_);
}

// The status screens wait while an escort's duel runs, as every order but the escort's does.
void FleetBattleScreen::OnShipPictureClick() {
  audio::PlayButtonSound();
  if (combat::FleetDuelRunning) return;
  ShowOwnShipStatus();
}

void FleetBattleScreen::OnPortraitClick() {
  audio::PlayButtonSound();
  if (combat::FleetDuelRunning) return;
  audio::PlayMaximizeSound();
  OpenPersonalStatus();
}

void FleetBattleScreen::OnAttackClick() {
  audio::PlayButtonSound();
  if (battle_) combat::AttackTargetYourself(*battle_);
}

// An escort already in its duel is not sent again: a second order would only top up the shields
// once more for nothing.
void FleetBattleScreen::OnEscortAttackClick() {
  audio::PlayButtonSound();
  if (combat::FleetDuelRunning) return;
  if (battle_) combat::SelectedEscortAttacks(*battle_);
}

void FleetBattleScreen::OnRechargeClick() {
  audio::PlayButtonSound();
  if (battle_) combat::EmergencyShieldRecharge(*battle_);
}

void FleetBattleScreen::OnRetreatClick() {
  audio::PlayButtonSound();
  if (battle_) combat::RetreatFromFleetBattle(*battle_);
}

void FleetBattleScreen::OnDuelTimer() {
  if (battle_) {
    combat::FleetDuelTick(*battle_);
  } else {
    duelTimer_.SetEnabled(false);
  }
}

void FleetBattleScreen::OnClosed() {
  duelTimer_.SetEnabled(false);
  combat::FleetBattleScreenClosed();
  guard_.Closed();
}

bool FleetBattleShowing() { return GameForm<FleetBattleScreen>().Visible(); }

void HideFleetBattle() {
  GameForm<FleetBattleScreen>().Hide();
}

void ShowFleetBattleAgain() {
  if (GameForm<FleetBattleScreen>().Modal()) GameForm<FleetBattleScreen>().Show();
}

// ---- The hook the rules reach ----

bool RunFleetBattleOnScreen(Faction enemyFaction, std::int32_t fleetKind) {
  // The battle takes the travel screen's place; the trade window waits hidden until it is over.
  const TradeWindowAside tradeWindowAside;
  combat::PrepareFleetBattle(enemyFaction, fleetKind);
  return GameForm<FleetBattleScreen>().RunBattle();
}

}  // namespace screens
