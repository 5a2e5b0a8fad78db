// Resolution of a combat action for either side: the frame around the ability cases, paying
// action points, the hit chance and damage chain of gun attacks, the defender's shield effects,
// the shield loss, and the four scaling rules that help beginners (undone in veteran mode).
#pragma once

#include <cstdint>

#include "combat/combat_ui.h"

namespace combat {

// The groups of combat abilities; each group is carried out by its own file.
enum class AbilityFamily {
  None,         // 0, 30 "Reinforcements" (an effect only), 37 "Overheated", unknown ids
  Weapon,       // 1..5
  Tactical,     // 6..15
  Defensive,    // 18, 21..29
  Disruption,   // 16, 17, 19, 20, 31..35
  ShipSpecial,  // 36
};
AbilityFamily AbilityFamilyOf(std::int32_t id);

// Carries out ability `id` for the player, then redraws the action-point bar, checks the end of
// the fight and, with AutoEndTurn, ends a turn that has no action points left.
void ResolvePlayerCombatAction(std::int32_t id, CombatUi& ui);

// Carries out ability `id` for the enemy when it can pay; nothing follows the case.
void ResolveEnemyCombatAction(std::int32_t id, CombatUi& ui);

// The "Not enough AP!" popup.
void ShowNotEnoughAP(CombatUi& ui);

// The scaling rules: damage and chances (in percent) of the player against the enemy and of the
// enemy against the player.
std::int32_t ScalePlayerDamageToEnemy(std::int32_t damage);
std::int32_t ScalePlayerDamageToEnemy2(std::int32_t chance);
std::int32_t ScaleEnemyDamageToPlayer(std::int32_t damage);
std::int32_t ScaleEnemyDamageToPlayer2(std::int32_t chance);

// --- Shared steps, used by the ability cases ----------------------------------------------------

// Pays `cost` action points for `side`. The player sees "Not enough AP!" when they do not
// suffice; the enemy's step fails silently. An enemy payment sets the enemy's waiting flag and
// starts its message timer.
bool PayActionPoints(Side side, std::int32_t cost, CombatUi& ui);

// The hit chance of a gun attack by `attacker` up to its scaling (before the ability's own factor
// and the cap at 90). Consumes the attacker's "Discipline".
std::int32_t GunHitChance(Side attacker, CombatUi& ui);

// Caps `chance` at 90 and rolls 1..100: a hit when the chance is above the roll.
bool RollGunHit(std::int32_t chance);

// The firing presentation of a gun attack: the cue, the firing picture, the buttons.
void PresentGunFire(Side attacker, CombatUi& ui);

// The defender's reflection and focused shields acting on a hit of `damage`; returns what is left.
std::int32_t ApplyDefenderShields(Side defender, std::int32_t damage, CombatUi& ui);

// Takes damage/2 + Random(damage/2) off the defender's shields, with the attacker's hit message
// (`hitText` followed by the damage and " pts. of damage.") and the defender's shield flash.
void ApplyShieldLoss(Side defender, std::int32_t damage, std::string_view hitTopic,
                     std::string_view hitText, CombatUi& ui);

// A gun attack as a whole: id 1, 4, 5 and the gun attacks of later abilities. The factors are the
// ability's own: chance factor (applied at its place, before the cap) and damage factor.
struct GunAttack {
  std::int32_t (*chanceFactor)(std::int32_t chance) = nullptr;
  std::int32_t (*damageFactor)(std::int32_t damage) = nullptr;
  bool rankBonus = false;  // the player's "Fire guns" at military rank 7
  std::string_view hitTopic, hitText, missTopic, missText;
  // The player's own factor before scaling, where the rank bonus stands ("Exploit II").
  std::int32_t (*baseFactor)(std::int32_t damage) = nullptr;
};
void ResolveGunAttack(Side attacker, const GunAttack& attack, CombatUi& ui);

// Shields of `side`: ship::kShields of PlayerShip or EnemyShip, lowered or raised without a
// bound, saturating at the int32 limits.
void ChangeShields(Side side, std::int64_t delta);

}  // namespace combat
