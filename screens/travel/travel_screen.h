// Where a new or loaded game goes on: the travel screen, shown modally over the start screen until
// the player leaves it for the start screen or the game ends.
#pragma once

namespace screens {

// Shows the travel screen modally and returns when it closes. Until the travel screen is built it
// says so and returns at once.
void OpenTravelScreen();

}  // namespace screens
