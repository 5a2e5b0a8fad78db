#include "combat/gun_attack.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/display.h"
#include "combat/modifiers.h"
#include "combat/scaling.h"
#include "combat/sides.h"
#include "state/clamp.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

state::ShipSpecial PlayerSpecial() { return state::ActiveShipSpecial(Side::Player); }

using state::Clamp32;

void Overheat(std::string_view text, CombatUi& ui) {
  const std::int32_t volleys = state::PlayerShip[ship::kGunVolleys];
  std::int32_t p = -1;
  if (volleys > 2) p = 15;
  if (volleys > 3) p = 45;
  if (volleys > 4) p = 60;
  // The roll is made on every volley, also while no overheating is possible.
  if (p > state::Random(100)) {
    ui.ShowPopup(CombatPopup::Text, "Overheating!", text);
    AddPlayerModifier(kOverheated, ui);
    ui.Refresh(Display::Modifiers);
    ui.Refresh(Display::AbilityButtons);
  }
}

}  // namespace


std::int32_t GunHitChance(Side attacker, CombatUi& ui) {
  const Side defender = Other(attacker);
  const auto& a = Ship(attacker);
  std::int32_t c = state::GetGunAccuracy(state::ShipClassOf(a), GunId{a[ship::kGun]}, attacker);
  if (ModifierActive(defender, kTaunt)) c -= 10;
  if (ModifierActive(defender, kEvading)) c -= 30;
  if (ModifierActive(attacker, kEvading)) c -= 30;
  if (ModifierActive(attacker, kDiscipline)) {
    c += 30;
    ClearModifier(attacker, kDiscipline);  // used up before the roll, by a miss too
    ui.Refresh(Display::Modifiers);
  }
  if (ModifierActive(attacker, kTargetLock)) c += 10;
  const state::ShipSpecial special = PlayerSpecial();
  if (attacker == Side::Player) {
    if (special == state::kSpecialEvasionComputer) c -= 25;
    if (special == state::kSpecialEnergyTransmitter) c -= 25;
  } else if (special == state::kSpecialEvasionComputer) {
    c -= 25;
  }
  c += state::ComputerItem(ComputerId{a[ship::kTargeting]}).accuracy;
  return attacker == Side::Player ? ScalePlayerDamageToEnemy2(c) : ScaleEnemyDamageToPlayer2(c);
}

bool RollGunHit(std::int32_t chance) {
  if (chance > 90) chance = 90;
  const std::int32_t roll = state::Random(100) + 1;
  return chance > roll;
}

void PresentGunFire(Side attacker, CombatUi& ui) {
  audio::PlayFireGunsSound();
  ui.Animate(attacker, Animation::Firing);
  ui.Refresh(Display::AbilityButtons);
}

std::int32_t ApplyDefenderShields(Side defender, std::int32_t d, CombatUi& ui) {
  const Side attacker = Other(defender);
  const bool enemyDefends = defender == Side::Enemy;
  auto reflect = [&](state::Ability ability, std::int32_t divisor) {
    if (!ModifierActive(defender, ability)) return;
    std::int32_t r = d / divisor;
    d -= r;
    if (attacker == Side::Player && PlayerSpecial() == state::kSpecialAntiPhaseEmitter) r = 0;
    ClearModifier(defender, ability);
    ui.Refresh(Display::Modifiers);
    ui.ShowMessage(defender, "Reflection shield !!",
                   enemyDefends ? "The enemy shields reflect some of the damage back to you."
                                : "Your shields reflect some of the damage back to the enemy ship.");
    ChangeShields(attacker, -static_cast<std::int64_t>(r));
    ui.Refresh(Display::Shields);
    ui.Animate(attacker, Animation::ShieldHit);
  };
  auto focus = [&](state::Ability ability, std::int32_t divisor) {
    if (!ModifierActive(defender, ability)) return;
    d /= divisor;
    ClearModifier(defender, ability);
    ui.ShowMessage(defender, "Focused shield !!",
                   enemyDefends
                       ? "The enemies focused shields are able to reduce the damage of your fire."
                       : "Your focused shields are able to reduce the damage of the enemy fire.");
    ui.Refresh(Display::Modifiers);
  };
  reflect(kReflectionShield, 12);
  reflect(kReflectionShield2, 8);
  focus(kFocusedShield, 2);
  focus(kFocusedShield2, 3);
  return d;
}

void ApplyShieldLoss(Side defender, std::int32_t d, std::string_view hitTopic,
                     std::string_view hitText, CombatUi& ui) {
  const Side attacker = Other(defender);
  const std::int32_t h = d / 2;
  const std::int32_t extra = state::Random(h);
  ChangeShields(defender, -(static_cast<std::int64_t>(h) + extra));
  ui.Refresh(Display::Shields);
  ui.ShowMessage(attacker, hitTopic,
                 std::string(hitText) + std::to_string(d) + " pts. of damage.");
  ui.Animate(defender, Animation::ShieldHit);
}

void ResolveGunAttack(Side attacker, const GunAttack& attack, CombatUi& ui) {
  const Side defender = Other(attacker);
  const auto& a = Ship(attacker);
  std::int32_t c = GunHitChance(attacker, ui);
  if (attack.chanceFactor) c = attack.chanceFactor(c);
  if (!RollGunHit(c)) {
    if (attacker == Side::Player) ApplyGunSpecial(0, ui);
    ui.ShowMessage(attacker, attack.missTopic, attack.missText);
    ui.Animate(defender, Animation::Miss);
    return;
  }
  std::int64_t d = state::GetGunDamage(state::ShipClassOf(a), GunId{a[ship::kGun]}, attacker);
  if (attacker == Side::Player) {
    if (attack.rankBonus && Rank{state::PlayerData[player::kRank]} == kRankAdmiral) d += d / 4;
    if (attack.baseFactor) d = attack.baseFactor(Clamp32(d));
    d = ScalePlayerDamageToEnemy(Clamp32(d));
    d = ApplyGunSpecial(Clamp32(d), ui);
    if (attack.damageFactor) d = attack.damageFactor(Clamp32(d));
    if (PlayerSpecial() == state::kSpecialEnergyTransmitter) d += d / 2;
    if (ModifierActive(Side::Player, kManouvers)) d += d / 2;
    if (ModifierActive(Side::Enemy, kManouvers)) d += d / 4;
  } else {
    if (attack.damageFactor) d = attack.damageFactor(Clamp32(d));
    if (ModifierActive(Side::Player, kManouvers)) d += d / 4;
    if (ModifierActive(Side::Enemy, kManouvers)) d += d / 2;
    d = ScaleEnemyDamageToPlayer(Clamp32(d));
  }
  std::int32_t left = ApplyDefenderShields(defender, Clamp32(d), ui);
  if (attacker == Side::Enemy && PlayerSpecial() == state::kSpecialAntiPhaseEmitter) left = 0;
  ApplyShieldLoss(defender, left, attack.hitTopic, attack.hitText, ui);
}

std::int32_t ApplyGunSpecial(std::int32_t d, CombatUi& ui) {
  auto& p = state::PlayerShip;
  if (p[ship::kGunVolleys] < INT32_MAX) p[ship::kGunVolleys] += 1;
  GunId g{p[ship::kGun]};
  if (state::ActiveShipSpecial(Side::Player) == state::kSpecialTwinGuns) g = kGunTurboLaser;
  switch (g) {
    case kGunTurboLaser:
      Overheat("Your Turbo-Lasers have overheated. You have to let them cool down for the next two "
               "turns.",
               ui);
      break;
    case kGunFusion:
      if (d > 0 && state::Random(100) < 5) {
        ui.ShowPopup(CombatPopup::Text, "Double damage!",
                     "Your fusion cannons cause double damage this time (Gun special ability)!");
        d = d > INT32_MAX / 2 ? INT32_MAX : 2 * d;
      }
      break;
    case kGunQuantum:
      if (state::Random(100) < 5) {
        ui.ShowPopup(CombatPopup::Text, "Malfunction!",
                     "There is a malfunction in your experimental quantum weapons causing an "
                     "electro magnetic pulse (EMP) that stuns your ship!");
        AddEnemyModifier(kEmp);
        ui.Refresh(Display::Modifiers);
        ui.Refresh(Display::AbilityButtons);
      }
      break;
    case kGunSuperFusion:
      if (state::Random(100) < 15) {
        ChangeShields(Side::Player, -static_cast<std::int64_t>(d / 3));
        d = d > INT32_MAX / 2 ? INT32_MAX : 2 * d;
        ui.Refresh(Display::Shields);
        ui.ShowPopup(CombatPopup::Text, "Shields lowered!",
                     "Your SuperFusion guns require so much energy that your shield energy is "
                     "lowered!");
      }
      break;
    case kGunLeech: {
      const std::int32_t max = MaxShields(Side::Player);
      // Feeding never lifts the shields above their maximum, nor lowers them.
      std::int64_t raised = static_cast<std::int64_t>(p[ship::kShields]) + d / 5;
      if (raised > max) raised = std::max<std::int64_t>(max, p[ship::kShields]);
      p[ship::kShields] = static_cast<std::int32_t>(raised);
      ui.Refresh(Display::Shields);
      break;
    }
    case kGunDisruptor:
      if (state::Random(100) < 5) {
        ui.ShowPopup(CombatPopup::Text, "EMP effect!",
                     "The impact of your disruptor beams cause an electro magnetic pulse (EMP) "
                     "that stuns the enemy ship!");
        AddPlayerModifier(kEmp, ui);
        ui.Refresh(Display::Modifiers);
        ui.Refresh(Display::AbilityButtons);
      }
      break;
    case kGunGatling:
      if (state::Random(100) < 10 && state::EnemyMissileVolley[missile_volley::kInFlight] > 0) {
        ui.ShowPopup(CombatPopup::Text, "Missile destroyed!",
                     "Your barrage has hit the enemy missile and destroyed it!");
        state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
        ui.Refresh(Display::Modifiers);
        ui.Refresh(Display::AbilityButtons);
        ui.Refresh(Display::Missiles);
      }
      Overheat("Your Gatling guns have overheated. You have to let them cool down for the next two "
               "turns.",
               ui);
      break;
    default:  // "Laser", "Particle": nothing
      break;
  }
  return d;
}

}  // namespace combat
