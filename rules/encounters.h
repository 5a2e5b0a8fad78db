// Hostile encounters on the way: each flight day may bring an enemy of the player's faction, or,
// while the player is wanted, the police. The encounter announces the opponent and fights it on
// the combat screen; a lost ship costs a life point or ends the game.
#pragma once

#include <cstdint>

#include "rules/ui.h"

namespace rules {

// The chance out of the day's roll that a hostile ship turns up in system `s`: 30, doubled
// during a campaign there, lowered by the criminalistics skills and by a ship with extended
// sensors, at least 10; -10 (never) in the tutorial's first 50 days.
std::int32_t EncounterChance(std::int32_t s);

// Rolls the day's encounter for the ship in its current system and, when one happens and it is
// the first of this flight, announces the opponent and runs the fight. Returns when the fight is
// over, or at once when nothing happens.
void StartHostileEncounter(Ui& ui);

}  // namespace rules
