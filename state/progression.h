// The player's career at a glance: age, portrait for that age, experience per level and the titles
// of the military ranks. Pure lookups over the game state; none of them changes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/factions.h"
#include "state/ranks.h"

namespace state {

inline constexpr std::int32_t kLastLevel = 19;       // no promotion goes beyond this level
inline constexpr Rank kLastTitledRank = kRankAdmiral;   // military ranks 1..7 carry a title

// Age in years: GameDay div 360 + 22, or 20 while NoAgingFlag is 1.
std::int32_t GetPlayerAge();

// The age from which a pilot is old: each year above it adds a day to every flight, and reaching
// it brings the first notice that it is time to retire.
inline constexpr std::int32_t kOldAge = 70;

// The player's portrait for the current age, e.g. "hero1_35y.jpg" for portrait 0 at age 40.
// Empty for a portrait outside 0..2 or an age outside 0..100000.
std::string GetHeroPortraitFile();

// The experience at which a player of `level` rises to the next level: 0 for level 0 and below,
// 9000000 for level 19. Saturates at the int32 limit for absurdly high levels.
std::int32_t GetLevelExperience(std::int32_t level);

// Title and abbreviated title of a military rank 1..7 ("Lieutenant Commander", "Lt. Com.").
// The faction does not change the title. A rank without a title gives back `otherwise`, so a
// caller that passes its current text keeps it as it was.
std::string GetRankTitle(Faction faction, Rank rank, std::string_view otherwise = {});
std::string GetRankTitleShort(Faction faction, Rank rank, std::string_view otherwise = {});

}  // namespace state

