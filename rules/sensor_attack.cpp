#include "rules/sensor_attack.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "rules/campaigns.h"
#include "rules/credits.h"
#include "rules/diplomacy.h"
#include "rules/daily_turn.h"
#include "rules/mission_arrival.h"
#include "rules/missions.h"
#include "rules/ship_loss.h"
#include "rules/special_ships.h"
#include "state/abilities.h"
#include "state/format.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/skills.h"

namespace rules {
namespace {

using state::ActiveMission;
using state::EnemyShip;
using state::PlayerData;
using state::PlayerShip;

// A ship taken by boarders leaves the fight with its shields up and its bridge the last area
// stormed; gunfire ends a ship only with its shields down.
bool TakenByBoarders() {
  return EnemyShip[ship::kAlive] == 0 && EnemyShip[ship::kShields] > 0 &&
         EnemyShip[ship::kBoardedArea] == boarding_area::kBridge;
}

SensorAttackOutcome ReadOutcome() {
  if (PlayerShip[ship::kAlive] == 0) return SensorAttackOutcome::PlayerShipLost;
  if (EnemyShip[ship::kAlive] != 0) return SensorAttackOutcome::BothSurvived;
  return TakenByBoarders() ? SensorAttackOutcome::EnemyTaken : SensorAttackOutcome::EnemyDestroyed;
}

// A military ship on an important mission, or a trader carrying military supplies for the enemy,
// moves the campaign of the current system one step towards the player's faction.
void SupportWar(const state::TSpecialShipRow& target, Ui& ui) {
  const std::int32_t cur = PlayerShip[ship::kSystem];
  if (cur < 1 || cur > state::kLastSystem) return;
  state::TSystemRow& system = state::SystemData[cur];
  if (system[star_system::kCampaign] <= 0) return;
  const ShipKind kind{target[special_ship::kKind]};
  const SpecialShipSubKind subKind{target[special_ship::kSubKind]};
  const bool warship = kind == kMilitaryShip && subKind == kSubKindImportantMission;
  const bool supplies = kind == kTraderShip && subKind == kSubKindMilitarySupplies;
  if (!warship && !supplies) return;
  if (system[star_system::kAttacker] == PlayerData[player::kFaction])
    AddSaturated(system[star_system::kAttackerPoints], system[star_system::kDefenderPoints] / 20);
  else
    AddSaturated(system[star_system::kDefenderPoints], system[star_system::kAttackerPoints] / 20);
  if (warship) {
    ui.Message(Popup::Text, "War supported!",
               "The destruction of this vessel has brought your faction one step closer to "
               "victory!");
  } else {
    ui.Message(Popup::Text, "Military supplies!",
               "This vessel was transporting important military supplies for the enemy. Your "
               "success brings your faction one step closer to victory.");
  }
}

void PayBounty(const state::TSpecialShipRow& target, Ui& ui) {
  if (ShipKind{target[special_ship::kKind]} != kPirateShip) return;
  const std::int64_t x = state::GetShipClassExperience(state::ShipClassOf(EnemyShip));
  const std::int64_t amount =
      SpecialShipSubKind{target[special_ship::kSubKind]} == kSubKindWantedPirate ? 2 * x : x;
  const std::int32_t paid = static_cast<std::int32_t>(std::min<std::int64_t>(amount, INT32_MAX));
  PayReward(paid, ui);
  if (target[special_ship::kMissionTarget] == 1) return;  // the mission's reward says it all
  ui.Message(Popup::Text, "Bounty!",
             "There has been a bounty of $ " + state::FormatThousands(paid) +
                 " put on this vessel. Congratulations!");
}

void SettleMission(const state::TSpecialShipRow& target, Ui& ui) {
  if (ActiveMission[mission::kActive] <= 0 || target[special_ship::kMissionTarget] != 1) return;
  switch (MissionType{ActiveMission[mission::kType]}) {
    case kMissionBounty:
      PayOutActiveMission("You have completed your mission and receive a reward of $", 2400, ui);
      break;
    case kMissionAbduction:
      ActiveMission[mission::kActive] = 0;
      ui.HideMissionPanel();
      ui.UpdateStatusBars();
      ui.Message(Popup::Text, "Mission failed!",
                 "You have failed your mission! You were supposed to abduct him alive - not to "
                 "blow up his ship!");
      break;
    default:
      break;
  }
}

// Attacking a trader or a warship of the own faction is a crime; the disguise skills may hide it.
void JudgeCrime(const state::TSpecialShipRow& target, Ui& ui) {
  const ShipKind kind{EnemyShip[ship::kEnemyKind]};
  if ((kind != kTraderShip && kind != kMilitaryShip) || target[special_ship::kFaction] != PlayerData[player::kFaction])
    return;
  std::int32_t threshold = 75;
  const bool disguise = state::OwnsSkill(kSkillDisguise);
  const bool advanced = state::OwnsSkill(kSkillAdvancedDisguise);
  if (disguise && !advanced) threshold = 75 / 2;
  if (advanced) threshold /= 4;
  const std::int32_t r = state::Random(100);
  if (threshold >= r) {
    ui.Message(Popup::Text, "Flagged criminal!",
               "You attacked a ship of your own faction and by doing that comitted a crime. The "
               "police is looking for you! Wait until it wears off or hide at a pirate base!");
    const std::int32_t days = state::Random(60) + 30;
    std::int32_t& criminal = PlayerData[player::kCriminalDays];
    criminal = std::max(criminal, 0);
    AddSaturated(criminal, days);
  } else {
    ui.Message(Popup::Text, "Unrecognized!",
               "Although you committed a crime by attacking a ship of your own faction you are "
               "able to escape unrecognized.");
  }
}

}  // namespace

SensorAttackOutcome FightSpecialShip(std::int32_t slot, Ui& ui) {
  if (slot < 1 || slot > state::kLastSpecialShip ||
      state::SpecialShips[slot][special_ship::kActive] < 1)
    return SensorAttackOutcome::Declined;
  const state::TSpecialShipRow& target = state::SpecialShips[slot];
  const state::ShipClassId enemyClass = state::ShipClassOf(target);
  const Faction faction{target[special_ship::kFaction]};

  if (state::GetShipClassSize(state::ShipClassOf(PlayerShip)) <
          state::GetShipClassSize(enemyClass) &&
      !ui.Ask("Danger!",
              "The ship you are about to attack is bigger than your ship and this will be a very "
              "tough fight. Still attack?"))
    return SensorAttackOutcome::Declined;

  ui.SetupShipCombat(enemyClass, faction, ShipKind{target[special_ship::kKind]},
                     target[special_ship::kLeastLoadoutTier]);
  audio::PlayAlertSound();
  const Faction shown{EnemyShip[ship::kFaction]};
  ui.ShowEncounter("Hostile encounter!",
                   FactionShortName(shown) + " " +
                       state::GetShipClassName(enemyClass),
                   "\"Alert! All hands to battle-stations. Hostile spaceship ahead and closing in. "
                   "Ready to engage...\"",
                   state::GetShipFactionImage(enemyClass, faction) + "_Scene.jpg");
  // No help comes to a player who attacks the own side, nor to a trader with a secret aboard.
  if (faction == Faction{PlayerData[player::kFaction]}) PlayerShip[ship::kReinforcements] = -1;
  // The enemy's last ability slot is kept for the sensors' fights: the ship attacked may flee.
  state::EnemyAbilitySlots[12] = state::Stored(state::kFlee);
  if (ShipKind{target[special_ship::kKind]} == kTraderShip &&
      SpecialShipSubKind{target[special_ship::kSubKind]} > kSubKindCommon)
    EnemyShip[ship::kReinforcements] = 0;
  ui.RunShipCombat();

  state::SpecialShips[slot][special_ship::kActive] = 0;
  return ReadOutcome();
}

void SettleSensorAttack(const state::TSpecialShipRow& target, SensorAttackOutcome outcome, Ui& ui) {
  switch (outcome) {
    case SensorAttackOutcome::EnemyDestroyed:
    case SensorAttackOutcome::EnemyTaken: {
      const bool taken = outcome == SensorAttackOutcome::EnemyTaken;
      if (!taken) SupportWar(target, ui);
      if (!taken) PayBounty(target, ui);
      SettleMission(target, ui);
      JudgeCrime(target, ui);
      break;
    }
    case SensorAttackOutcome::PlayerShipLost:
      EndGameIfShipLost(ui);
      break;
    default:
      break;
  }
}

SensorAttackOutcome AttackSpecialShip(std::int32_t slot, Ui& ui) {
  if (slot < 1 || slot > state::kLastSpecialShip) return SensorAttackOutcome::Declined;
  // The row as it was before the fight: the settlement reads it after the ship has left.
  const state::TSpecialShipRow target = state::SpecialShips[slot];
  const SensorAttackOutcome outcome = FightSpecialShip(slot, ui);
  if (outcome == SensorAttackOutcome::Declined) return outcome;
  SettleSensorAttack(target, outcome, ui);
  AdvanceDay(ui);
  return outcome;
}

}  // namespace rules
