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

inline constexpr std::int32_t kAbilityFlee = 11;         // the rules hand it to enemies too
inline constexpr std::int32_t kAbilityTractorBeam = 12;  // police and hunters keep the player in
inline constexpr std::int32_t kAbilityShipSpecial = 36;  // the ship class's own special ability
inline constexpr std::int32_t kAbilityOverheated = 37;   // guns too hot to fire
inline constexpr Skill kSkillShipSpecial{36};            // the skill getters answer for it too

// Name of combat ability 1..37; any other id gives back `otherwise`.
std::string GetAbilityName(std::int32_t id, std::string_view otherwise = {});

// Picture base name of combat ability 1..37, empty for any other id. An admiral (military rank 7)
// fires guns, missiles and ECM under their advanced pictures.
std::string GetAbilityImage(std::int32_t id);

// Long description of combat ability 1..37; any other id gives back `otherwise`.
std::string GetAbilityDescription(std::int32_t id, std::string_view otherwise = {});

// One-line effect text of a combat ability. "Reinforcements" (30) has none, and neither has an id
// outside 1..37: both give back `otherwise`.
std::string GetAbilityEffectText(std::int32_t id, std::string_view otherwise = {});

// Action points that the ability costs the player. Guns, missiles and ECM cost what the fitted item
// costs on the player's ship; the gun variants add their surcharge to the gun's cost. Unknown ids
// cost 3.
std::int32_t GetAbilityApCost(std::int32_t id);

// Turns that an activated ability stays in a modifier slot; 10000 lasts the whole fight. Unknown
// ids last 2. Never negative.
std::int32_t GetModifierDuration(std::int32_t id);

// Name, picture base name and description of non-combat skill 1..30; id 36 answers for the ship's
// special ability. Ids 31..35 have the picture "Skill_Taunt" and neither name nor description; ids
// without an entry give back `otherwise`.
std::string GetSkillName(Skill id, std::string_view otherwise = {});
std::string GetSkillImage(Skill id, std::string_view otherwise = {});
std::string GetSkillDescription(Skill id, std::string_view otherwise = {});

}  // namespace state
