// The catalogue of the player's learned powers: combat abilities (ids 1..37), which fill the ability
// buttons of a fight and leave timed effects behind, and non-combat skills (ids 1..30), which the
// rules test through SkillOwned. Pure getters keyed by id; none of them changes the game state.
//
// Picture names are base names: the screens append their own suffix ("_on.jpg", "_off.jpg",
// "_over.jpg", "_ActiveMod.jpg"). Getters of a text that an id may lack give back `otherwise`, so a
// caller that passes its current text keeps it as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/skills.h"

namespace state {

// The combat abilities by id. The rules hand Flee and the tractor beam to enemies too (police and
// hunters keep the player in); ShipSpecial is the ship class's own special ability, Overheated the
// guns too hot to fire.
enum class Ability : std::int32_t {
  kFireGuns = 1,
  kFireMissiles = 2,
  kEcm = 3,
  kFocusBeam = 4,
  kOverloadGun = 5,
  kTargetLock = 6,
  kDiscipline = 7,
  kManouvers = 8,
  kDoubleSpeed = 9,
  kTaunt = 10,
  kFlee = 11,
  kTractorBeam = 12,
  kEvilTaunt = 13,
  kCloak = 14,
  kExploit = 15,
  kEmp = 16,
  kExploit2 = 17,
  kRecharge = 18,
  kDisturb = 19,
  kMark = 20,
  kEmpResistance = 21,
  kFocusedShield = 22,
  kFocusedShield2 = 23,
  kReflectionShield = 24,
  kReflectionShield2 = 25,
  kEvading = 26,
  kShieldBoost = 27,
  kSacrifice = 28,
  kCalmness = 29,
  kReinforcements = 30,
  kSosBuoy = 31,
  kRadioJammer = 32,
  kEmp2 = 33,
  kFocusBeam2 = 34,
  kDisturb2 = 35,
  kShipSpecial = 36,
  kOverheated = 37,
};
using enum Ability;
inline constexpr Ability kNoAbility{0};        // an empty ability slot or modifier
inline constexpr Skill kSkillShipSpecial{36};  // the skill getters answer for it too

// Name of combat ability 1..37; any other id gives back `otherwise`.
std::string GetAbilityName(Ability id, std::string_view otherwise = {});

// Picture base name of combat ability 1..37, empty for any other id. An admiral (military rank 7)
// fires guns, missiles and ECM under their advanced pictures.
std::string GetAbilityImage(Ability id);

// Long description of combat ability 1..37; any other id gives back `otherwise`.
std::string GetAbilityDescription(Ability id, std::string_view otherwise = {});

// One-line effect text of a combat ability. "Reinforcements" (30) has none, and neither has an id
// outside 1..37: both give back `otherwise`.
std::string GetAbilityEffectText(Ability id, std::string_view otherwise = {});

// Action points that the ability costs the player. Guns, missiles and ECM cost what the fitted item
// costs on the player's ship; the gun variants add their surcharge to the gun's cost. Unknown ids
// cost 3.
std::int32_t GetAbilityApCost(Ability id);

// Turns that an activated ability stays in a modifier slot; 10000 lasts the whole fight. Unknown
// ids last 2. Never negative.
std::int32_t GetModifierDuration(Ability id);

// Name, picture base name and description of non-combat skill 1..30; id 36 answers for the ship's
// special ability. Ids 31..35 have the picture "Skill_Taunt" and neither name nor description; ids
// without an entry give back `otherwise`.
std::string GetSkillName(Skill id, std::string_view otherwise = {});
std::string GetSkillImage(Skill id, std::string_view otherwise = {});
std::string GetSkillDescription(Skill id, std::string_view otherwise = {});

}  // namespace state
