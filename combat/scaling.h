// The four scaling rules that help beginners (undone in veteran mode): the damage and the chances
// (in percent) of the player against the enemy, and of the enemy against the player.
#pragma once

#include <cstdint>

namespace combat {

std::int32_t ScalePlayerDamageToEnemy(std::int32_t damage);
std::int32_t ScalePlayerDamageToEnemy2(std::int32_t chance);
std::int32_t ScaleEnemyDamageToPlayer(std::int32_t damage);
std::int32_t ScaleEnemyDamageToPlayer2(std::int32_t chance);

}  // namespace combat
