// Mission briefings: one paragraph per mission telling the player what it is about, and the names
// of the hunted criminal (Bounty) and the enemy ace (Abduction).
//
// A briefing's wording is drawn once and kept in the record's mission::kBriefingVariant; a name's
// in mission::kNameVariant.
// So a mission reads the same on the board, on the travel screen after acceptance and after a load.
// Every builder takes the record as (source, system, slot): source 1 is ActiveMission, anything
// else the offer MissionOffers[system][slot]. A missing wording (a variant the builder has no text
// for, as a damaged save may hold) gives the empty text; an offer outside the boards gives it too.
#pragma once

#include <cstdint>
#include <string>

#include "state/mission_types.h"

namespace rules {

std::string GetMissionTextSearchAndDestroy(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextPatrol(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextTransport(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextAmbush(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextBounty(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextSupply(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextSpecialForces(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextReportForDuty(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextStrike(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextCombatPatrol(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextCombatTransport(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextAssault(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextInfiltrate(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextEscort(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextRecon(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextMarineLanding(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextEvacuation(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextAbduction(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextAnalysis(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextBlitzkrieg(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextFlanking(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextSuppression(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextBombingRun(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextBattle(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextSiege(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextRaiding(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetMissionTextFlagship(std::int32_t source, std::int32_t system, std::int32_t slot);

// The builder of mission type 1..27 applied to the record; empty for any other type.
std::string GetMissionBriefing(MissionType type, std::int32_t source, std::int32_t system,
                               std::int32_t slot);

// The criminal of a Bounty and the enemy ace of an Abduction, in double quotes ("\"Blackbeard\"");
// a stored name index outside 1..10 gives "\"Troublemaker\"".
std::string GetBountyTargetName(std::int32_t source, std::int32_t system, std::int32_t slot);
std::string GetAbductionTargetName(std::int32_t source, std::int32_t system, std::int32_t slot);

}  // namespace rules
