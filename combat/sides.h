// The two sides of a fight: their ship rows and shields, their modifier lists and the cost of their
// guns.
#pragma once

#include <cstdint>

#include "state/clamp.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/variables.h"

namespace combat {

using state::Side;
using ModifierList = state::Table<state::TModifierRow, state::kModifierRows>;

// Action points of a side whose turn has ended.
inline constexpr std::int32_t kTurnEnded = -100;

// The steps of the enemy's decision list; ship::kDecisionStep of EnemyShip at this value has
// nothing left to try in the turn.
inline constexpr int kEnemyDecisionSteps = 38;

inline state::TShipRow& Ship(Side side) {
  return side == Side::Player ? state::PlayerShip : state::EnemyShip;
}

inline Side Other(Side side) { return side == Side::Player ? Side::Enemy : Side::Player; }

inline ModifierList& ListOf(Side side) {
  return side == Side::Player ? state::PlayerModifiers : state::EnemyModifiers;
}

// Shields of `side`: ship::kShields of PlayerShip or EnemyShip, lowered or raised without a
// bound, saturating at the int32 limits.
inline void ChangeShields(Side side, std::int64_t delta) {
  auto& ship = Ship(side);
  ship[ship::kShields] = state::Clamp32(static_cast<std::int64_t>(ship[ship::kShields]) + delta);
}

// The most the shields of `side`'s ship reach: the class's shields with the bonus of the engine and
// of the cargo module (state::GetShipMaxShields). Recharges fill up to it, and the beginners'
// damage caps are shares of it. The class's own shields without the bonus
// (state::GetShipClassBaseShields) are what a new or repaired ship starts with and the full bar
// of the shield gauges.
inline std::int32_t MaxShields(Side side) {
  const auto& ship = Ship(side);
  return state::GetShipMaxShields(state::ShipClassOf(ship), EngineId{ship[ship::kEngine]},
                                  CargoModuleId{ship[ship::kCargoModule]});
}

// The action points one volley of the side's guns costs.
inline std::int32_t GunCost(Side side) {
  const auto& ship = Ship(side);
  return state::GetGunApCost(state::ShipClassOf(ship), GunId{ship[ship::kGun]}, side);
}

}  // namespace combat
