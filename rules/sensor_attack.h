// The attack on a special ship picked on the ship sensors: a whole ship fight, then what it
// brings: campaign points for a ship that served the enemy's war, the bounty on a pirate, the end
// of a bounty or abduction mission, the criminal flag for attacking the player's own faction, the
// loss of the player's ship, and one game day in every case.
#pragma once

#include <cstdint>

#include "rules/ui.h"

namespace rules {

// How the attack ended.
enum class SensorAttackOutcome {
  Declined,         // the player did not take on a bigger ship: nothing happened
  EnemyDestroyed,   // shot down, or blown up by the boarding crew
  EnemyTaken,       // captured on its bridge by the boarding crew
  PlayerShipLost,   // the player's ship was destroyed (whatever became of the enemy)
  BothSurvived,     // the enemy got away, or the player fled
};

// Attacks special ship `slot` (1..10, active): FightSpecialShip, then SettleSensorAttack, then a
// game day passes. A declined attack does nothing at all.
SensorAttackOutcome AttackSpecialShip(std::int32_t slot, Ui& ui);

// The fight alone. Asks first when the ship is bigger than the player's; then sets up the fight,
// announces it and fights it through `ui.RunShipCombat()`. The ship leaves the sensors whatever
// the outcome.
SensorAttackOutcome FightSpecialShip(std::int32_t slot, Ui& ui);

// What the fight brought, for `target`, the ship's row as it was before the fight: war support,
// bounty, mission, crime after a won fight; the loss of the ship (or the end of the game) after a
// lost one. A ship the boarders took brings no war support and no bounty here: the boarding paid
// for it already.
void SettleSensorAttack(const state::TSpecialShipRow& target, SensorAttackOutcome outcome, Ui& ui);

}  // namespace rules
