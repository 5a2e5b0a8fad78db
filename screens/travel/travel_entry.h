// Where a new or loaded game goes on: the travel screen, opened modally.
#pragma once

namespace screens {

// Opens the travel screen for the game as it stands and returns when it closes.
void OpenTravelScreen();

}  // namespace screens
