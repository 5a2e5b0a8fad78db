#include "combat/scaling.h"

#include "combat/sides.h"
#include "state/clamp.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

state::ShipSize SizeOf(const state::TShipRow& ship) {
  return state::GetShipClassSize(state::ShipClassOf(ship));
}

using state::Clamp32;

}  // namespace


std::int32_t ScalePlayerDamageToEnemy(std::int32_t v) {
  const state::ShipSize playerSize = SizeOf(state::PlayerShip);
  const state::ShipSize enemySize = SizeOf(state::EnemyShip);
  const Rank rank{state::PlayerData[player::kRank]};
  std::int64_t x = v;
  if (state::GameDay < 200 && playerSize == state::kSizeFighter) x += x / 6;
  if (rank < kRankLieutenantCommander) x += x / 6;
  if (enemySize > playerSize && rank < kRankCommander) x += x / 6;
  if (state::VeteranMode == 1) x = v;
  const std::int64_t cap = MaxShields(Side::Enemy) / 3;
  if (x >= cap) x = cap;
  return Clamp32(x);
}

std::int32_t ScalePlayerDamageToEnemy2(std::int32_t v) {
  const state::ShipSize playerSize = SizeOf(state::PlayerShip);
  const state::ShipSize enemySize = SizeOf(state::EnemyShip);
  const Rank rank{state::PlayerData[player::kRank]};
  std::int64_t x = static_cast<std::int64_t>(v) + v / 5;
  if (state::GameDay < 200 && playerSize == state::kSizeFighter) x += x / 10;
  if (rank < kRankLieutenantCommander) x += x / 5;
  if (enemySize > playerSize && rank < kRankCommander) x += x / 10;
  if (state::VeteranMode == 1) x = v;
  return Clamp32(x);
}

std::int32_t ScaleEnemyDamageToPlayer(std::int32_t v) {
  const state::ShipSize playerSize = SizeOf(state::PlayerShip);
  const state::ShipSize enemySize = SizeOf(state::EnemyShip);
  const Rank rank{state::PlayerData[player::kRank]};
  std::int64_t x = v;
  if (enemySize < playerSize) x += x / 4;
  if (rank >= kRankLieutenantCommander) x += x / 6;
  if (state::VeteranMode == 1) x += x / 6;
  const std::int64_t cap = MaxShields(Side::Player) / 2;
  if (x >= cap) x = cap;
  return Clamp32(x);
}

std::int32_t ScaleEnemyDamageToPlayer2(std::int32_t v) {
  const state::ShipSize playerSize = SizeOf(state::PlayerShip);
  const state::ShipSize enemySize = SizeOf(state::EnemyShip);
  const Rank rank{state::PlayerData[player::kRank]};
  std::int64_t x = static_cast<std::int64_t>(v) - v / 5;
  if (rank < kRankLieutenantCommander) x -= x / 5;
  if (enemySize < playerSize) x += x / 4;
  if (rank >= kRankLieutenantCommander) x += x / 10;
  if (state::VeteranMode == 1) x += x / 5;
  return Clamp32(x);
}

}  // namespace combat
