#include "screens/port/campaign_view.h"

#include "screens/shared/liveries.h"

#include <string_view>

#include "combat/fleet_battle.h"
#include "rules/campaign_texts.h"
#include "rules/campaigns.h"
#include "rules/diplomacy.h"
#include "rules/displayed_system.h"
#include "rules/ship_loss.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

namespace {

// A strike sets the siege's days past any length: the next campaign day ends it on the points.
constexpr std::int32_t kSiegeOver = 1000;
// After this many days of siege a defender whose points fell behind counts as weakened.
constexpr std::int32_t kWeakenedAfterDays = 100;

std::int32_t CurrentSystem() { return state::PlayerShip[ship::kSystem]; }
using state::IsSystem;

// The defenders count as weakened once the siege has lasted and their points are well behind.
bool DefendersWeakened(const state::TSystemRow& row) {
  const std::int32_t atk = row[star_system::kAttackerPoints];
  const std::int32_t def = row[star_system::kDefenderPoints];
  return row[star_system::kCampaignDays] > kWeakenedAfterDays && atk - atk / 3 > def;
}

}  // namespace

bool CampaignScreenOpens() {
  const std::int32_t s = CurrentSystem();
  if (!IsSystem(s) || state::SystemData[s][star_system::kCampaign] <= 0) return false;
  if (state::PlayerData[player::kCriminalDays] > 0) return false;
  const std::int32_t own = state::PlayerData[player::kFaction];
  return own == state::SystemData[s][star_system::kOwner] ||
         own == state::SystemData[s][star_system::kAttacker];
}

FleetLevels CampaignFleetLevels(std::int32_t days, std::int32_t siegeDays,
                                std::int32_t atk, std::int32_t def) {
  FleetLevels levels;
  if (days <= siegeDays / 2) return levels;
  // The greater the lead, the stronger the leading side shows; each test that holds overrides.
  const auto lead = [&levels](bool holds, int a, int d) {
    if (holds) levels = {a, d};
  };
  if (def < atk) {
    lead(atk - atk / 4 > def, 3, 2);
    lead(atk - atk / 3 > def, 3, 1);
    lead(atk - atk / 2 > def, 4, 1);
    lead(atk - atk / 2 - atk / 4 > def, 4, 0);
  } else if (atk < def) {
    lead(def - def / 4 > atk, 2, 3);
    lead(def - def / 3 > atk, 1, 3);
    lead(def - def / 2 > atk, 1, 4);
    lead(def - def / 2 - def / 4 > atk, 0, 4);
  }
  return levels;
}

FleetSymbolCount AttackerSymbols(int level) {
  switch (level) {
    case 0: return {2, 0};
    case 1: return {3, 0};
    case 2: return {3, 1};
    case 3: return {4, 2};
    case 4: return {8, 3};
  }
  return {};
}

FleetSymbolCount DefenderSymbols(int level) {
  return level == 0 ? FleetSymbolCount{} : AttackerSymbols(level);
}

CampaignView BuildCampaignView() {
  CampaignView view;
  const std::int32_t s = CurrentSystem();
  if (!IsSystem(s)) return view;
  const state::TSystemRow& row = state::SystemData[s];
  const Faction owner{row[star_system::kOwner]};
  const Faction attacker{row[star_system::kAttacker]};
  const Faction own{state::PlayerData[player::kFaction]};

  view.levels = CampaignFleetLevels(row[star_system::kCampaignDays], row[star_system::kSiegeDays],
                                    row[star_system::kAttackerPoints],
                                    row[star_system::kDefenderPoints]);
  view.attackerShips = AttackerSymbols(view.levels.attacker);
  view.defenderShips = DefenderSymbols(view.levels.defender);

  const bool playerAttacks = attacker == own;
  const std::string_view attackerColour = playerAttacks ? "blue" : "red";
  const std::string_view defenderColour = playerAttacks ? "red" : "blue";
  // Each side in its faction's livery: the invaders in the attacker's, the fleet, starbase and
  // star of the system in its owner's.
  view.attackerSmall = SymbolInLivery(std::string(attackerColour) + "_ship_small_right.bmp", attacker);
  view.attackerBig = SymbolInLivery(std::string(attackerColour) + "_ship_big_right.bmp", attacker);
  view.defenderSmall = SymbolInLivery(std::string(defenderColour) + "_ship_small_left.bmp", owner);
  view.defenderBig = SymbolInLivery(std::string(defenderColour) + "_ship_big_left.bmp", owner);
  view.starbase = SymbolInLivery(playerAttacks ? "red_station_off.bmp" : "blue_station.bmp", owner);
  view.starSystem = SymbolInLivery(playerAttacks ? "starsystem_red.bmp" : "starsystem_blue.bmp", owner);

  if (own == owner) view.topic = "System defense";
  if (playerAttacks) view.topic = "Invasion";
  view.situation = rules::BuildCampaignStatusText(
      rules::FactionShortName(attacker), rules::FactionShortName(owner),
      state::SystemText[s][system_text::kName], view.levels.defender, view.levels.attacker, s);
  const std::int32_t missions = row[star_system::kCampaignMissions];
  view.influence = missions > 0
                       ? rules::BuildCampaignInfluenceText(
                             s, MissionType{row[star_system::kLastCampaignMissionType]}, missions)
                       : rules::BuildCampaignNotEngagedText(s);
  view.days = std::to_string(row[star_system::kCampaignDays]) + "/" +
              std::to_string(row[star_system::kSiegeDays]) + " days";
  return view;
}

StrikeOrder AskForStrike(rules::Ui& ui) {
  StrikeOrder order;
  const std::int32_t s = CurrentSystem();
  if (!IsSystem(s)) {
    order.refusal = StrikeResult::OwnStarbase;
    return order;
  }
  const state::TSystemRow& row = state::SystemData[s];
  const Faction owner{row[star_system::kOwner]};
  if (Faction{state::PlayerData[player::kFaction]} == owner) {
    ui.Message(rules::Popup::Text, "N/A!", "Your faction defends the starbase. You cannot attack it.");
    order.refusal = StrikeResult::OwnStarbase;
    return order;
  }
  if (state::GetShipClassSize(state::ShipClassOf(state::PlayerShip)) < state::kSizeBattleship) {
    ui.Message(rules::Popup::Text, "Battleship required!",
               "To attack the enemy starbase you need to have a battleship!");
    order.refusal = StrikeResult::BattleshipRequired;
    return order;
  }
  const bool weakened = DefendersWeakened(row);
  const bool yes = ui.Ask("Attack starbase?",
                          weakened ? "Do you really wish to directly attack the enemy starbase?"
                                   : "Do you really wish to directly attack the enemy starbase? The "
                                     "enemy is still very strong!");
  if (!yes) return order;
  order.go = true;
  order.enemyFaction = owner;
  order.fleetKind =
      weakened ? rules::kFleetKindStarbaseWeakened : rules::kFleetKindStarbaseStrong;
  return order;
}

StrikeResult FinishStrike(bool won, rules::Ui& ui) {
  const std::int32_t s = CurrentSystem();
  if (!IsSystem(s)) return StrikeResult::Lost;
  state::TSystemRow& row = state::SystemData[s];
  row[won ? star_system::kDefenderPoints : star_system::kAttackerPoints] = 0;
  row[star_system::kCampaignDays] = kSiegeOver;
  rules::UpdateCampaigns(ui);
  // The siege is over either way: the travel screen loses its "Invasion!" control at once (and
  // after a win shows the system's new owner).
  rules::ShowSystem(ui, won, CurrentSystem());
  rules::EndGameIfShipLost(ui);
  return won ? StrikeResult::Won : StrikeResult::Lost;
}

StrikeResult StrikeStarbase(rules::Ui& ui) {
  const StrikeOrder order = AskForStrike(ui);
  if (!order.go) return order.refusal;
  return FinishStrike(ui.RunFleetBattle(order.enemyFaction, order.fleetKind), ui);
}

}  // namespace screens
