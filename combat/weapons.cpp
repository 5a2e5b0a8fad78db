#include "combat/weapons.h"

#include <cstdint>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/action_points.h"
#include "combat/gun_attack.h"
#include "combat/modifiers.h"
#include "combat/scaling.h"
#include "combat/sides.h"
#include "state/abilities.h"
#include "state/equipment.h"
#include "rules/tutorial.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

constexpr std::int32_t kNoReload = 100000;

std::int32_t FocusBeamChance(std::int32_t c) { return c - c / 4; }
std::int32_t FocusBeamDamage(std::int32_t d) { return 2 * d; }
std::int32_t OverloadChancePlayer(std::int32_t c) { return c + c / 6; }
std::int32_t OverloadChanceEnemy(std::int32_t c) { return c + c / 4; }
std::int32_t OverloadDamage(std::int32_t d) { return d / 2; }

// --- Guns -----------------------------------------------------------------------------------------

void FireGuns(Side side, CombatUi& ui) {
  if (side == Side::Player) {
    if (state::ActiveShipSpecial(Side::Player) == state::kSpecialShieldPlus) {
      ui.ShowPopup(CombatPopup::Text, "N/A",
                   "As long as you have the ShieldPlus device activated (ship´s special ability) "
                   "you cannot fire your guns.");
      return;
    }
    if (ModifierActive(Side::Player, kOverheated)) {
      ui.ShowPopup(CombatPopup::Text, "N/A", state::GetAbilityDescription(kOverheated));
      return;
    }
  }
  if (!PayActionPoints(side, GunCost(side), ui)) return;
  if (side == Side::Player && rules::TutorialVolleyEndsTurn()) {
    // The tutorial's volley uses up the turn, so its next step can ask for the end of the turn.
    state::PlayerShip[ship::kActionPoints] = 0;
    ui.Refresh(Display::ActionPointBar);
    rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::GunsFired);
  }
  PresentGunFire(side, ui);
  GunAttack attack;
  attack.hitTopic = "Firing guns !!";
  attack.missTopic = "Firing guns !!";
  if (side == Side::Player) {
    attack.rankBonus = true;
    attack.hitText = "You fire your guns and cause ";
    attack.missText = "You fire your guns, but miss the enemy ship.";
  } else {
    attack.hitText = "Enemy fires his guns and causes ";
    attack.missText = "Enemy fires his guns, but misses you.";
  }
  ResolveGunAttack(side, attack, ui);
}

}  // namespace

void FireFocusedBeams(Side side, std::string_view topic, std::int32_t (*damageFactor)(std::int32_t),
                      CombatUi& ui) {
  if (!PayActionPoints(side, GunCost(side) + 2, ui)) return;
  PresentGunFire(side, ui);
  GunAttack attack;
  attack.chanceFactor = FocusBeamChance;
  attack.damageFactor = damageFactor;
  attack.hitTopic = topic;
  attack.missTopic = topic;
  if (side == Side::Player) {
    attack.hitText = "While firing you focus the energy beams and cause ";
    attack.missText = "You fire your guns, but miss the enemy ship.";
  } else {
    attack.hitText = "The enemy focuses the energy beams and causes ";
    attack.missText = "The enemy fires his guns, but misses you.";
  }
  ResolveGunAttack(side, attack, ui);
}

namespace {

void FocusBeam(Side side, CombatUi& ui) {
  FireFocusedBeams(side, "Focused fire !!", FocusBeamDamage, ui);
}

void OverloadGun(Side side, CombatUi& ui) {
  if (!PayActionPoints(side, GunCost(side), ui)) return;
  PresentGunFire(side, ui);
  GunAttack attack;
  attack.damageFactor = OverloadDamage;
  attack.hitTopic = "Overload guns !!";
  if (side == Side::Player) {
    attack.chanceFactor = OverloadChancePlayer;
    attack.hitText = "You overload your guns and fire a sprayed volley causing ";
    attack.missTopic = "Overload guns !!";
    attack.missText = "You fire your guns, but miss the enemy ship.";
  } else {
    attack.chanceFactor = OverloadChanceEnemy;
    attack.hitText = "The enemy overloads his guns and fires a sprayed volley causing ";
    attack.missTopic = "Overload guns!!";
    attack.missText = "The enemy fires his guns, but misses you.";
  }
  ResolveGunAttack(side, attack, ui);
}

// --- Missiles -------------------------------------------------------------------------------------

void FireMissiles(Side side, CombatUi& ui) {
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  if (side == Side::Player) {
    if (!(p[ship::kShields] > 0 && state::PlayerMissileVolley[missile_volley::kInFlight] == 0))
      return;
    if (p[ship::kMissileReload] > 0) {
      ui.ShowPopup(CombatPopup::Text, "Reloading",
                   "Missile launchers need a couple of turns after being fired to reload...");
      return;
    }
    if (MissileId{p[ship::kMissileLauncher]} == kMissileZeusMk1 &&
        state::GetShipClassSize(state::ShipClassOf(e)) == state::kSizeFighter) {
      ui.ShowPopup(CombatPopup::Text, "N/A",
                   "Torpedos can only be used against capital ships and not against fighters.");
      return;
    }
    if (!PayActionPoints(side,
                         state::GetMissileApCost(state::ShipClassOf(p),
                                                 MissileId{p[ship::kMissileLauncher]}, Side::Player),
                         ui))
      return;
    rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::MissileFired);
    audio::PlayMissileSound();
    ui.ShowMessage(Side::Player, "Firing missile !!", "You fire a missile at the enemy ship.");
    state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
    state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 3;
    p[ship::kMissileReload] = 4;
    if (MissileId{p[ship::kMissileLauncher]} == kMissileArrowDummy) p[ship::kMissileReload] *= 2;
    if (MissileId{p[ship::kMissileLauncher]} == kMissileDestroyer)
      p[ship::kMissileReload] = kNoReload;
    ui.Refresh(Display::Missiles);
    ui.Refresh(Display::AbilityButtons);
    return;
  }
  if (!(e[ship::kShields] > 0 && state::EnemyMissileVolley[missile_volley::kInFlight] == 0 &&
        e[ship::kMissileReload] == 0))
    return;
  if (MissileId{e[ship::kMissileLauncher]} == kMissileZeusMk1 &&
      state::GetShipClassSize(state::ShipClassOf(p)) == state::kSizeFighter)
    return;
  if (!PayActionPoints(side,
                       state::GetMissileApCost(state::ShipClassOf(e),
                                               MissileId{e[ship::kMissileLauncher]}, Side::Enemy),
                       ui))
    return;
  audio::PlayMissileSound();
  ui.ShowMessage(Side::Enemy, "Firing missile !!", "Enemy fires a missile at your ship.");
  e[ship::kShields] -= 1;
  state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
  state::EnemyMissileVolley[missile_volley::kTurnsToImpact] = 4;
  e[ship::kMissileReload] = 5;
  if (MissileId{e[ship::kMissileLauncher]} == kMissileArrowDummy) e[ship::kMissileReload] = 10;
  if (MissileId{e[ship::kMissileLauncher]} == kMissileDestroyer)
    e[ship::kMissileReload] = kNoReload;
  ui.Refresh(Display::Missiles);
}

// --- ECM ------------------------------------------------------------------------------------------

void Ecm(Side side, CombatUi& ui) {
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  if (side == Side::Player) {
    const bool tutorialEcm = rules::TutorialInterceptionCertain();
    if (state::EnemyMissileVolley[missile_volley::kInFlight] <= 0) {
      ui.ShowPopup(CombatPopup::Text, "No enemy missile!",
                   "The enemy has fired no missiles! There is nothing you could try to intercept "
                   "with your anti-missile ECM!");
      if (tutorialEcm) rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::EcmUsed);
      return;
    }
    if (!PayActionPoints(side, state::EcmItem(EcmId{p[ship::kEcm]}).apCost, ui)) return;
    audio::PlayEcmSound();
    ui.Refresh(Display::AbilityButtons);
    std::int32_t c = state::EcmItem(EcmId{p[ship::kEcm]}).Chance();
    c = ScalePlayerDamageToEnemy2(c);
    c += state::MissileItem(MissileId{e[ship::kMissileLauncher]}).ecmModifier;
    if (EcmId{p[ship::kEcm]} == kEcmAntiMine &&
        IsMineLauncher(MissileId{e[ship::kMissileLauncher]}))
      c *= 2;
    if (EcmId{p[ship::kEcm]} == kEcmPlasma && state::Random(100) < 15) {
      ChangeShields(Side::Player, -static_cast<std::int64_t>(MaxShields(Side::Player) / 10));
      ui.Refresh(Display::Shields);
      ui.ShowPopup(CombatPopup::Text, "Shields lowered!",
                   "Your Plasma Net ECM requires so much energy that your shield energy is lowered!");
    }
    if (Rank{state::PlayerData[player::kRank]} == kRankAdmiral) c += 5;
    if (c > 90) c = 90;
    if (tutorialEcm) {
      rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::EcmUsed);
      c = 101;  // the tutorial's interception always succeeds
    }
    if (c > state::Random(100) + 1) {
      state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
      ui.ShowMessage(Side::Player, "Firing ECM !!", "Your ECM is able to mislead the enemy missile.");
      ui.Animate(Side::Player, Animation::MissileMiss);
    } else {
      ui.ShowMessage(Side::Player, "Firing ECM !!",
                     "ECM fails and the enemy missile is still on track.");
    }
    ui.Refresh(Display::Missiles);
    return;
  }
  if (state::PlayerMissileVolley[missile_volley::kInFlight] <= 0) return;
  if (!PayActionPoints(side, state::EcmItem(EcmId{e[ship::kEcm]}).apCost, ui)) return;
  audio::PlayEcmSound();
  ui.Refresh(Display::AbilityButtons);
  std::int32_t c = state::EcmItem(EcmId{e[ship::kEcm]}).Chance();
  c -= c / 3;
  c += state::MissileItem(MissileId{p[ship::kMissileLauncher]}).ecmModifier;
  if (state::ActiveShipSpecial(Side::Player) == state::kSpecialAecmMissiles) c -= c / 2;
  if (c > 90) c = 90;
  if (c > state::Random(100) + 1) {
    state::PlayerMissileVolley[missile_volley::kInFlight] = 0;
    ui.ShowMessage(Side::Enemy, "Firing ECM !!", "Enemy ECM is able to mislead the enemy missile.");
    ui.Animate(Side::Enemy, Animation::MissileMiss);
  } else {
    ui.ShowMessage(Side::Enemy, "Firing ECM !!",
                   "Enemy ECM fails and your missile is still on track.");
  }
  ui.Refresh(Display::Missiles);
}

}  // namespace

void ResolveWeaponAbility(Side side, state::Ability id, CombatUi& ui) {
  switch (id) {
    case kFireGuns: FireGuns(side, ui); break;
    case kFireMissiles: FireMissiles(side, ui); break;
    case kEcm: Ecm(side, ui); break;
    case kFocusBeam: FocusBeam(side, ui); break;
    case kOverloadGun: OverloadGun(side, ui); break;
    default: break;
  }
}

}  // namespace combat
