// The combat abilities by name: the ids that fill the ability slots of both sides, stand in the
// modifier lists and drive the enemy's decision list. One list for every combat rule, so an id is
// spelled out once.
#pragma once

#include <cstdint>

#include "state/abilities.h"

namespace combat {

inline constexpr std::int32_t kFireGuns = 1;
inline constexpr std::int32_t kFireMissiles = 2;
inline constexpr std::int32_t kEcm = 3;
inline constexpr std::int32_t kFocusBeam = 4;
inline constexpr std::int32_t kOverloadGun = 5;
inline constexpr std::int32_t kTargetLock = 6;
inline constexpr std::int32_t kDiscipline = 7;
inline constexpr std::int32_t kManouvers = 8;
inline constexpr std::int32_t kDoubleSpeed = 9;
inline constexpr std::int32_t kTaunt = 10;
inline constexpr std::int32_t kFlee = state::kAbilityFlee;                // 11
inline constexpr std::int32_t kTractorBeam = state::kAbilityTractorBeam;  // 12
inline constexpr std::int32_t kEvilTaunt = 13;
inline constexpr std::int32_t kCloak = 14;
inline constexpr std::int32_t kExploit = 15;
inline constexpr std::int32_t kEmp = 16;
inline constexpr std::int32_t kExploit2 = 17;
inline constexpr std::int32_t kRecharge = 18;
inline constexpr std::int32_t kDisturb = 19;
inline constexpr std::int32_t kMark = 20;
inline constexpr std::int32_t kEmpResistance = 21;
inline constexpr std::int32_t kFocusedShield = 22;
inline constexpr std::int32_t kFocusedShield2 = 23;
inline constexpr std::int32_t kReflectionShield = 24;
inline constexpr std::int32_t kReflectionShield2 = 25;
inline constexpr std::int32_t kEvading = 26;
inline constexpr std::int32_t kShieldBoost = 27;
inline constexpr std::int32_t kSacrifice = 28;
inline constexpr std::int32_t kCalmness = 29;
inline constexpr std::int32_t kReinforcements = 30;
inline constexpr std::int32_t kSosBuoy = 31;
inline constexpr std::int32_t kRadioJammer = 32;
inline constexpr std::int32_t kEmp2 = 33;
inline constexpr std::int32_t kFocusBeam2 = 34;
inline constexpr std::int32_t kDisturb2 = 35;
inline constexpr std::int32_t kShipSpecial = state::kAbilityShipSpecial;  // 36
inline constexpr std::int32_t kOverheated = state::kAbilityOverheated;    // 37

}  // namespace combat
