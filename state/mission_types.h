// The mission types by name: what a mission record's type field (mission::kType) holds, on a
// board and once accepted. Like the field names (state/fields.h), the ids sit at the top level,
// next to `state`, so that the rules, the combat and the screens write them short.
#pragma once

#include <cstdint>

#include "state/id.h"

enum class MissionType : std::int32_t {
  kMissionSearchAndDestroy = 1,
  kMissionPatrol = 2,
  kMissionTransport = 3,
  kMissionAmbush = 4,
  kMissionBounty = 5,
  kMissionSupply = 6,
  kMissionSpecialForces = 7,
  kMissionReportForDuty = 8,
  kMissionStrike = 9,
  kMissionCombatPatrol = 10,
  kMissionCombatTransport = 11,
  kMissionAssault = 12,
  kMissionInfiltrate = 13,
  kMissionEscort = 14,
  kMissionRecon = 15,
  kMissionMarineLanding = 16,
  kMissionEvacuation = 17,
  kMissionAbduction = 18,
  kMissionAnalysis = 19,
  kMissionBlitzkrieg = 20,
  kMissionFlanking = 21,
  kMissionSuppression = 22,
  kMissionBombingRun = 23,
  kMissionBattle = 24,
  kMissionSiege = 25,
  kMissionRaiding = 26,
  kMissionFlagship = 27,
};
using enum MissionType;
inline constexpr MissionType kLastMissionType = kMissionFlagship;
inline constexpr MissionType kNoMissionType{0};  // the type field of an empty mission record

namespace state {
// One of the mission types, 1..27.
constexpr bool IsMissionType(MissionType type) {
  return type >= kMissionSearchAndDestroy && type <= kLastMissionType;
}
}  // namespace state
