#include "rules/encounters.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "rules/diplomacy.h"
#include "rules/missions.h"
#include "rules/ship_loss.h"
#include "rules/tutorial.h"
#include "state/abilities.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

constexpr int kFactionDraws = 1000;
constexpr int kClassDraws = 1001;

using state::IsSystem;

// Missions that keep the ship on the move in dangerous space roll the day out of a smaller range.
bool MissionDrawsFire(MissionType type) {
  switch (type) {
    case kMissionPatrol:
    case kMissionTransport:
    case kMissionSupply:
    case kMissionSpecialForces:
    case kMissionCombatPatrol:
    case kMissionCombatTransport:
    case kMissionInfiltrate:
    case kMissionEscort:
    case kMissionRecon:
    case kMissionMarineLanding:
    case kMissionEvacuation:
      return true;
    default:
      return false;
  }
}

bool AtWarWithPlayer(Faction faction) {
  const std::int32_t pf = state::PlayerData[player::kFaction];
  if (pf < 0 || pf >= state::kFactions || !state::IsFaction(faction)) return false;
  return state::FactionData[pf][faction::AtWarWith(faction)] != 0;
}

std::int32_t DayRoll(state::ShipSize size) {
  std::int32_t r = state::Random(1000);
  if (size == state::kSizeBattleship) r = state::Random(2000);
  if (state::ActiveMission[mission::kActive] > 0 &&
      MissionDrawsFire(MissionType{state::ActiveMission[mission::kType]})) {
    r = size == state::kSizeBattleship ? state::Random(1000) : state::Random(400);
  }
  return r;
}

}  // namespace

std::int32_t EncounterChance(std::int32_t s) {
  std::int32_t c = 30;
  if (IsSystem(s) && state::SystemData[s][star_system::kCampaign] > 0) c = 60;
  const bool criminalistics = state::OwnsSkill(kSkillCriminalistics);
  const bool advanced = state::OwnsSkill(kSkillAdvancedCriminalistics);
  if (criminalistics && !advanced) c -= c / 4;
  if (advanced) c -= c / 2;
  if (state::GetShipClassSpecial(state::ShipClassOf(state::PlayerShip)) ==
      state::kSpecialExtendedSensors) {
    c -= c / 4;
  }
  c = std::max(c, 10);
  if (TutorialSparesEncounters()) c = -10;
  return c;
}

void StartHostileEncounter(Ui& ui) {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const state::ShipSize size = state::GetShipClassSize(state::ShipClassOf(state::PlayerShip));
  const std::int32_t r = DayRoll(size);
  if (EncounterChance(s) <= r) return;

  const Faction owner =
      IsSystem(s) ? Faction{state::SystemData[s][star_system::kOwner]} : kFactionPirates;
  const EncounterSituation situation = EncounterSituationOf(s);

  // Pirates never attack here; the own and neutral factions only hunt a wanted player.
  const bool wanted = state::PlayerData[player::kCriminalDays] != 0;
  bool found = false;
  for (int draw = 0; draw < kFactionDraws && !found; ++draw) {
    const Faction f = ChooseEncounterFaction(situation, owner);
    state::EnemyShip[ship::kFaction] = state::Stored(f);
    found = f > kFactionPirates && (AtWarWithPlayer(f) || wanted);
    if (!found) state::EnemyShip[ship::kFaction] = state::Stored(kFactionPirates);
  }
  if (!found) return;
  const Faction faction{state::EnemyShip[ship::kFaction]};

  state::ShipClassId enemyClass = state::kNoShipClass;
  for (int draw = 0; draw < kClassDraws; ++draw) {
    enemyClass = ChooseEncounterShipType(situation, s, state::Stored(size), faction);
    if (state::GetShipClassRole(enemyClass) == state::kRoleMilitary &&
        state::GetShipClassSize(enemyClass) <= size) {
      break;
    }
  }
  if (enemyClass != state::kNoShipClass) ui.SetupShipCombat(enemyClass, faction, kMilitaryShip, 0);

  // The police and neutral ships try to catch the ship instead of destroying it.
  const Faction playerFaction{state::PlayerData[player::kFaction]};
  if ((faction == playerFaction && wanted) || !AtWarWithPlayer(faction)) {
    state::EnemyAbilitySlots[12] = state::Stored(state::kTractorBeam);
  }

  if (state::PlayerData[player::kFlightEncounters] >= 1) return;  // one encounter per flight
  if (enemyClass == state::kNoShipClass || state::PlayerShip[ship::kAlive] == 0) return;

  state::PlayerData[player::kFlightEncounters] += 1;
  audio::PlayAlertSound();
  const std::string opponent =
      FactionShortName(faction) + " " + state::GetShipClassName(enemyClass);
  ui.ShowEncounter(
      "Hostile encounter!", opponent,
      "\"Alert! All hands to battle-stations. Hostile spaceship ahead and closing in. "
      "Ready to engage...\"",
      state::GetShipFactionImage(state::ShipClassOf(state::EnemyShip),
                                 Faction{state::EnemyShip[ship::kFaction]}) +
          "_Scene.jpg");
  ui.RunShipCombat();
  if (state::PlayerShip[ship::kAlive] == 0) EndGameIfShipLost(ui);
}

}  // namespace rules
