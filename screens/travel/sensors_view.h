// What the ship sensors show, built from the game state without any form: the blips of the ten
// special-ship slots, the description of the selected ship, and the answer to a hail.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace screens {

inline constexpr int kSensorSlots = 10;

inline constexpr platform::Color kEnemyBlip = platform::colors::Red;
inline constexpr platform::Color kFriendlyBlip = platform::Rgb(28, 141, 255);
inline constexpr platform::Color kSelectedBlip = platform::colors::Yellow;

struct SensorBlipView {
  bool shown = false;
  platform::Color colour = kFriendlyBlip;
  std::string label;  // "Enemy blip", "Friendly blip" or "Selected blip", for the compatibility mode
};

// The blips of slots 1..10 (slot k at [k - 1]), `selected` marked.
std::array<SensorBlipView, kSensorSlots> BuildSensorBlips(int selected);

// Whether the ship in slot `slot` is hostile: a pirate, or a ship of a faction at war with the
// player's; never one of the player's own faction.
bool SensorShipHostile(int slot);

struct SensorShipView {
  std::string line;         // faction, class and size; or the mission target's name and class
  std::string description;  // the sensor text
  std::string speciality;   // "-", a bounty, a ransom, a mission target ...
  std::string picture;      // the ship's scene picture
};

// The scan of the ship in slot 1..10. Draws the sensor sentences the first time a ship is
// described (they are kept in its row), and a mission target's name the first time it is named.
SensorShipView DescribeSensorShip(int slot);

struct SensorHailView {
  std::string picture;
  std::string text;
};

// The answer to a hail of the ship in slot 1..10.
SensorHailView BuildSensorHail(int slot);

}  // namespace screens
