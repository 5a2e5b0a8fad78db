// What the active mission does when the ship reaches a body: its fight or fleet battle starts,
// nav points and pick-ups move on, the spy sensors are checked, an analysis records the planet,
// and a finished mission pays its reward, experience and campaign points. A lost fight or battle
// fails the mission; a lost ship then costs a life point or ends the game.
#pragma once

#include <cstdint>
#include <string_view>

#include "rules/ui.h"

namespace rules {

// Moves the active mission on for the ship's arrival at its current body. Does nothing without an
// active mission of type 1..26 or with the ship destroyed.
void CheckMissionOnArrival(Ui& ui);

// Ends the active mission as completed: the campaign it serves, the count of missions done, the
// reward (with `successText` before its amount), the experience and its notice.
void PayOutActiveMission(std::string_view successText, std::int32_t experience, Ui& ui);

// Ends the active mission as failed: hides the mission panel, clears the mission and says so.
void ShowMissionFailed(Ui& ui);

}  // namespace rules
