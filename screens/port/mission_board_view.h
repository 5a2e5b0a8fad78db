// What the mission board shows, built from the game state without any form: the header for the
// player's ship, the six offer tiles of the ship's system and the details of one offer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "state/mission_types.h"
#include "state/ship_classes.h"
namespace screens {

// The board's header by the size category of the player's ship; none for a size outside 1..100
// (the header then stays as it was).
std::optional<std::string> MissionBoardHeader(state::ShipSize shipSize);

// The picture base name of mission type 1..27's tile ("Mission_PatrolLogo"); empty otherwise.
std::string MissionLogo(MissionType type);

// A tile's picture: the logo as it shows normally, under the mouse, or selected.
enum class TileLook { Normal, Hovered, Selected };
std::string MissionTilePicture(const std::string& logo, TileLook look);

struct MissionTileView {
  bool offered = false;  // false: the tile's picture is hidden and its captions blank
  std::string title;     // "Search & Destroy"
  std::string place;     // the target's system, or the two systems of a pick-up and drop
  std::string reward;    // "$ 12,500"
  std::string logo;
};

// Slot 1..6 of the board of `system`.
MissionTileView BuildMissionTile(std::int32_t system, std::int32_t slot);

struct MissionDetailView {
  std::string heading;       // "Selected Mission: Patrol"
  std::string briefing;      // in double quotes
  std::string valueCaption;  // "Expected resistance:", "Required goods:", "Wanted:"
  std::string value;
  int valueLeft = 0;         // where the value starts, after its caption
  std::string location;
  std::string reward;
};

// The details of the offer in slot 1..6 of `system`; none for an empty slot or an unknown type.
// Draws and keeps the offer's briefing wording the first time it is shown.
std::optional<MissionDetailView> BuildMissionDetail(std::int32_t system, std::int32_t slot);

}  // namespace screens
