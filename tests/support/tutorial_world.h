// The small world the tutorial's tests stand in: a Federation pilot at body 4 of system 5, whose
// seven bodies are named "World 1" .. "World 7".
#pragma once

#include <string>

#include "state/factions.h"
#include "state/fields.h"
#include "state/variables.h"

namespace support {

inline constexpr int kTutorialWorldSystem = 5;

inline void SetUpTutorialWorld() {
  state::ClearGameState();
  state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
  state::PlayerShip[ship::kSystem] = kTutorialWorldSystem;
  state::PlayerShip[ship::kBody] = 4;
  for (int b = 1; b <= 7; ++b)
    state::BodyText[kTutorialWorldSystem][b][body_text::kName] = "World " + std::to_string(b);
}

}  // namespace support
