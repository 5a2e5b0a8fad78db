#include "combat/boarding_outcome.h"

#include <algorithm>
#include <limits>
#include <string>

#include "audio/sound.h"
#include "combat/combat_end.h"
#include "rules/campaigns.h"
#include "rules/credits.h"
#include "rules/displayed_system.h"
#include "rules/faction_logo.h"
#include "rules/missions.h"
#include "state/clamp.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace combat {
namespace {

using state::Clamp32;

void AddTo(std::int32_t& value, std::int64_t amount) {
  value = Clamp32(static_cast<std::int64_t>(value) + amount);
}

// The special ship being fought, as the sensors screen selected it; 0 for none.
int SpecialShipRow(BoardingUi& ui) {
  const int row = ui.Combat().SensorSelection();
  return row >= 1 && row <= state::kLastSpecialShip ? row : 0;
}

bool SpecialShipIs(int row, ShipKind kind, SpecialShipSubKind subKind) {
  return row != 0 && ShipKind{state::SpecialShips[row][special_ship::kKind]} == kind &&
         SpecialShipSubKind{state::SpecialShips[row][special_ship::kSubKind]} == subKind;
}

void ShowExperiencePopup(BoardingUi& ui) {
  ui.Combat().ShowPopup(CombatPopup::Experience, "", rules::kExperienceNotice,
                        rules::FactionLogoPicture());
}

void CloseBoarding(BoardingUi& ui) {
  state::BoardingMayClose = 1;
  ui.Close();
}

// The enemy's whole cargo, as far as the free cargo space takes it, sold at 70..209 a unit. The
// treasure of special traders multiplies the value only when the ship was taken on the bridge.
void PayBoardingLoot(BoardingUi& ui, bool bridge) {
  CombatUi& c = ui.Combat();
  std::int64_t used = 0;
  for (int g = 1; g <= 100; ++g) used += state::Cargo[g];
  std::int64_t room = static_cast<std::int64_t>(state::PlayerShip[ship::kCargoSpace]) - used;
  if (room < 0) room = 0;  // an overfull hold takes nothing
  std::int64_t taken = state::EnemyShip[ship::kCargoSpace];
  if (taken < 0) taken = 0;
  std::int64_t left = 0;
  if (room < taken) {
    left = taken - room;
    taken = room;
  }
  std::int64_t value = static_cast<std::int64_t>(state::Random(140) + 70) * taken;
  if (bridge) {
    const int row = SpecialShipRow(ui);
    if (row != 0 && ShipKind{state::SpecialShips[row][special_ship::kKind]} == kTraderShip) {
      value *= AnnounceSpecialCargo(
          SpecialShipSubKind{state::SpecialShips[row][special_ship::kSubKind]}, c);
    }
  }
  AddTo(state::PlayerData[player::kCredits], value);
  c.Rules().UpdateStatusBars();
  ShowLootPopup(taken, left, Clamp32(value), c);
}

// Points for the player's side of the campaign running in the current system, if one runs there.
void SupportCampaign(BoardingUi& ui, std::string_view topic, std::string_view text) {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  if (s < 1 || s > state::kLastSystem) return;
  auto& system = state::SystemData[s];
  if (system[star_system::kCampaign] <= 0) return;
  if (system[star_system::kAttacker] == state::PlayerData[player::kFaction])
    AddTo(system[star_system::kAttackerPoints], system[star_system::kDefenderPoints] / 20);
  else
    AddTo(system[star_system::kDefenderPoints], system[star_system::kAttackerPoints] / 20);
  ui.Combat().ShowPopup(CombatPopup::Text, topic, text);
}

void AreaSecuredAirlockOrCorridors(std::int32_t area, BoardingUi& ui) {
  auto& areas = state::BoardingAreas;
  if (area == boarding_area::kAirlock) {
    areas[boarding_area::kAirlock] = state::Stored(kAreaSecured);
    areas[boarding_area::kCorridors] = state::Stored(kAreaOpen);
  } else {
    areas[boarding_area::kCorridors] = state::Stored(kAreaSecured);
    areas[boarding_area::kCargoBay] = state::Stored(kAreaOpen);
    areas[boarding_area::kBridge] = state::Stored(kAreaOpen);
  }
  ResetBoardingCasualties(ui);
}

void CargoBayChoice(BoardingUi& ui) {
  CombatUi& c = ui.Combat();
  const state::ShipClassId enemyClass = state::ShipClassOf(state::EnemyShip);
  audio::CloseSoundChannel4();
  audio::PlayRewardMusic();
  if (!c.AskEitherWay("Cargobay!",
             "Your men have reached the cargo bay. Do you wish to plunder, leave explosives to "
             "blow it up and return to your ship?")) {
    state::BoardingAreas[boarding_area::kCargoBay] = state::Stored(kAreaSecured);
    state::BoardingAreas[boarding_area::kBridge] = state::Stored(kAreaOpen);
    ResetBoardingCasualties(ui);
    return;
  }
  // The ship counts as destroyed once, when it is blown up here or taken on the bridge.
  CountDestroyedShip(enemyClass);
  state::EnemyShip[ship::kAlive] = 0;
  rules::AddExperience(state::GetShipClassExperience(enemyClass), c.Rules());
  c.Rules().UpdateStatusBars();
  ShowExperiencePopup(ui);
  PayBoardingLoot(ui, false);
  ApplyShipHospital(ui);
  CloseBoarding(ui);
  CloseShipCombat(c);
}

// A kept ship sheds the crew it has no room for, crewmen first, then pirates, marines, officers
// and droids.
void SendExcessCrewAway(BoardingUi& ui) {
  auto& p = state::PlayerShip;
  const std::int64_t room =
      state::GetShipMaxCrew(state::ShipClassOf(p), CargoModuleId{p[ship::kCargoModule]});
  std::int64_t crew = static_cast<std::int64_t>(p[ship::kCrewmen]) + p[ship::kOfficers] +
                      p[ship::kMarines] + p[ship::kPirates] + p[ship::kDroids];
  if (crew <= room) return;
  ui.Combat().ShowPopup(CombatPopup::Text, "Crew members leave!",
                        "Some crew members leave your ship due to a lower maximum amount of crew "
                        "members allowed on the new ship.");
  // The crewmen leave first, then the pirates, the marines, the officers and the droids.
  for (const ship::Field field :
       {ship::kCrewmen, ship::kPirates, ship::kMarines, ship::kOfficers, ship::kDroids}) {
    if (crew <= room) break;
    if (p[field] <= 0) continue;
    const std::int64_t leave = std::min<std::int64_t>(p[field], crew - room);
    p[field] = static_cast<std::int32_t>(p[field] - leave);
    crew -= leave;
  }
}

void KeepCapturedShip(state::ShipClassId enemyClass, Faction enemyFaction, BoardingUi& ui) {
  CombatUi& c = ui.Combat();
  auto& p = state::PlayerShip;
  p[ship::kClass] = state::Stored(enemyClass);
  p[ship::kFaction] = state::Stored(enemyFaction);
  p[ship::kShields] = state::GetShipClassBaseShields(enemyClass);
  c.Rules().UpdateStatusBars();
  p[ship::kSimulatorMissile] = 0;
  for (const ship::Field field : ship::kFittedItems) p[field] = 0;
  state::ApplyStandardFit(p);
  // The hold is the new hull's from now on, so the loot that follows fills the right space.
  p[ship::kCargoSpace] = state::GetShipCargoCapacity(
      state::ShipClassOf(p), CargoModuleId{p[ship::kCargoModule]}, state::Side::Player);
  const std::int32_t s = p[ship::kSystem];
  if (s >= 1 && s <= state::kLastSystem) {
    for (int k = 1; k <= state::kLastOfferSlot; ++k)
      state::MissionOffers[s][k][mission::kActive] = 0;
  }
  rules::GenerateMissionOffers(c.Rules());
  SendExcessCrewAway(ui);
}

void AbductionCompleted(int specialRow, BoardingUi& ui) {
  auto& mission = state::ActiveMission;
  if (!(mission[mission::kActive] > 0 && MissionType{mission[mission::kType]} == kMissionAbduction))
    return;
  CombatUi& c = ui.Combat();
  mission[mission::kActive] = 0;
  if (specialRow != 0) state::SpecialShips[specialRow][special_ship::kActive] = 0;
  if (mission[mission::kCampaignSystem] > 0) rules::ApplyMissionToCampaign();
  AddTo(state::PlayerData[player::kMissionsCompleted], 1);
  const std::int32_t reward = mission[mission::kReward];
  AddTo(state::PlayerData[player::kCredits], reward);
  rules::ShowSystem(c.Rules(), false, state::PlayerShip[ship::kSystem]);
  c.Rules().HideMissionPanel();
  c.ShowPopup(CombatPopup::Picture, "Mission completed!",
              "You have completed your mission and receive a reward of $" +
                  state::FormatThousands(reward),
              "GeneralMissionPic.jpg");
  rules::AddExperience(5000, c.Rules());
  ShowExperiencePopup(ui);
}

void SpecialShipRewards(int row, state::ShipClassId enemyClass, BoardingUi& ui) {
  if (row == 0 || state::SpecialShips[row][special_ship::kActive] <= 0) return;
  CombatUi& c = ui.Combat();
  const std::int64_t x = state::GetShipClassExperience(enemyClass);
  if (SpecialShipIs(row, kPirateShip, kSubKindWantedPirate)) {
    const std::int32_t reward = Clamp32(2 * x);
    rules::PayReward(reward, c.Rules());
    c.Rules().UpdateStatusBars();
    c.ShowPopup(CombatPopup::Picture, "Reward",
                "You have captured a famous pirate! The government pays you a reward of $ " +
                    state::FormatThousands(reward),
                "Crew_Rogue.jpg");
  }
  if (SpecialShipIs(row, kTraderShip, kSubKindVip)) {
    const std::int32_t extra = state::Random(Clamp32(x));
    const std::int32_t ransom = Clamp32(3 * x + extra);
    rules::PayReward(ransom, c.Rules());
    c.Rules().UpdateStatusBars();
    c.ShowPopup(CombatPopup::Picture, "VIP",
                "You have captured a VIP! You are able to press a ransom of $ " +
                    state::FormatThousands(ransom) + " for him.",
                "Trader.jpg");
  }
  if (SpecialShipIs(row, kMilitaryShip, kSubKindVip)) {
    const std::int32_t ransom = Clamp32(3 * x);
    const bool takeRansom = ui.Choose(
        "VIP",
        "You have captured a military VIP! You can either press a ransom of $ " +
            state::FormatThousands(ransom) +
            " for him or turn him over to the government for interrogation?",
        "Crew_Officer.jpg", "Ransom", "Capture");
    if (takeRansom) {
      rules::PayReward(ransom, c.Rules());
      c.Rules().UpdateStatusBars();
      c.ShowPopup(CombatPopup::Text, "Ransom!",
                  "You decide to rather take the ransom instead of supporting your faction.");
    } else {
      SupportCampaign(ui, "Capture!",
                      "You capture the VIP and hand him over to the government for "
                      "interrogation. This brings your faction one step closer to victory.");
    }
  }
  // Traders with military supplies and military ships on an important mission help the war
  // effort when taken, as they do when destroyed.
  if (SpecialShipIs(row, kTraderShip, kSubKindMilitarySupplies)) {
    SupportCampaign(ui, "Military supplies!",
                    "This vessel was transporting important military supplies for the enemy. Your "
                    "success brings your faction one step closer to victory.");
  }
  if (SpecialShipIs(row, kMilitaryShip, kSubKindImportantMission)) {
    SupportCampaign(ui, "War supported!",
                    "The destruction of this vessel has brought your faction one step closer to "
                    "victory!");
  }
}

void CaptureOnBridge(BoardingUi& ui) {
  CombatUi& c = ui.Combat();
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  const state::ShipClassId enemyClass = state::ShipClassOf(e);
  const Faction enemyFaction{e[ship::kFaction]};
  e[ship::kAlive] = 0;
  audio::CloseSoundChannel4();
  audio::PlayRewardMusic();
  c.ShowPopup(CombatPopup::Text, "Bridge!",
              "You have gained control over the bridge! The ship is yours!");

  rules::AddExperience(Clamp32(2 * static_cast<std::int64_t>(
                                       state::GetShipClassExperience(enemyClass))),
                       c.Rules());
  c.Rules().UpdateStatusBars();
  CountDestroyedShip(enemyClass);
  ShowExperiencePopup(ui);

  if (state::Random(100) <= 20) {
    std::int32_t n = state::Random(state::PlayerData[player::kRank]) + 1;
    const std::int32_t extra = state::Random(n / 2);
    n += extra;
    c.ShowPopup(CombatPopup::Picture, "Droids captured!",
                "You are lucky. In the cargo bay of the enemy ship you find " + std::to_string(n) +
                    " brand-new combat droid(s). They will greatly increase the firepower of your "
                    "crew.",
                "Crew_Droid.jpg");
    AddTo(p[ship::kDroids], n);
  }

  const std::int32_t price = state::GetShipClassStat(enemyClass, state::kAttrPrice) / 5;
  const bool sell = ui.Choose(
      "Keep enemy ship?",
      "Your first officer comes over to you and asks you whether you wish to SELL the captured "
      "ship or KEEP it? If you decide to SELL it you would get $ " +
          state::FormatThousands(price) + ".",
      state::GetShipFactionImage(enemyClass, enemyFaction) + "_scene.jpg", "Sell it", "Keep it");
  if (sell) {
    AddTo(state::PlayerData[player::kCredits], price);
    c.Rules().UpdateStatusBars();
    c.ShowPopup(CombatPopup::Text, "Enemy ship sold!",
                "You sell the enemy ship for $ " + state::FormatThousands(price) + ". Good deal!");
  } else {
    KeepCapturedShip(enemyClass, enemyFaction, ui);
  }

  PayBoardingLoot(ui, true);
  ApplyShipHospital(ui);
  CloseBoarding(ui);
  CloseShipCombat(c);

  const int row = SpecialShipRow(ui);
  AbductionCompleted(row, ui);
  SpecialShipRewards(row, enemyClass, ui);
}

void Defeat(BoardingUi& ui) {
  CombatUi& c = ui.Combat();
  c.ShowPopup(CombatPopup::Text, "Defeat!",
              "With your crew killed, you and your ship are helpless as the enemy ship moves "
              "closer for a final full volley of it´s ship cannons...");
  audio::CloseSoundChannel4();
  state::PlayerShip[ship::kShields] = -1;
  CheckShipCombatEnd(c);
  CloseBoarding(ui);
}

}  // namespace

void ResolveBoardingRound(BoardingUi& ui) {
  ui.HidePopups();
  const auto& e = state::EnemyShip;
  const auto& p = state::PlayerShip;
  const std::int64_t defenders = static_cast<std::int64_t>(e[ship::kDefendingCrewmen]) +
                                 e[ship::kDefendingMarines] + e[ship::kDefendingDroids];
  if (defenders < 1) {
    audio::CloseSoundChannel4();
    audio::PlayRewardSound();
    ui.Combat().ShowPopup(CombatPopup::Text, "Area secure!",
                          "Your men have secured this area of the enemy ship. Now please select "
                          "the next ship area to attack in the wireframe to your left.");
    BoardingPhase = kChoosingPhase;
    switch (e[ship::kBoardedArea]) {
      case boarding_area::kAirlock:
      case boarding_area::kCorridors:
        AreaSecuredAirlockOrCorridors(e[ship::kBoardedArea], ui);
        break;
      case boarding_area::kCargoBay:
        CargoBayChoice(ui);
        break;
      case boarding_area::kBridge:
        CaptureOnBridge(ui);
        break;
      default: break;
    }
    return;
  }
  const std::int64_t crew = static_cast<std::int64_t>(p[ship::kCrewmen]) + p[ship::kOfficers] +
                            p[ship::kMarines] + p[ship::kPirates] + p[ship::kDroids];
  if (crew <= 0) Defeat(ui);
}

void ApplyShipHospital(BoardingUi& ui) {
  auto& p = state::PlayerShip;
  if (CargoModuleId{p[ship::kCargoModule]} != kModuleShipHospital) return;
  std::int64_t total = 0;
  for (int k = 1; k <= 5; ++k) {
    BoardingCasualties[k] /= 2;
    total += BoardingCasualties[k];
    AddTo(p[ship::kCrewmen - 1 + k], BoardingCasualties[k]);
  }
  ui.Combat().ShowPopup(CombatPopup::Text, "Ship hospital!",
                        "After the combat " + std::to_string(total) +
                            " men could be saved from death and are able to return to service.");
}

void RetreatFromBoarding(BoardingUi& ui) {
  audio::PlayButtonSound();
  CombatUi& c = ui.Combat();
  if (!c.Ask("Really retreat?", "Do you really want to retreat to your ship?")) return;
  CloseBoarding(ui);
  const auto& p = state::PlayerShip;
  c.ShowPopup(CombatPopup::Picture, "You escape!", "You are able to escape from the battle!",
              state::GetShipFactionImage(state::ShipClassOf(p), Faction{p[ship::kFaction]}) +
                  "_Scene.jpg");
  ApplyShipHospital(ui);
  CloseShipCombat(c);
}

void BoardingExchange(BoardingAttack kind, BoardingUi& ui) {
  audio::PlayButtonSound();
  CombatUi& c = ui.Combat();
  const auto& p = state::PlayerShip;
  if (BoardingPhase != kFightingPhase) {
    c.ShowPopup(CombatPopup::Text, "Sorry!",
                "Please first select a new area to attack by clicking on one of the icons in the "
                "wireframe in the left part of the screen.");
    return;
  }
  switch (kind) {
    case BoardingAttack::Standard:
      if (p[ship::kCrewmen] == 0 && p[ship::kOfficers] == 0 && p[ship::kMarines] == 0 &&
          p[ship::kPirates] == 0 && p[ship::kDroids] > 0) {
        c.ShowPopup(CombatPopup::Text, "N/A!",
                    "With your whole crew except your droids killed this kind of attack does not "
                    "make sense. To make use of your droids you have to choose \"Commando "
                    "strike\" or \"EMP\".");
        return;
      }
      break;
    case BoardingAttack::Commando:
      if (p[ship::kMarines] == 0 && p[ship::kDroids] == 0) {
        c.ShowPopup(CombatPopup::Text, "N/A!",
                    "For a commando strike you need to have either space marines or battle "
                    "droids in your crew.");
        return;
      }
      break;
    case BoardingAttack::Emp:
      if (state::EnemyShip[ship::kDefendingDroids] == 0) {
        c.ShowPopup(CombatPopup::Text, "N/A!",
                    "This attack makes no sense, because the enemy crew does not have any battle "
                    "droids on the line. If they had, you could try to capture some droids...");
        return;
      }
      break;
  }
  audio::PlayCrewCombatMusic();
  BoardingEnemyCounterattack();
  switch (kind) {
    case BoardingAttack::Standard: BoardingStandardAttack(); break;
    case BoardingAttack::Commando: BoardingCommandoAttack(); break;
    case BoardingAttack::Emp: BoardingEmpStrike(ui); break;
  }
  ui.Refresh();
  ResolveBoardingRound(ui);
  ui.Refresh();
}

}  // namespace combat
