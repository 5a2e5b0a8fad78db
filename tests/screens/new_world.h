// A new game's world for the screen tests: the state cleared, the player of a faction and a
// profession in that start ship, and the world built as a new game builds it.
#pragma once

#include "rules/new_game.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace screens_test {

inline void StartNewWorld(Faction faction = kFactionFederation,
                          Profession profession = kProfessionTrader) {
  state::ClearGameState();
  state::PlayerData[player::kFaction] = state::Stored(faction);
  state::PlayerData[player::kProfession] = state::Stored(profession);
  support::ScriptUi ui;
  rules::CreateNewGameWorld(state::StartShipClass(profession, faction), ui);
}

}  // namespace screens_test
