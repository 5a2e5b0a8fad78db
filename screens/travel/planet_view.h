// What the planet screen shows of the body the ship has landed on, built from the game state
// without any form: its name, owner, economy class, description and picture, and whether the
// governor receives the player.
#pragma once

#include <cstdint>
#include <string>

namespace screens {

struct PlanetView {
  bool isBody = false;       // system 1..24 and body 1..15; otherwise the rest is empty
  std::string name;          // the body's name
  std::string faction;       // "Faction: " and the owner's long name
  std::string economyClass;  // "Class: Agricultural" ...; empty for a body without an economy
  std::string description;
  std::string picture;       // the city picture, or the planet's large picture, with ".jpg"
};

// The planet screen of body `body` in `system`.
PlanetView BuildPlanetView(std::int32_t system, std::int32_t body);

// Whether the governor of the planet the ship is at receives the player: the planet belongs to
// the player's faction.
bool GovernorReceivesPlayer();

}  // namespace screens
