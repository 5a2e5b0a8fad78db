// The governor of a planet of the player's own faction: a greeting by military rank that names the
// faction's wars, the criminal flag, and an amnesty that lifts the flag for 100,000 credits to a
// player with the "Amnesty" skill.
#pragma once

#include <cstdint>
#include <string>

#include "rules/ui.h"
#include "state/factions.h"

namespace rules {

inline constexpr std::int32_t kAmnestyPrice = 100000;

// What the governor's screen shows, built from the game state.
struct GovernorView {
  std::string greeting;      // in quotation marks, as the governor speaks it
  std::string criminalFlag;  // "No", or "Yes (12 turns)"
  bool amnestyOffered = false;
  std::string logo;          // the player's faction's logo picture, ".jpg" included
};

GovernorView BuildGovernorView();

// The short names of the factions `faction` is at war with, in faction order: "A", "A and the B",
// "A, B and the C"; empty at peace.
std::string WarList(Faction faction);

// Whether the amnesty may be asked for: the player is criminal flagged and owns "Amnesty".
bool AmnestyOffered();

// "Ask for an amnesty": asks whether the player buys it; on yes, with enough credits, the flag is
// lifted and true returned. Refused for lack of money it says so and changes nothing. Without an
// amnesty on offer nothing happens.
bool AskForAmnesty(Ui& ui);

}  // namespace rules
