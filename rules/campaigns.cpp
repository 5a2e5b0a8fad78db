#include "rules/campaigns.h"

#include <algorithm>
#include <limits>

#include "rules/diplomacy.h"
#include "rules/news.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::PlayerData;
using state::Random;
using state::SystemData;

void AddSaturating(std::int32_t& value, std::int64_t amount) {
  const std::int64_t sum = static_cast<std::int64_t>(value) + amount;
  value = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A small faction fights harder, a large one is spread thin.
int StrengthBySize(int systems) {
  if (systems <= 0) return 0;
  if (systems <= 2) return 40;
  if (systems == 3) return 20;
  if (systems <= 5) return 10;
  if (systems <= 10) return -10;
  if (systems <= 16) return -20;
  return -40;
}

void EndSiege(Ui& ui, int s, Faction attacker, Faction defender, Faction player) {
  state::TSystemRow& row = SystemData[s];
  if (row[star_system::kAttackerPoints] > row[star_system::kDefenderPoints]) {
    row[star_system::kOwner] = state::Stored(attacker);
    row[star_system::kCampaign] = 0;
    if (row[star_system::kCampaignMissions] > 0 && player == attacker)
      AddSaturating(PlayerData[player::kAttacksWon], 1);
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (state::BodyData[s][b][body::kVisible] > 0)
        state::BodyData[s][b][body::kOwner] = state::Stored(attacker);
    }
    WriteWarNews(ui, kNewsSystemCaptured, attacker, defender, s);
  } else {
    // Equal points go to the defender.
    row[star_system::kCampaign] = 0;
    if (row[star_system::kCampaignMissions] > 0 && player == defender)
      AddSaturating(PlayerData[player::kDefencesWon], 1);
    WriteWarNews(ui, kNewsInvasionFailed, attacker, defender, s);
  }
}

}  // namespace

int SystemsOwnedBy(Faction f) {
  int count = 0;
  for (int s = 1; s <= state::kLastSystem; ++s) {
    const state::TSystemRow& row = SystemData[s];
    if (row[star_system::kPresent] > 0 && Faction{row[star_system::kOwner]} == f)
      ++count;
  }
  return count;
}

int WarBondLevel(int systems, std::int32_t bonds) {
  std::int64_t threshold = 500000;
  if (systems == 1 || systems == 2) {
    threshold = 50000;
  } else if (systems == 3) {
    threshold = 100000;
  } else if (systems == 4 || systems == 5) {
    threshold = 1000000;
  } else if (systems >= 6 && systems <= 10) {
    threshold = 500000;
  } else if (systems >= 11 && systems <= 16) {
    threshold = 1000000;
  } else if (systems >= 17 && systems <= 24) {
    threshold = 2500000;
  }
  if (bonds < threshold) return 1;
  if (bonds < 2 * threshold) return 2;
  if (bonds < 3 * threshold) return 3;
  return 4;
}

void UpdateCampaigns(Ui& ui) {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    state::TSystemRow& row = SystemData[s];
    if (row[star_system::kPresent] <= 0 || row[star_system::kCampaign] != 1) continue;
    const Faction attacker{row[star_system::kAttacker]};
    const Faction defender{row[star_system::kOwner]};
    AddSaturating(row[star_system::kCampaignDays], 1);

    const int attackerSystems = SystemsOwnedBy(attacker);
    const int defenderSystems = SystemsOwnedBy(defender);
    int a = 30 + StrengthBySize(attackerSystems);
    int d = 40 + StrengthBySize(defenderSystems);
    a += Random(10);
    d += Random(10);

    // The player's own side fights without the bonus the others get.
    const Faction player{PlayerData[player::kFaction]};
    if (player != attacker) a += 10;
    if (player != defender) d += 10;
    if (player == attacker) a -= 10;
    a = std::clamp(a, 20, 120);
    d = std::clamp(d, 20, 120);

    if (player == attacker && PlayerData[player::kWarBonds] > 0) {
      PlayerData[player::kWarBondLevel] =
          WarBondLevel(attackerSystems, PlayerData[player::kWarBonds]);
      a += 30 * PlayerData[player::kWarBondLevel];
    } else if (player == defender && PlayerData[player::kWarBonds] > 0) {
      PlayerData[player::kWarBondLevel] =
          WarBondLevel(defenderSystems, PlayerData[player::kWarBonds]);
      d += 30 * PlayerData[player::kWarBondLevel];
    }

    const int x = Random(150) + a;
    const int y = Random(150) + d;
    if (x > y) {
      AddSaturating(row[star_system::kAttackerPoints], 1);
    } else {
      AddSaturating(row[star_system::kDefenderPoints], 1);
    }

    if (row[star_system::kCampaignDays] >= row[star_system::kSiegeDays])
      EndSiege(ui, s, attacker, defender, player);
  }
}

void ApplyMissionToCampaign() {
  const int c = state::ActiveMission[mission::kCampaignSystem];
  const MissionType k{state::ActiveMission[mission::kType]};
  if (!state::IsSystem(c)) return;
  state::TSystemRow& row = SystemData[c];
  AddSaturating(row[star_system::kCampaignMissions], 1);
  // The campaign screen's report tells of the player's latest deed for the campaign.
  row[star_system::kLastCampaignMissionType] = state::Stored(k);

  const bool largeShip =
      state::GetShipClassSize(state::ShipClassOf(state::PlayerShip)) >= state::kSizeBattleship;
  int p = 15;
  if (k == kMissionCombatPatrol || k == kMissionEscort || k == kMissionRecon) p /= 2;
  if (k == kMissionTransport || k == kMissionSupply || k == kMissionCombatTransport) p *= 4;
  if (k == kMissionAbduction && !largeShip) {
    p *= 8;
  } else {
    p *= 4;
  }
  if (k == kMissionAssault) p *= 2;
  if (k == kMissionSuppression || k == kMissionBombingRun || k == kMissionBattle) p *= 2;
  if (k == kMissionSiege || k == kMissionRaiding) p *= 4;

  // Diminishing returns for many missions in one campaign.
  const int n = row[star_system::kCampaignMissions];
  if (!largeShip) {
    if (n >= 4 && n <= 12) {
      p -= p / 4;
    } else if (n >= 13) {
      p /= 2;
    }
  } else if (n >= 6) {
    p -= p / 4;
  }
  if (ComputerId{state::PlayerShip[ship::kTargeting]} == kComputerCommandHq) p += p / 2;

  if (row[star_system::kAttacker] == PlayerData[player::kFaction]) {
    AddSaturating(row[star_system::kAttackerPoints], p);
  } else {
    AddSaturating(row[star_system::kDefenderPoints], p);
  }
}

}  // namespace rules
