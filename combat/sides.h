// The two sides of a fight: their ship rows, their modifier lists and the cost of their guns.
#pragma once

#include <cstdint>

#include "state/equipment.h"
#include "state/fields.h"
#include "state/variables.h"

namespace combat {

using state::Side;
using ModifierList = state::Table<state::TModifierRow, state::kModifierRows>;

// Action points of a side whose turn has ended.
inline constexpr std::int32_t kTurnEnded = -100;

inline state::TShipRow& Ship(Side side) {
  return side == Side::Player ? state::PlayerShip : state::EnemyShip;
}

inline Side Other(Side side) { return side == Side::Player ? Side::Enemy : Side::Player; }

inline ModifierList& ListOf(Side side) {
  return side == Side::Player ? state::PlayerModifiers : state::EnemyModifiers;
}

// The action points one volley of the side's guns costs.
inline std::int32_t GunCost(Side side) {
  const auto& ship = Ship(side);
  return state::GetGunApCost(ship[ship::kClass], ship[ship::kGun], side);
}

}  // namespace combat
