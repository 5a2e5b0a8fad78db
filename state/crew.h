// The five kinds of crew a ship carries, what each costs to hire and what its information popup
// says. The crew hiring screen and the crew combat screen show the same kinds and texts.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/fields.h"

namespace state {

// Numbered as the screens show them; the ship row keeps marines before pirates.
enum class CrewKind { Crewmen = 1, Officers, Pirates, Marines, Droids };
inline constexpr int kCrewKindCount = 5;

// The PlayerShip (or EnemyShip) field that counts crew of `kind`.
ship::Field CrewCountField(CrewKind kind);

// What one member of `kind` costs to hire; 0 for the battle droids, which are never for hire.
std::int32_t CrewHirePrice(CrewKind kind);

// The crew aboard the player's ship: the five counts together, within the int32 range.
std::int32_t PlayerCrewOnBoard();

// The topic and text of a crew kind's information popup.
struct CrewKindInfo {
  std::string_view topic;
  std::string_view text;
};
CrewKindInfo GetCrewKindInfo(CrewKind kind);

}  // namespace state
