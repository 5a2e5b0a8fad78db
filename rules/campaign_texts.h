// The campaign screen's two quoted texts about a running campaign: a situation report and a word
// from High Command on the player's part in it. Their sentence variants are drawn once per system,
// kept in the system's row (SystemData[s][28..32]) and reused, so the screen reads the same every
// time. A system outside 1..24 gives an empty text.
#pragma once

#include <string>
#include <string_view>

#include "state/mission_types.h"

namespace rules {

// Trend codes the campaign screen passes for each side: 3 or 4, anything else for none.
inline constexpr int kTrendHolding = 3;    // defender: the defence holds; attacker: advancing
inline constexpr int kTrendDecisive = 4;   // defender: relieved; attacker: the defence collapses

// The situation report: who invades whom, then how the fight is going.
std::string BuildCampaignStatusText(std::string_view attacker, std::string_view defender,
                                    std::string_view system, int defenderTrend,
                                    int attackerTrend, int s);

// High Command's word while the player has flown no mission for the campaign.
std::string BuildCampaignNotEngagedText(int s);

// High Command's word on the player's `missions` missions, the last of type `lastMissionType`.
std::string BuildCampaignInfluenceText(int s, MissionType lastMissionType, int missions);

}  // namespace rules
