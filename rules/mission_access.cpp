#include "rules/mission_access.h"

#include <cstdint>
#include <utility>

#include "rules/diplomacy.h"
#include "state/fields.h"
#include "state/variables.h"

namespace rules {

namespace {

using state::IsSystem;

bool PlayerIsCriminal() { return state::PlayerData[player::kCriminalDays] >= 1; }

MissionsAccess Refuse(std::string topic, std::string text, bool campaign = false) {
  MissionsAccess access;
  access.route = MissionsRoute::Refusal;
  access.topic = std::move(topic);
  access.text = std::move(text);
  access.campaign = campaign;
  return access;
}

// Either side of the war in `system` gets the campaign screen (or, from the missions icon while a
// mission runs, its missions); everyone else is told whose war it is.
MissionsAccess CampaignAccess(std::int32_t system, bool missionsWhileOneRuns) {
  const state::TSystemRow& here = state::SystemData[system];
  const Faction faction{state::PlayerData[player::kFaction]};
  const Faction owner{here[star_system::kOwner]};
  const Faction attacker{here[star_system::kAttacker]};
  if (faction != owner && faction != attacker) {
    return Refuse("N/A",
                  "In this system the invaders of the " + FactionShortName(attacker) +
                      " attack the defending " + FactionShortName(owner) +
                      ". You are not affiliated to them and cannot interfere.",
                  true);
  }
  MissionsAccess access;
  access.campaign = true;
  access.route = missionsWhileOneRuns && state::ActiveMission[mission::kActive] != 0
                     ? MissionsRoute::Missions
                     : MissionsRoute::CampaignScreen;
  return access;
}

}  // namespace

MissionsAccess DecideMissionsIcon() {
  if (PlayerIsCriminal()) {
    return Refuse("N/A",
                  "You have been flagged criminal and cannot accept any missions as long as the "
                  "flag has not weared off!");
  }
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  if (!IsSystem(system)) return {};
  const state::TSystemRow& here = state::SystemData[system];
  if (here[star_system::kCampaign] >= 1) return CampaignAccess(system, true);
  if (here[star_system::kOwner] != state::PlayerData[player::kFaction]) {
    return Refuse("N/A",
                  "You can only get missions in systems owned by your own faction. This system is "
                  "owned by the " +
                      FactionShortName(Faction{here[star_system::kOwner]}) + ".");
  }
  MissionsAccess access;
  access.route = MissionsRoute::Missions;
  access.ownPeacefulSystem = true;
  return access;
}

MissionsAccess DecideMissionsOpening() {
  MissionsAccess access;
  if (state::ActiveMission[mission::kActive] >= 1) {
    access.route = MissionsRoute::MissionPanel;
    return access;
  }
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  if (!IsSystem(system)) return access;
  for (int slot = 1; slot <= 5; ++slot) {
    if (state::MissionOffers[system][slot][mission::kActive] == 0) {
      return Refuse("No mission uplink",
                    "An enemy spaceship is spamming all radio frequences. You need to fly to a "
                    "different location to get an uplink to the mission database.");
    }
  }
  access.route = MissionsRoute::MissionBoard;
  return access;
}

MissionsAccess DecideInvasionButton() {
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  if (!IsSystem(system) || state::SystemData[system][star_system::kCampaign] <= 0) return {};
  if (PlayerIsCriminal()) {
    return Refuse("N/A",
                  "You have been flagged criminal and cannot take part in the battle as long as "
                  "the flag has not weared off!");
  }
  return CampaignAccess(system, false);
}

}  // namespace rules
