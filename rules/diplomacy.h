// War and peace between the four factions: one step a day for every ordered pair of living
// factions, and the start of invasions. Every change is announced as a war news entry.
#pragma once

#include <cstdint>
#include <string>

#include "rules/news.h"
#include "rules/ui.h"
#include "state/factions.h"

namespace rules {

// The system that faction `attacker` would invade next: a non-capital system of `defender`
// (of anyone when defender is 0) behind a visible wormhole of one of the attacker's systems.
// A system behind several wormholes is that much more likely. 0 when there is none; a draw is
// made only when there are two or more candidates.
int PickInvasionTarget(Faction attacker, Faction defender);

// One day of diplomacy: declarations of war, cease-fires and the start of invasions.
void UpdateFactionDiplomacy(Ui& ui);

// Writes a war news entry of `kind` (5..9) for factions `first` and `second` (and `system` for
// kinds 7..9), composes its text and shows it in the news popup when the travel screen is
// visible, war popups are allowed and the kind is an invasion, a conquest or a failed invasion.
void WriteWarNews(Ui& ui, NewsKind kind, Faction first, Faction second, int system);

// True while faction f is at war with faction g (factions 0..4; anything else is never at war).
bool AtWar(Faction f, Faction g);

// The short name of faction 0..4 (0 the pirates); empty for any other number.
std::string FactionShortName(Faction faction);

// True while a present system runs a campaign of `attacker` against `defender`.
bool CampaignRunsBetween(Faction attacker, Faction defender);

}  // namespace rules
