// A new game's world for the screen tests: the state cleared, the player of a faction and a
// profession in that start ship, and the world built as a new game builds it.
#pragma once

#include "rules/new_game.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace screens_test {

inline void StartNewWorld(int faction = 1, int profession = 1) {
  state::ClearGameState();
  state::PlayerData[player::kFaction] = faction;
  state::PlayerData[player::kProfession] = profession;
  support::ScriptUi ui;
  rules::CreateNewGameWorld(state::StartShipClass(profession, faction), ui);
}

}  // namespace screens_test
