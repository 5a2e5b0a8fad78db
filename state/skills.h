// The player's non-combat skills by name: ids 1..30 of the skill trees, learned when
// SkillOwned[id] is set. Like the field names (state/fields.h), the ids sit at the top level, next
// to `state`, so that the rules, the combat and the screens write them short.
#pragma once

#include <cstdint>

#include "state/id.h"
#include "state/variables.h"

enum class Skill : std::int32_t {
  kSkillTrader = 1,
  kSkillAdvancedTrader = 2,
  kSkillCargoManager = 3,
  kSkillAdvancedCargoManager = 4,
  kSkillConnections = 5,
  kSkillAdvancedConnections = 6,
  kSkillTycoon = 7,
  kSkillAdvancedTycoon = 8,
  kSkillCriminalistics = 9,
  kSkillAdvancedCriminalistics = 10,
  kSkillTracking = 11,
  kSkillAdvancedTracking = 12,
  kSkillBountyHunter = 13,
  kSkillCombatPatrol = 14,
  kSkillDeepSpacePatrol = 15,
  kSkillRewards = 16,
  kSkillAdvancedRewards = 17,
  kSkillFastRecharge = 18,
  kSkillRumors = 19,
  kSkillLegendary = 20,
  kSkillDisguise = 21,
  kSkillAdvancedDisguise = 22,
  kSkillStreetRules = 23,
  kSkillAdvancedStreetRules = 24,
  kSkillSpy = 25,
  kSkillTraitor = 26,
  kSkillSyndicate = 27,
  kSkillHacker = 28,
  kSkillCleanRecord = 29,
  kSkillAmnesty = 30,
};
using enum Skill;

namespace state {

// Whether the player has learned `skill`.
inline bool OwnsSkill(Skill skill) { return SkillOwned[Stored(skill)] > 0; }

}  // namespace state
