// Campaigns: the siege of a system by an invading faction. Each day attacker and defender fight a
// weighted random duel for one point; at the siege's end the system changes owner when the
// attacker has more points. The player adds points by flying missions and by holding war bonds.
#pragma once

#include <cstdint>

#include "rules/ui.h"

namespace rules {

// One day of every running campaign: a duel each, then conquest or failure at the siege's end.
void UpdateCampaigns(Ui& ui);

// Adds the points of the mission in ActiveMission (just fulfilled) to the player's side of the
// campaign in the mission's system. A campaign system outside 1..24 is ignored.
void ApplyMissionToCampaign();

// The war-bond level 1..4 for bonds worth `bonds` of a side that owns `systems` systems.
int WarBondLevel(int systems, std::int32_t bonds);

// Present systems owned by faction f.
int SystemsOwnedBy(Faction f);

}  // namespace rules
