// The flags of the fights kept outside the game state's tables (never saved): they live as long as
// one fight, and are reset here only. Setting up a ship fight clears its own, preparing a fleet
// battle clears the battle's; a boarding fight sets its phase and casualties as it starts.
// ResetFightFlags clears every one of them, for a fresh start such as a test's.
#pragma once

#include <array>
#include <cstdint>

namespace combat {

// --- A ship fight ---------------------------------------------------------------------------------

// 1 once boarding has been offered in this fight, or the enemy has escaped.
extern std::uint8_t BoardingOffered;

// --- A boarding fight -----------------------------------------------------------------------------

// Fight state of the crew combat screen (the areas themselves are state::BoardingAreas): fighting
// in the current area (EnemyShip[ship::kBoardedArea]), or the area is secured and the next one is
// to be chosen.
enum class BoardingPhaseKind : std::int32_t {
  kNoBoardingPhase = 0,  // no boarding fight yet
  kFightingPhase = 1,
  kChoosingPhase = 2,
};
using enum BoardingPhaseKind;
extern BoardingPhaseKind BoardingPhase;
// The player's losses since they were last zeroed, [1] crewmen, [2] officers, [3] marines,
// [4] pirates, [5] droids: the same order as the crew fields ship::kCrewmen .. kDroids.
extern std::array<std::int32_t, 6> BoardingCasualties;

// --- A fleet battle -------------------------------------------------------------------------------

extern std::int32_t SelectedEscort;    // row of PlayerFleet, 0 = none
extern std::int32_t SelectedTarget;    // row of EnemyFleet, 0 = none
extern std::uint8_t FleetBattleWon;    // 1 won; 0 lost or retreated
extern std::uint8_t FleetDuelRunning;  // the duel timer runs

// What setting up a ship fight clears: the boarding offer.
void ResetShipFightFlags();
// What preparing a fleet battle clears: the selections, the outcome and the duel timer.
void ResetFleetBattleFlags();
// Every flag above cleared, the boarding fight's too.
void ResetFightFlags();

}  // namespace combat
