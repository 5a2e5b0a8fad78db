#include "screens/combat/ship_combat_screen.h"

#include <string>

#include "audio/sound.h"
#include "combat/combat_end.h"
#include "combat/enemy_ai.h"
#include "combat/rounds.h"
#include "screens/combat/boarding_screen.h"
#include "screens/combat/fleet_battle_screen.h"
#include "screens/combat/ship_combat_view.h"
#include "combat/setup.h"
#include "combat/sides.h"
#include "rules/tutorial.h"
#include "screens/shared/doors.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/rows.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/variables.h"

namespace screens {

using combat::Side;
using platform::Image;
using platform::Label;
using platform::Panel;
using platform::Sender;
using platform::Shape;
using platform::Timer;

namespace {

constexpr const char* kEndTurnPicture = "Screen_KLEIN_05.jpg";
constexpr const char* kEndTurnLitPicture = "Screen_KLEINON_05.jpg";


// Enabling a timer that already runs leaves its count alone: a second message within one interval
// goes when the first interval ends.
void Enable(Timer& timer) {
  if (!timer.Enabled()) timer.SetEnabled(true);
}

// Moves `control` to `place`; a place without a size keeps the control's own.
void Place(platform::Control& control, const combat::PicturePlace& place) {
  control.SetBounds(place.left, place.top, place.width > 0 ? place.width : control.Width(),
                    place.height > 0 ? place.height : control.Height());
}

// The ability information of combat ability `id` in the text popup; nothing for an empty slot.
void ShowAbilityInfo(std::int32_t stored) {
  if (stored <= 0) return;
  const state::Ability id{stored};
  popups::ShowTextWithActionPoints(state::GetAbilityName(id), state::GetAbilityDescription(id),
                                   state::GetAbilityApCost(id));
}

}  // namespace

// ---- The rules' side ----

ShipCombatUi::ShipCombatUi(ShipCombatScreen& screen) : CombatUi(rules_), screen_(screen) {}

void ShipCombatUi::ShowMessage(Side side, std::string_view topic, std::string_view text) {
  screen_.ShowMessage(side, topic, text);
}

// Whatever the fight shows next, the messages before it are read out first (in compatibility
// mode; otherwise none wait).
void ShipCombatUi::ShowPopup(combat::CombatPopup kind, std::string_view topic,
                             std::string_view text, std::string_view picture) {
  screen_.ReadOutMessages();
  switch (kind) {
    case combat::CombatPopup::Text: popups::ShowText(topic, text); break;
    case combat::CombatPopup::Picture: popups::ShowPicture(topic, text, picture); break;
    case combat::CombatPopup::Experience: popups::ShowFame(text, picture); break;
    case combat::CombatPopup::Loot: popups::ShowReward(text, picture); break;
  }
}

bool ShipCombatUi::Ask(std::string_view topic, std::string_view text) {
  screen_.ReadOutMessages();
  return popups::AskYesNo(topic, text);
}

bool ShipCombatUi::AskEitherWay(std::string_view topic, std::string_view text) {
  screen_.ReadOutMessages();
  return popups::AskYesNo(topic, text, popups::EscapeKey::DoesNothing);
}

bool ShipCombatUi::AskWithPicture(std::string_view topic, std::string_view text,
                                  std::string_view picture) {
  screen_.ReadOutMessages();
  return popups::Choose(topic, text, picture, "Yes", "No", popups::EscapeKey::DoesNothing);
}

void ShipCombatUi::Refresh(combat::Display what) {
  switch (what) {
    case combat::Display::Shields: screen_.ShowShields(); break;
    case combat::Display::AbilityButtons: screen_.RefreshAbilityButtons(); break;
    case combat::Display::Missiles: screen_.ShowMissiles(); break;
    case combat::Display::Modifiers: screen_.ShowActiveModifiers(); break;
    case combat::Display::ActionPointBar: screen_.ShowActionPointBar(); break;
    case combat::Display::ReinforcementRadar: screen_.ShowReinforcementRadar(); break;
    case combat::Display::Everything: screen_.RefreshShipCombatScreen(); break;
  }
}

void ShipCombatUi::Animate(Side side, combat::Animation animation) {
  screen_.Animate(side, animation);
}

void ShipCombatUi::StartEnemyMessageTimer() { screen_.StartEnemyMessageTimer(); }

void ShipCombatUi::SetEndTurnEnabled(bool enabled) { screen_.SetEndTurnEnabled(enabled); }

void ShipCombatUi::ResetScreen() {
  closed_ = false;
  screen_.ResetScreen();
}

void ShipCombatUi::Close() {
  screen_.ReadOutMessages();
  closed_ = true;
  // Nothing of the fight goes on behind the closing screen.
  screen_.StopTimers();
  screen_.Close();
}

void ShipCombatUi::OpenBoarding() {
  screen_.ReadOutMessages();
  OpenBoardingScreen(*this);
}

void ShipCombatUi::AwardSilverStar() {
  screen_.ReadOutMessages();
  AwardSilverStarMedal();
}

void ShipCombatUi::AwardGoldStar() {
  screen_.ReadOutMessages();
  AwardGoldStarMedal();
}

// ---- The screen ----

ShipCombatScreen::SideView::SideView(const platform::Form& form, const std::string& side)
    : ship(form.Get<Image>(side + "ShipPicture")),
      shotPast(form.Get<Image>("ShotPast" + side + "Ship")),
      gunBeam(form.Get<Image>(side + "GunBeam")),
      shieldDisplay(form.Get<Image>(side + "ShieldDisplay")),
      actionPointBar(form.Get<Image>(side + "ActionPointBar")),
      radar(form.Get<Image>(side + "Radar")),
      missilePanel(form.Get<Panel>(side + "MissilePanel")),
      missile(form.Get<Image>(side + "MissilePicture")),
      missileCount(form.Get<Label>(side + "MissileCount")),
      messageShape(form.Get<Shape>(side + "MessageShape")),
      messageTopic(form.Get<Label>(side + "MessageTopic")),
      messageText(form.Get<Label>(side + "MessageText")),
      messageTimer(form.Get<Timer>(side + "MessageTimer")),
      gunFireTimer(form.Get<Timer>(side + "GunFireTimer")),
      shieldTimer(form.Get<Timer>(side + "ShieldTimer")),
      modifiers(form.GetNumbered<Image>(side + "Modifier", kCombatModifierIcons)),
      shieldsLabel(form.Get<Label>(side + "ShieldsLabel")),
      missileLabel(form.Get<Label>(side + "MissileLabel")),
      reinforcementsLabel(form.Get<Label>(side + "ReinforcementsLabel")),
      gunShotBounds(shotPast.Bounds()) {}

ShipCombatScreen::ShipCombatScreen()
    : Form("ShipCombat"),
      endTurn_({{Get<Image>("EndTurnButton"), kEndTurnPicture, kEndTurnLitPicture}},
               LitState::In(endTurnHover_)),
      guard_(*this, state::CombatMayClose),
      ui_(*this) {
  Bind("OnEndTurnClick", &ShipCombatScreen::OnEndTurnClick);
  Bind("OnEndTurnHover", [this](Sender) { endTurn_.Hover(1); });
  Bind("OnFaceHover", [this](Sender) { endTurn_.Restore(); });
  Bind("OnAbilityDown", &ShipCombatScreen::OnAbilityDown);
  Bind("OnPlayerModifierDown",
       [this](Sender s) { OnModifierDown(Side::Player, RowNumber(s.sender)); });
  Bind("OnEnemyModifierDown",
       [this](Sender s) { OnModifierDown(Side::Enemy, RowNumber(s.sender)); });
  Bind("OnCompatibilitySwitchClick", &ShipCombatScreen::OnCompatibilitySwitchClick);
  Bind("OnPlayerMessageTimer", &ShipCombatScreen::OnPlayerMessageTimer);
  Bind("OnEnemyMessageTimer", &ShipCombatScreen::OnEnemyMessageTimer);
  // Each picture timer puts its own ship's normal picture back, and takes away a shot that missed it.
  for (SideView* view : {&player_, &enemy_}) {
    const std::string side = view == &player_ ? "Player" : "Enemy";
    const auto restore = [view](Timer& timer) {
      return [view, &timer](Sender) {
        timer.SetEnabled(false);
        view->ship.LoadPicture(view->normal);
        view->shotPast.Hide();
        if (&timer == &view->gunFireTimer) view->gunBeam.Hide();
      };
    };
    Bind("On" + side + "GunFireTimer", restore(view->gunFireTimer));
    Bind("On" + side + "ShieldTimer", restore(view->shieldTimer));
  }
  // The information behind the pictures, by any mouse button.
  const auto info = [this](const char* handler, const char* topic, const char* text) {
    Bind(handler, [topic, text](Sender) { popups::ShowText(topic, text); });
  };
  info("OnPlayerReinforcementsDown", "Your reinforcements",
       "Sometimes you are supported by reinforcements. This can happen especially when you are "
       "attacked within friendly space.");
  info("OnEnemyReinforcementsDown", "Enemy reinforcements",
       "Sometimes your enemy is supported by reinforcements. This can happen especially when you "
       "attack them within enemy space.");
  info("OnPlayerRadarDown", "Your reinforcements",
       "You are supported by reinforcements. However they will need some time until they arrive.");
  info("OnEnemyRadarDown", "Enemy reinforcements",
       "Your enemy is supported by reinforcements. However they will need some time until they "
       "arrive.");
  info("OnPlayerMissileDown", "Missile",
       "This icon symbolizes a missile volley fired from your ship. The number left of the icon "
       "displays the time until impact.");
  info("OnEnemyMissileDown", "Enemy missile",
       "This icon symbolizes an enemy missile volley. Be careful! They can cause great damage! You "
       "should intercept it using your ECM.");
  Bind("OnPlayerShipDown", [](Sender) {
    audio::PlayMaximizeSound();
    ShowOwnShipStatus();
  });
  Bind("OnEnemyShipDown", [](Sender) {
    audio::PlayMaximizeSound();
    ShowOpponentShipStatus();
  });
  // The developer buttons, hidden in the layout and reached only by tests.
  Bind("OnForceBoardingClick", [this](Sender) { combat::ForceBoarding(ui_); });
  Bind("OnShieldsDownClick", [this](Sender) {
    state::PlayerShip[ship::kShields] = 0;
    state::EnemyShip[ship::kShields] = 0;
    ShowShields();
  });
  Bind("OnDestroyEnemyClick", [this](Sender) {
    state::EnemyShip[ship::kShields] = 0;
    combat::CheckShipCombatEnd(ui_);
  });
  Bind("OnCheatDblClick", [](Sender) {
    audio::PlayButtonSound();
    OpenCheatScreen();
  });
  // The end of the fight closes the screen; anything else asks whether to quit the game.
  guard_.OnRefused([this] { return AskQuitGame(); });
  Bind("FormClose", [this](Sender) { OnClosed(); });
}

void ShipCombatScreen::SetupFight(state::ShipClassId enemyClass, Faction enemyFaction,
                                  ShipKind enemyKind, std::int32_t enemyTier) {
  combat::SetupShipCombat(enemyClass, enemyFaction, enemyKind, enemyTier, ui_);
  LoadFightPictures();
}

void ShipCombatScreen::LoadFightPictures() {
  const combat::CombatPictures& p = combat::Pictures;
  player_.normal = p.playerNormal;
  player_.shield = p.playerShield;
  player_.firing = p.playerFiring;
  enemy_.normal = p.enemyNormal;
  enemy_.shield = p.enemyShield;
  enemy_.firing = p.enemyFiring;
  // Each ship's place on the screen, with the picture inside it.
  for (SideView* view : {&player_, &enemy_}) {
    const bool player = view == &player_;
    const combat::PicturePlace& area = player ? p.playerShipPanel : p.enemyShipPanel;
    const combat::PicturePlace& place = player ? p.playerPrimary : p.enemyPrimary;
    view->ship.SetBounds(area.left + place.left, area.top + place.top, place.width, place.height);
    view->ship.SetStretch(place.stretch);
    view->ship.LoadPicture(view->normal);
  }
  player_.incomingMissile = p.enemyMissile;
  enemy_.incomingMissile = p.missile;
  Place(player_.missilePanel, p.missilePanel);
  Place(enemy_.missilePanel, p.enemyMissilePanel);
  player_.missile.LoadPicture(p.missile.file);
  player_.missile.SetBounds(0, 0, p.missile.width, p.missile.height);
  enemy_.missile.LoadPicture(p.enemyMissile.file);
  enemy_.missile.SetBounds(0, 0, p.enemyMissile.width, p.enemyMissile.height);
}

void ShipCombatScreen::RunFight() {
  ApplyTimerIntervals();
  endTurn_.RestoreAll();
  combat::PrepareShipCombat();
  combat::RefreshShipCombatScreen(ui_);
  audio::PlayMaximizeSound();
  ShowModal();
  StopTimers();
}

void ShipCombatScreen::ApplyTimerIntervals() {
  player_.messageTimer.SetInterval(state::TimerPlayerMessageInterval);
  enemy_.messageTimer.SetInterval(state::TimerEnemyMessageInterval);
  player_.gunFireTimer.SetInterval(state::PlayerFireGunImageTimerInterval);
  enemy_.gunFireTimer.SetInterval(state::EnemyFireGunImageTimerInterval);
  player_.shieldTimer.SetInterval(state::PlayerShieldTimerInterval);
  enemy_.shieldTimer.SetInterval(state::EnemyShieldTimerInterval);
}

void ShipCombatScreen::StopTimers() {
  for (SideView* view : {&player_, &enemy_}) {
    view->messageTimer.SetEnabled(false);
    view->gunFireTimer.SetEnabled(false);
    view->shieldTimer.SetEnabled(false);
  }
}

// ---- Display ----

void ShipCombatScreen::RefreshShipCombatScreen() {
  ShowShields();
  RefreshAbilityButtons();
  ShowMissiles();
  ShowActiveModifiers();
  ShowActionPointBar();
  // Last, as each of these does, the compatibility texts.
  ShowReinforcementRadar();
}

void ShipCombatScreen::ShowShields() {
  player_.shieldDisplay.LoadPicture(ShieldGaugePicture(Side::Player));
  enemy_.shieldDisplay.LoadPicture(ShieldGaugePicture(Side::Enemy));
  UpdateCompatibilityLabels();
}

void ShipCombatScreen::RefreshAbilityButtons() {
  for (int k = 1; k <= kCombatAbilityButtons; ++k) {
    const AbilityButtonView view = BuildAbilityButton(k);
    Panel& panel = *abilityPanels_[static_cast<std::size_t>(k - 1)];
    Image& button = *abilityButtons_[static_cast<std::size_t>(k - 1)];
    if (!view.shown) {
      panel.Hide();
      continue;
    }
    button.LoadPicture(view.picture);
    if (!view.hint.empty()) button.SetHint(view.hint);
    panel.Show();
    button.SetTag(0);
    button.SetEnabled(true);
  }
}

void ShipCombatScreen::ShowMissiles() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const MissileView view = BuildMissileView(side);
    SideView& v = View(side);
    v.missilePanel.SetVisible(view.shown);
    v.missile.SetVisible(view.shown);
    v.missileCount.SetVisible(view.shown);
    if (view.shown) v.missileCount.SetCaption(view.count);
  }
}

void ShipCombatScreen::ShowActiveModifiers() {
  for (Side side : {Side::Player, Side::Enemy}) {
    for (int k = 1; k <= kCombatModifierIcons; ++k) {
      const ModifierIconView view = BuildModifierIcon(side, k);
      Image& icon = *View(side).modifiers[static_cast<std::size_t>(k - 1)];
      // An icon is loaded when its modifier starts and stays while it lasts; a slot taken by
      // another modifier between two redraws gets the new icon.
      if (view.active && (icon.Tag() == 0 || icon.PictureName() != view.picture)) {
        icon.LoadPicture(view.picture);
        icon.SetTag(1);
        icon.SetHint(view.hint);
        icon.Show();
      } else if (!view.active && icon.Tag() == 1) {
        icon.SetTag(0);
        icon.Hide();
      }
    }
  }
}

void ShipCombatScreen::ShowActionPointBar() {
  player_.actionPointBar.LoadPicture(ActionPointBarPicture());
  enemy_.actionPointBar.LoadPicture(kEnemyActionPointBar);
  UpdateCompatibilityLabels();
}

void ShipCombatScreen::ShowReinforcementRadar() {
  for (Side side : {Side::Player, Side::Enemy}) {
    const RadarView view = BuildRadarView(side);
    Image& radar = View(side).radar;
    if (!view.shown) {
      radar.Hide();
      continue;
    }
    if (radar.PictureName() != view.picture) radar.LoadPicture(view.picture);
    radar.SetTag(view.step);
    radar.Show();
  }
  UpdateCompatibilityLabels();
}

void ShipCombatScreen::UpdateCompatibilityLabels() {
  const bool on = state::CompatibilityMode == 1;
  std::vector<Label*> labels{&compatibilitySwitch_, &actionPointsLabel_};
  labels.insert(labels.end(), abilityLabels_.begin(), abilityLabels_.end());
  for (SideView* view : {&player_, &enemy_})
    labels.insert(labels.end(), {&view->shieldsLabel, &view->missileLabel,
                                 &view->reinforcementsLabel});
  if (!on) {
    for (Label* label : labels) label->Hide();
    return;
  }
  const CombatCompatibilityTexts texts = BuildCompatibilityTexts();
  compatibilitySwitch_.SetCaption(texts.modeSwitch);
  actionPointsLabel_.SetCaption(texts.actionPoints);
  for (std::size_t k = 0; k < abilityLabels_.size(); ++k)
    abilityLabels_[k]->SetCaption(texts.abilities[k]);
  for (Side side : {Side::Player, Side::Enemy}) {
    SideView& v = View(side);
    v.shieldsLabel.SetCaption(texts.Of(side).shields);
    v.missileLabel.SetCaption(texts.Of(side).missile);
    v.reinforcementsLabel.SetCaption(texts.Of(side).reinforcements);
  }
  // An empty ability slot has neither a button nor a caption.
  for (Label* label : labels) {
    label->SetVisible(!label->Caption().empty());
    label->BringToFront();
  }
}

// ---- Messages and animations ----

void ShipCombatScreen::ShowMessage(Side side, std::string_view topic, std::string_view text) {
  SideView& v = View(side);
  v.messageTopic.SetCaption(topic);
  v.messageText.SetCaption(text);
  Enable(v.messageTimer);
  v.messageShape.Show();
  v.messageTopic.Show();
  v.messageText.Show();
  // Each message is read out once, also one that a second message of its side replaces on the
  // screen before its time is over.
  if (state::CompatibilityMode == 1) unread_.push_back({std::string(topic), std::string(text)});
}

void ShipCombatScreen::ReadOutMessages() {
  // A popup of the read-out is open: it goes on with the rest when the player closes it.
  if (readingOut_) return;
  readingOut_ = true;
  while (!unread_.empty()) {
    const Message message = std::move(unread_.front());
    unread_.pop_front();
    popups::ShowText(message.topic, message.text);
  }
  readingOut_ = false;
}

void ShipCombatScreen::StartEnemyMessageTimer() { Enable(enemy_.messageTimer); }

void ShipCombatScreen::HideMessage(Side side) {
  SideView& v = View(side);
  v.messageTimer.SetEnabled(false);
  v.messageTopic.Hide();
  v.messageText.Hide();
  v.messageShape.Hide();
  ReadOutMessages();
}

void ShipCombatScreen::OnPlayerMessageTimer() { HideMessage(Side::Player); }

void ShipCombatScreen::OnEnemyMessageTimer() {
  // While the player reads a message, the enemy's next step waits for another interval.
  if (readingOut_) {
    enemy_.messageTimer.SetEnabled(true);
    return;
  }
  HideMessage(Side::Enemy);
  // The enemy takes its next step once its message has been shown for one interval.
  if (!ui_.IsClosed()) combat::EnemyMessageTimerTick(ui_);
}

void ShipCombatScreen::Animate(Side side, combat::Animation animation) {
  SideView& v = View(side);
  if (animation == combat::Animation::Firing) {
    // The volley crosses the gap to the other ship's middle, where its shields flare on a hit.
    const platform::Rect from = v.ship.Bounds(), to = View(combat::Other(side)).ship.Bounds();
    const bool player = side == Side::Player;
    PlaceGunBeam(v, player ? from.x + from.w : from.x, from.y + from.h / 2, player ? to.x : to.x + to.w,
                 to.y + to.h / 2);
    v.ship.LoadPicture(v.firing);
    v.gunFireTimer.SetEnabled(false);
    v.gunFireTimer.SetTag(0);
    v.gunFireTimer.SetEnabled(true);
  } else if (animation == combat::Animation::ShieldHit) {
    v.shotPast.Hide();
    v.ship.LoadPicture(v.shield);
    Enable(v.shieldTimer);
  } else {  // a miss: the shot streaks past the ship, just above it, and its shields stay quiet
    const bool missile = animation == combat::Animation::MissileMiss;
    const platform::Rect& r = v.gunShotBounds;
    const combat::PicturePlace& m = v.incomingMissile;
    v.ship.LoadPicture(v.normal);
    SideView& shooter = View(combat::Other(side));
    v.shotPast.LoadPicture(missile ? m.file : MissStreakPicture(shooter.firing, side));
    if (missile) {
      v.shotPast.SetBounds(r.x + (r.w - m.width) / 2, r.y - 6, m.width, m.height);
    } else {
      // The streak grazes the ship's upper hull, inside its shields.
      const platform::Rect ship = v.ship.Bounds();
      const int streakY = ship.y + ship.h * 3 / 10 - r.h / 2;
      v.shotPast.SetBounds(r.x, streakY, r.w, r.h);
      // The volley in the gap turns towards the streak that passes this ship by.
      if (shooter.gunBeam.Visible()) {
        const platform::Rect from = shooter.ship.Bounds();
        const bool player = side == Side::Enemy;
        PlaceGunBeam(shooter, player ? from.x + from.w : from.x, from.y + from.h / 2, player ? r.x : r.x + r.w,
                     streakY + r.h / 2);
      }
    }
    v.shotPast.Show();
    Enable(v.shieldTimer);
  }
}

void ShipCombatScreen::PlaceGunBeam(SideView& shooter, int fromX, int fromY, int toX, int toY) {
  const Side side = &shooter == &player_ ? Side::Player : Side::Enemy;
  const GunBeamView beam =
      BuildGunBeam(shooter.firing, side, fromX, fromY, toX, toY, shooter.ship.Bounds().h);
  shooter.gunBeam.LoadPicture(beam.picture);
  shooter.gunBeam.SetBounds(beam.x, beam.y, beam.w, beam.h);
  shooter.gunBeam.SetVisible(beam.w > 0);
}

// The turn changes hands: the caption follows, and so does the bar, which shows no points left
// while the enemy acts.
void ShipCombatScreen::SetEndTurnEnabled(bool enabled) {
  endTurnLabel_.SetEnabled(enabled);
  ShowActionPointBar();
}

void ShipCombatScreen::ResetScreen() {
  for (int k = 0; k < kCombatAbilityButtons; ++k) {
    abilityPanels_[static_cast<std::size_t>(k)]->Hide();
    abilityButtons_[static_cast<std::size_t>(k)]->SetTag(-1);
  }
  for (SideView* view : {&player_, &enemy_}) {
    view->shotPast.Hide();
    view->gunBeam.Hide();
    for (Image* icon : view->modifiers) {
      icon->SetTag(0);
      icon->Hide();
    }
    view->radar.SetTag(0);
  }
  // Neither side's message of the last fight stays: its timer stopped when that fight closed.
  unread_.clear();
  for (SideView* view : {&player_, &enemy_}) {
    view->messageTimer.SetEnabled(false);
    view->messageTopic.Hide();
    view->messageText.Hide();
    view->messageShape.Hide();
  }
}

// ---- Controls ----

void ShipCombatScreen::OnEndTurnClick() {
  const std::int32_t ap = state::PlayerShip[ship::kActionPoints];
  if (ap == combat::kTurnEnded) return;
  if (ap >= 5) {
    if (!popups::AskYesNo("Really?",
                          "Do you really wish to end this turn? You still have some action-points "
                          "(AP) left and you may be able use an ability (e.g. firing on the enemy "
                          "ship)."))
      return;
  } else if (ap >= 1 && rules::TutorialAsksBeforeEndingTurnEarly()) {
    if (!popups::AskYesNo("Really?",
                          "Do you really wish to end this turn? You still have some action-points "
                          "(AP) left and may be able to use an ability."))
      return;
  }
  // The turn may have ended while the question was open.
  if (state::PlayerShip[ship::kActionPoints] == combat::kTurnEnded || ui_.IsClosed()) return;
  combat::EndPlayerTurn(ui_);
}

void ShipCombatScreen::OnAbilityDown(Sender sender) {
  const int slot = RowNumber(sender.sender);
  if (slot < 1 || slot > kCombatAbilityButtons) return;
  audio::PlayButtonSound();
  if (sender.button == platform::MouseButton::Right) {
    ShowAbilityInfo(state::PlayerAbilitySlots[slot]);
    return;
  }
  if (ui_.IsClosed()) return;
  combat::UseAbilitySlot(slot, ui_);
}

void ShipCombatScreen::OnModifierDown(Side side, int slot) {
  if (slot < 1 || slot > kCombatModifierIcons) return;
  audio::PlayButtonSound();
  ShowAbilityInfo(combat::ListOf(side)[slot][modifier::kAbility]);
}

void ShipCombatScreen::OnCompatibilitySwitchClick() {
  // The switch shows only in compatibility mode: a click turns it off.
  if (state::CompatibilityMode != 1) return;
  unread_.clear();
  SwitchCompatibilityMode();
  ApplyTimerIntervals();
  UpdateCompatibilityLabels();
}

bool ShipCombatScreen::AskQuitGame() {
  audio::PlayButtonSound();
  if (!popups::AskYesNo(popups::kQuitGameTopic, popups::kQuitGameText))
    return false;
  // The game ends without scoring: the travel screen closes behind the fight.
  state::TravelMayClose = 1;
  CloseTravelScreenForGameOver();
  return true;
}

void ShipCombatScreen::OnClosed() {
  ui_.ScreenClosed();
  StopTimers();
  combat::CombatScreenClosed();
  guard_.Closed();
}

// ---- Hooks of the rules ----

void SetupShipCombatOnScreen(state::ShipClassId enemyClass, Faction enemyFaction,
                             ShipKind enemyKind, std::int32_t enemyTier) {
  GameForm<ShipCombatScreen>().SetupFight(enemyClass, enemyFaction, enemyKind, enemyTier);
}

void RunShipCombatOnScreen() {
  // The fight takes the whole view: the travel screen with the trade window beside it, a flight
  // under way and a fleet battle whose target the captain attacks in person wait hidden behind it.
  const TradeWindowAside tradeWindowAside;
  const bool travel = TravelScreenShowing();
  const bool flight = FlightShowing();
  const bool battle = FleetBattleShowing();
  if (travel) HideTravelScreen();
  if (flight) HideFlightWindow();
  if (battle) HideFleetBattle();
  GameForm<ShipCombatScreen>().RunFight();
  if (travel) ShowTravelScreenAgain();
  if (flight) ShowFlightWindowAgain();
  if (battle) ShowFleetBattleAgain();
}

bool ShipCombatShowing() { return GameForm<ShipCombatScreen>().Visible(); }

void DestroyEnemyInFight() { combat::DestroyEnemyByCheat(GameForm<ShipCombatScreen>().Ui()); }

}  // namespace screens
