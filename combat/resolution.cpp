#include "combat/resolution.h"

#include <cstdint>
#include <limits>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/combat_end.h"
#include "combat/defensive.h"
#include "combat/disruption.h"
#include "combat/display.h"
#include "combat/modifiers.h"
#include "combat/rounds.h"
#include "combat/ship_special.h"
#include "combat/tactical.h"
#include "combat/weapons.h"
#include "combat/sides.h"
#include "state/clamp.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ranks.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

std::int32_t PlayerSpecial() { return state::ActiveShipSpecial(Side::Player); }
std::int32_t SizeOf(const state::TShipRow& ship) {
  return state::GetShipClassSize(ship[ship::kClass]);
}
std::int32_t MaxShields(const state::TShipRow& ship) {
  return state::GetShipMaxShields(ship[ship::kClass], ship[ship::kEngine],
                                  ship[ship::kCargoModule]);
}

using state::Clamp32;

}  // namespace

AbilityFamily AbilityFamilyOf(std::int32_t id) {
  if (id >= kFireGuns && id <= kOverloadGun) return AbilityFamily::Weapon;
  if (id >= kTargetLock && id <= kExploit) return AbilityFamily::Tactical;
  if (id == kRecharge || (id >= kEmpResistance && id <= kCalmness)) return AbilityFamily::Defensive;
  if (id == kEmp || id == kExploit2 || id == kDisturb || id == kMark ||
      (id >= kSosBuoy && id <= kDisturb2))
    return AbilityFamily::Disruption;
  if (id == kShipSpecial) return AbilityFamily::ShipSpecial;
  return AbilityFamily::None;  // 0, 30 "Reinforcements", 37 "Overheated" and unknown ids
}

void ChangeShields(Side side, std::int64_t delta) {
  auto& ship = Ship(side);
  ship[ship::kShields] = Clamp32(static_cast<std::int64_t>(ship[ship::kShields]) + delta);
}

void ShowNotEnoughAP(CombatUi& ui) {
  ui.ShowPopup(CombatPopup::Text, "Not enough AP!",
               "In this game every combat action uses up action-points (AP). For this action you "
               "do not have enough AP left. Your AP is displayed as a row of lights at the left "
               "top of the screen below your shields.");
}

bool PayActionPoints(Side side, std::int32_t cost, CombatUi& ui) {
  auto& ship = Ship(side);
  if (cost > ship[ship::kActionPoints]) {
    if (side == Side::Player) ShowNotEnoughAP(ui);
    return false;
  }
  ship[ship::kActionPoints] -= cost;
  if (side == Side::Enemy) {
    ship[ship::kAwaitingMessage] = 1;
    ui.StartEnemyMessageTimer();
  }
  return true;
}

// --- Scaling --------------------------------------------------------------------------------------

std::int32_t ScalePlayerDamageToEnemy(std::int32_t v) {
  const std::int32_t playerSize = SizeOf(state::PlayerShip);
  const std::int32_t enemySize = SizeOf(state::EnemyShip);
  const std::int32_t rank = state::PlayerData[player::kRank];
  std::int64_t x = v;
  if (state::GameDay < 200 && playerSize == 1) x += x / 6;
  if (rank < kRankLieutenantCommander) x += x / 6;
  if (enemySize > playerSize && rank < kRankCommander) x += x / 6;
  if (state::VeteranMode == 1) x = v;
  const std::int64_t cap = MaxShields(state::EnemyShip) / 3;
  if (x >= cap) x = cap;
  return Clamp32(x);
}

std::int32_t ScalePlayerDamageToEnemy2(std::int32_t v) {
  const std::int32_t playerSize = SizeOf(state::PlayerShip);
  const std::int32_t enemySize = SizeOf(state::EnemyShip);
  const std::int32_t rank = state::PlayerData[player::kRank];
  std::int64_t x = static_cast<std::int64_t>(v) + v / 5;
  if (state::GameDay < 200 && playerSize == 1) x += x / 10;
  if (rank < kRankLieutenantCommander) x += x / 5;
  if (enemySize > playerSize && rank < kRankCommander) x += x / 10;
  if (state::VeteranMode == 1) x = v;
  return Clamp32(x);
}

std::int32_t ScaleEnemyDamageToPlayer(std::int32_t v) {
  const std::int32_t playerSize = SizeOf(state::PlayerShip);
  const std::int32_t enemySize = SizeOf(state::EnemyShip);
  const std::int32_t rank = state::PlayerData[player::kRank];
  std::int64_t x = v;
  if (enemySize < playerSize) x += x / 4;
  if (rank >= kRankLieutenantCommander) x += x / 6;
  if (state::VeteranMode == 1) x += x / 6;
  const std::int64_t cap = MaxShields(state::PlayerShip) / 2;
  if (x >= cap) x = cap;
  return Clamp32(x);
}

std::int32_t ScaleEnemyDamageToPlayer2(std::int32_t v) {
  const std::int32_t playerSize = SizeOf(state::PlayerShip);
  const std::int32_t enemySize = SizeOf(state::EnemyShip);
  const std::int32_t rank = state::PlayerData[player::kRank];
  std::int64_t x = static_cast<std::int64_t>(v) - v / 5;
  if (rank < kRankLieutenantCommander) x -= x / 5;
  if (enemySize < playerSize) x += x / 4;
  if (rank >= kRankLieutenantCommander) x += x / 10;
  if (state::VeteranMode == 1) x += x / 5;
  return Clamp32(x);
}

// --- Gun attacks ----------------------------------------------------------------------------------

std::int32_t GunHitChance(Side attacker, CombatUi& ui) {
  const Side defender = Other(attacker);
  const auto& a = Ship(attacker);
  std::int32_t c = state::GetGunAccuracy(a[ship::kClass], a[ship::kGun], attacker);
  if (ModifierActive(defender, kTaunt)) c -= 10;
  if (ModifierActive(defender, kEvading)) c -= 30;
  if (ModifierActive(attacker, kEvading)) c -= 30;
  if (ModifierActive(attacker, kDiscipline)) {
    c += 30;
    ClearModifier(attacker, kDiscipline);  // used up before the roll, by a miss too
    ui.Refresh(Display::Modifiers);
  }
  if (ModifierActive(attacker, kTargetLock)) c += 10;
  const std::int32_t special = PlayerSpecial();
  if (attacker == Side::Player) {
    if (special == state::kSpecialEvasionComputer) c -= 25;
    if (special == state::kSpecialEnergyTransmitter) c -= 25;
  } else if (special == state::kSpecialEvasionComputer) {
    c -= 25;
  }
  c += state::ComputerItem(a[ship::kTargeting]).accuracy;
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
  auto reflect = [&](std::int32_t ability, std::int32_t divisor) {
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
  auto focus = [&](std::int32_t ability, std::int32_t divisor) {
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
  std::int64_t d = state::GetGunDamage(a[ship::kClass], a[ship::kGun], attacker);
  if (attacker == Side::Player) {
    if (attack.rankBonus && state::PlayerData[player::kRank] == kRankAdmiral) d += d / 4;
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

// --- Frames ---------------------------------------------------------------------------------------

void ResolvePlayerCombatAction(std::int32_t id, CombatUi& ui) {
  switch (AbilityFamilyOf(id)) {
    case AbilityFamily::Weapon:
      ResolveWeaponAbility(Side::Player, id, ui);
      break;
    case AbilityFamily::Defensive:
      ResolveDefensiveAbility(Side::Player, id, ui);
      break;
    case AbilityFamily::Disruption:
      ResolveDisruptionAbility(Side::Player, id, ui);
      break;
    case AbilityFamily::Tactical:
      ResolveTacticalAbility(Side::Player, id, ui);
      break;
    case AbilityFamily::ShipSpecial:
      ResolveShipSpecial(ui);
      break;
    case AbilityFamily::None:
      break;
  }

  ShowActionPointBar(ui);
  CheckShipCombatEnd(ui);
  auto& p = state::PlayerShip;
  if (p[ship::kActionPoints] != kTurnEnded && p[ship::kActionPoints] <= 0 && p[ship::kAlive] > 0 &&
      state::EnemyShip[ship::kAlive] > 0 && state::AutoEndTurn == 1)
    EndPlayerTurn(ui);
}

void ResolveEnemyCombatAction(std::int32_t id, CombatUi& ui) {
  // The enemy has no case for "Shield boost", "Sacrifice", "Calmness" and its own special.
  if (id == kShieldBoost || id == kSacrifice || id == kCalmness || id == kShipSpecial) return;
  switch (AbilityFamilyOf(id)) {
    case AbilityFamily::Weapon:
      ResolveWeaponAbility(Side::Enemy, id, ui);
      break;
    case AbilityFamily::Defensive:
      ResolveDefensiveAbility(Side::Enemy, id, ui);
      break;
    case AbilityFamily::Disruption:
      ResolveDisruptionAbility(Side::Enemy, id, ui);
      break;
    case AbilityFamily::Tactical:
      ResolveTacticalAbility(Side::Enemy, id, ui);
      break;
    case AbilityFamily::ShipSpecial:
    case AbilityFamily::None:
      break;
  }
}

}  // namespace combat
