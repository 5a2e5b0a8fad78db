// The catalogue's ids (factions, ship classes, goods, equipment, missions, ...) are scoped enums, so
// that an id of one kind passed where another kind is wanted does not compile, and a bare number
// does not become an id unnoticed. The game state's rows and the save file hold them as numbers:
//
//   const Faction faction{state::PlayerData[player::kFaction]};   // a stored number read as an id
//   state::PlayerData[player::kFaction] = state::Stored(faction);  // an id stored as its number
#pragma once

#include <type_traits>

namespace state {

template <class Id>
concept CatalogueId = std::is_enum_v<Id>;

// The number an id is stored as in the game state's rows, tables and the save file.
template <CatalogueId Id>
constexpr std::underlying_type_t<Id> Stored(Id id) {
  return static_cast<std::underlying_type_t<Id>>(id);
}

}  // namespace state
