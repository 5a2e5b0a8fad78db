// The fleet battle screen as the rules reach it.
#pragma once

#include <cstdint>

namespace screens {

// Prepares both fleets against `enemyFaction`, runs the fleet battle screen and returns whether
// the enemy fleet was destroyed.
bool RunFleetBattleOnScreen(std::int32_t enemyFaction, std::int32_t fleetKind);

}  // namespace screens
