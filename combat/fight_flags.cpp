#include "combat/fight_flags.h"

namespace combat {

std::uint8_t BoardingOffered = 0;
BoardingPhaseKind BoardingPhase = kNoBoardingPhase;
std::array<std::int32_t, 6> BoardingCasualties{};
std::int32_t SelectedEscort = 0;
std::int32_t SelectedTarget = 0;
std::uint8_t FleetBattleWon = 0;
std::uint8_t FleetDuelRunning = 0;

void ResetShipFightFlags() { BoardingOffered = 0; }

void ResetFleetBattleFlags() {
  SelectedEscort = 0;
  SelectedTarget = 0;
  FleetBattleWon = 0;  // no battle is won without a fight
  FleetDuelRunning = 0;
}

void ResetFightFlags() {
  ResetShipFightFlags();
  BoardingPhase = kNoBoardingPhase;
  BoardingCasualties.fill(0);
  ResetFleetBattleFlags();
}

}  // namespace combat
