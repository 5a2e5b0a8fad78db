// A gun attack, for either side: the hit chance and the damage chain, the special effect of the
// player's gun type, the defender's shield effects and the shield loss. "Fire guns", "Focus beam",
// "Overload gun" and the gun attacks of later abilities are built from these steps.
#pragma once

#include <cstdint>
#include <string_view>

#include "combat/combat_ui.h"

namespace combat {

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

// The special effect of the player's gun on one volley (damage 0 on a miss): counts the volley,
// may double the damage, stun a side, drain or feed the shields, shoot down an enemy missile or
// overheat the guns. Returns the damage.
std::int32_t ApplyGunSpecial(std::int32_t damage, CombatUi& ui);

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

}  // namespace combat
