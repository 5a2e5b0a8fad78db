// Accepting a mission offer from the mission board of the system where the ship is: the refusals,
// the question before a dangerous fight, the copy into ActiveMission and the board's refill.
#pragma once

#include <cstdint>

#include "rules/tutorial.h"
#include "rules/ui.h"

namespace rules {

enum class AcceptResult {
  NoOffer,       // the slot holds no offer
  Busy,          // a mission is already running
  TutorialSlot,  // the tutorial wants the second offer
  Declined,      // the player said no to the danger question
  Accepted,
};

// Accepts the offer in `slot` (1..6) of the ship's current system. Every refusal and a declined
// question says so (or asks) through `ui` and changes nothing. On acceptance ActiveMission is
// marked running and takes the offer's mission fields (and no others), an Analysis clears the
// planet records of every visible body, the tutorial moves on, the player is told, the offer leaves
// the board and the boards are refilled. The caller redraws and then checks the mission for the
// body where the ship is.
AcceptResult AcceptMissionOffer(std::int32_t slot, Ui& ui);

// The tutorial steps at which only the second offer may be accepted.
inline constexpr std::int32_t kTutorialMissionSlot = 2;

}  // namespace rules
