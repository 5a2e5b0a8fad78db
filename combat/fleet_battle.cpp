#include "combat/fleet_battle.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "audio/sound.h"
#include "rules/diplomacy.h"
#include "combat/sides.h"
#include "rules/missions.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/mission_types.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {

namespace {

using state::EnemyFleet;
using state::PlayerFleet;
using state::PlayerShip;

// --- Fleets --------------------------------------------------------------------------------------

// The hulls a fleet is made of; each flies in one role.
enum class Hull { Battleship, Cruiser, Destroyer, Freighter, Transporter };

struct HullKind {
  Hull hull;
  FleetRole role;
  std::vector<state::ShipClassId> classes;  // preferred first; the first the faction flies
};

using enum state::ShipClassId;
// clang-format off
const HullKind kHulls[] = {
    {Hull::Battleship,  kRoleBattleship, {kClassGettysburg, kClassStonewall, kClassMarauder, kClassCorsair}},
    {Hull::Cruiser,     kRoleCruiser,    {kClassCorsair, kClassNeptun}},
    {Hull::Destroyer,   kRoleDestroyer,  {kClassShark, kClassPatton}},
    {Hull::Freighter,   kRoleCruiser,    {kClassGalaxy}},
    {Hull::Transporter, kRoleDestroyer,  {kClassFerendar}},
};
// clang-format on

// Whether `faction` flies `shipClass`, by the class's encounter category.
bool FliesClass(Faction faction, state::ShipClassId shipClass) {
  return rules::EncounterCategoryAdmits(state::GetShipClassEncounterCategory(shipClass), faction);
}

const HullKind& KindOf(Hull hull) {
  for (const HullKind& kind : kHulls)
    if (kind.hull == hull) return kind;
  return kHulls[0];
}

state::ShipClassId ClassFor(Hull hull, Faction faction) {
  const HullKind& kind = KindOf(hull);
  for (state::ShipClassId shipClass : kind.classes)
    if (FliesClass(faction, shipClass)) return shipClass;
  return kind.classes.front();
}

void FillRow(state::TFleetShipRow& row, Faction faction, state::ShipClassId shipClass,
             FleetRole role) {
  row = {};
  row[fleet_ship::kAlive] = 1;
  row[fleet_ship::kFaction] = state::Stored(faction);
  row[fleet_ship::kClass] = state::Stored(shipClass);
  row[fleet_ship::kHitPoints] = state::GetShipClassBaseShields(shipClass);  // a full bar
  row[fleet_ship::kRole] = state::Stored(role);
}

// Fills `fleet` from row `first` on with the hulls, in order.
void FillFleet(state::Table<state::TFleetShipRow, state::kFleetRows>& fleet, int first,
               Faction faction, const std::vector<Hull>& hulls) {
  int row = first;
  for (Hull hull : hulls) {
    if (row > kLastFleetRow) break;
    FillRow(fleet[row++], faction, ClassFor(hull, faction), KindOf(hull).role);
  }
}

struct FleetPlan {
  std::vector<Hull> escorts;
  std::vector<Hull> enemies;
};

using H = Hull;
// The player's side shows one large symbol (the flagship's) and five small ones, so the escorts
// are cruisers and destroyers, at most five. The enemy shows at most three large and seven small.
const FleetPlan kStandardBattle = {
    {H::Cruiser, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer},
    {H::Battleship, H::Cruiser, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer}};
const FleetPlan kHomeworldDefence = {
    {H::Cruiser, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer},
    {H::Battleship, H::Battleship, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer,
     H::Destroyer}};
const FleetPlan kConvoy = {
    {H::Cruiser, H::Destroyer, H::Destroyer},
    {H::Freighter, H::Freighter, H::Transporter, H::Transporter, H::Destroyer}};
const FleetPlan kRebels = {{H::Cruiser, H::Destroyer, H::Destroyer},
                           {H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer}};
const FleetPlan kOrbitDefence = {
    {H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer},
    {H::Cruiser, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer}};
// Behind the starbase (row 1): rows 2..6.
const FleetPlan kStarbaseDefence = {
    {H::Cruiser, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer},
    {H::Cruiser, H::Cruiser, H::Destroyer, H::Destroyer, H::Destroyer}};

const FleetPlan& MissionPlan() {
  if (state::ActiveMission[mission::kActive] <= 0) return kStandardBattle;
  switch (MissionType{state::ActiveMission[mission::kType]}) {
    case kMissionBlitzkrieg: return kHomeworldDefence;
    case kMissionFlanking:
    case kMissionRaiding: return kConvoy;
    case kMissionSuppression: return kRebels;
    case kMissionBombingRun: return kOrbitDefence;
    default: return kStandardBattle;  // Battle, Siege, and a battle without a fleet mission
  }
}

// --- Helpers -------------------------------------------------------------------------------------

bool ValidRow(std::int32_t row) { return row >= 1 && row <= kLastFleetRow; }

bool Alive(const state::TFleetShipRow& row) { return row[fleet_ship::kAlive] > 0; }

// The target may be attacked; otherwise says why not. A target row that is gone counts as none.
bool TargetReady(FleetBattleUi& ui) {
  if (!ValidRow(SelectedTarget) || !Alive(EnemyFleet[SelectedTarget])) {
    ui.ShowPopup("No target",
                 "You have not yet selected a target to attack! To do so click on one of the enemy "
                 "fleet's symbols in the upper part of the screen.");
    return false;
  }
  if (StationProtected(SelectedTarget)) {
    ui.ShowPopup("N/A",
                 "You cannot attack the spacestation at this time. You first have to destroy all "
                 "other enemy ships.");
    return false;
  }
  return true;
}

// Adds max div `divisor` to the player's shields, not above the maximum.
void TopUpShields(std::int32_t divisor) {
  const std::int64_t max = MaxShields(Side::Player);
  const std::int64_t shields =
      static_cast<std::int64_t>(PlayerShip[ship::kShields]) + max / divisor;
  PlayerShip[ship::kShields] = static_cast<std::int32_t>(std::min(shields, max));
}

std::string RoleText(FleetRole role) {
  switch (role) {
    case kRoleFlagship: return "Your flagship";
    case kRoleStation: return "Space station";
    case kRoleBattleship: return "Battleship";
    case kRoleCruiser: return "Cruiser";
    case kRoleDestroyer: return "Destroyer";
    default: return {};
  }
}

// One shot of the duel: damage is drawn first, then the hit roll; both are drawn on a miss too.
void FireAt(const state::TFleetShipRow& shooter, bool civilianCheck, state::TFleetShipRow& victim) {
  std::int32_t b = RoleDamageBase(FleetRole{shooter[fleet_ship::kRole]}) * 10;
  if (civilianCheck && state::GetShipClassRole(state::ShipClassOf(shooter)) == state::kRoleCivilian)
    b /= 6;
  std::int64_t damage = state::Random(b);
  damage += b / 2;
  const std::int32_t roll = state::Random(100);
  if (roll > 60) return;
  if (roll <= 10) damage *= 4;
  const std::int64_t left = static_cast<std::int64_t>(victim[fleet_ship::kHitPoints]) - damage;
  victim[fleet_ship::kHitPoints] = static_cast<std::int32_t>(
      std::max<std::int64_t>(left, std::numeric_limits<std::int32_t>::min()));
}

// A ship of the duel is destroyed: the duel ends, the row is gone, the selection is cleared.
void DuelShipLost(state::TFleetShipRow& row, std::int32_t& selection, FleetBattleUi& ui) {
  FleetDuelRunning = 0;
  ui.SetDuelTimer(false);
  audio::PlayShipExplosionSound();
  row[fleet_ship::kAlive] = 0;
  ui.SetSpeedButtonsEnabled(true);
  selection = 0;
  CheckFleetBattleOutcome(ui);
  RefreshFleetBattleScreen(ui);
}

void CloseBattle(std::uint8_t won, FleetBattleUi& ui) {
  FleetBattleWon = won;
  state::FleetBattleMayClose = 1;
  ui.Close();
}

// --- View ----------------------------------------------------------------------------------------

std::string SymbolBase(FleetRole role, bool own) {
  switch (role) {
    case kRoleStation: return own ? "station_blue" : "station_red";
    case kRoleCruiser: return own ? "ship_blue_med_left" : "ship_red_med_right";
    case kRoleDestroyer: return own ? "ship_blue_small_left" : "ship_red_small_right";
    default: return own ? "ship_blue_large_left" : "ship_red_large_right";  // flagship, battleship
  }
}

// Places the alive rows of a fleet on its large and small symbols, in row order.
template <std::size_t Small>
void PlaceSymbols(const state::Table<state::TFleetShipRow, state::kFleetRows>& fleet, bool own,
                  std::int32_t selected, FleetSymbol* large, std::size_t largeCount,
                  std::array<FleetSymbol, Small>& small) {
  std::size_t largeUsed = 0, smallUsed = 0;
  for (int r = 1; r <= kLastFleetRow; ++r) {
    if (!Alive(fleet[r])) continue;
    const FleetRole role{fleet[r][fleet_ship::kRole]};
    FleetSymbol* symbol = nullptr;
    if (role == kRoleCruiser || role == kRoleDestroyer) {
      if (smallUsed < Small) symbol = &small[smallUsed++];
    } else if (largeUsed < largeCount) {
      symbol = &large[largeUsed++];
    }
    if (symbol == nullptr) continue;  // no symbol left: not shown
    symbol->visible = true;
    symbol->picture = SymbolBase(role, own) + (r == selected ? "_on.bmp" : "_off.bmp");
    symbol->row = r;
  }
}

FleetShipPanel Panel(const state::TFleetShipRow& row, bool enemy) {
  FleetShipPanel panel;
  panel.visible = true;
  state::ShipClassId shipClass{row[fleet_ship::kClass]};
  Faction faction{row[fleet_ship::kFaction]};
  if (!enemy && FleetRole{row[fleet_ship::kRole]} == kRoleFlagship) {
    shipClass = state::ShipClassOf(PlayerShip);
    faction = Faction{PlayerShip[ship::kFaction]};
  }
  panel.picture = state::GetShipFactionImage(shipClass, faction) + "_scene.jpg";
  panel.name = state::Quoted(state::GetShipClassName(state::ShipClassOf(row))) + " class";
  panel.role = RoleText(FleetRole{row[fleet_ship::kRole]});
  const std::int32_t base = state::GetShipClassBaseShields(state::ShipClassOf(row));
  panel.shieldBar = FleetShieldBarPicture(row[fleet_ship::kHitPoints], base);
  panel.shieldText = std::string(enemy ? "Enemy ships shields: " : "Friendly ships shields: ") +
                     std::to_string(FleetShieldPercent(row[fleet_ship::kHitPoints], base)) + "%";
  return panel;
}

}  // namespace

bool StationProtected(std::int32_t target) {
  if (state::ShipClassOf(EnemyFleet[target]) != state::kStarbaseClass) return false;
  for (int r = 2; r <= kLastFleetRow; ++r)
    if (r != target && Alive(EnemyFleet[r])) return true;
  return false;
}

std::int32_t RoleDamageBase(FleetRole role) {
  switch (role) {
    case kRoleStation: return 50;
    case kRoleBattleship: return 30;
    case kRoleCruiser: return 20;
    case kRoleDestroyer: return 10;
    default: return 0;
  }
}

// --- Fleets --------------------------------------------------------------------------------------

void PrepareFleetBattle(Faction enemyFaction, std::int32_t fleetKind) {
  for (int r = 1; r <= kLastFleetRow; ++r) {
    PlayerFleet[r] = {};
    EnemyFleet[r] = {};
  }
  const Faction pf{state::PlayerData[player::kFaction]};
  const bool strike = fleetKind == rules::kFleetKindStarbaseWeakened ||
                      fleetKind == rules::kFleetKindStarbaseStrong;
  const FleetPlan& plan = strike ? kStarbaseDefence : MissionPlan();

  FillRow(PlayerFleet[1], Faction{PlayerShip[ship::kFaction]}, state::ShipClassOf(PlayerShip),
          kRoleFlagship);
  PlayerFleet[1][fleet_ship::kHitPoints] = PlayerShip[ship::kShields];
  FillFleet(PlayerFleet, 2, pf, plan.escorts);

  if (strike) {
    FillRow(EnemyFleet[1], enemyFaction, state::kStarbaseClass, kRoleStation);
    FillFleet(EnemyFleet, 2, enemyFaction, plan.enemies);
    if (fleetKind == rules::kFleetKindStarbaseStrong) {
      // Defenders still at full strength bring heavier ships into the line.
      EnemyFleet[4][fleet_ship::kRole] = state::Stored(kRoleBattleship);
      EnemyFleet[5][fleet_ship::kRole] = state::Stored(kRoleCruiser);
      EnemyFleet[6][fleet_ship::kRole] = state::Stored(kRoleCruiser);
    }
  } else {
    FillFleet(EnemyFleet, 1, enemyFaction, plan.enemies);
  }

  ResetFleetBattleFlags();
  PlayerShip[ship::kEmergencyRechargeUsed] = 0;
}

// --- View ----------------------------------------------------------------------------------------

std::string FleetShieldBarPicture(std::int32_t hitPoints, std::int32_t baseShields) {
  const std::int64_t base = std::max<std::int32_t>(baseShields, 1);
  std::int64_t step = static_cast<std::int64_t>(hitPoints) * 25 / base;
  if (hitPoints > 0 && step == 0) step = 1;
  if (step < 0 || step > 25) step = 0;
  return "Travelscreen_ShieldBar_" + std::to_string(step) + ".jpg";
}

std::int32_t FleetShieldPercent(std::int32_t hitPoints, std::int32_t baseShields) {
  const std::int64_t base = std::max<std::int32_t>(baseShields, 1);
  const std::int64_t percent = static_cast<std::int64_t>(hitPoints) * 100 / base;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      percent, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

FleetBattleView BuildFleetBattleView() {
  FleetBattleView view;
  PlaceSymbols(PlayerFleet, true, SelectedEscort, &view.ownLarge, 1, view.ownSmall);
  PlaceSymbols(EnemyFleet, false, SelectedTarget, view.enemyLarge.data(), view.enemyLarge.size(),
               view.enemySmall);
  if (SelectedTarget > 0 && ValidRow(SelectedTarget))
    view.target = Panel(EnemyFleet[SelectedTarget], true);
  if (SelectedEscort > 0 && ValidRow(SelectedEscort))
    view.escort = Panel(PlayerFleet[SelectedEscort], false);

  const std::int32_t base = state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip));
  view.playerShieldBar = FleetShieldBarPicture(PlayerShip[ship::kShields], base);
  view.playerShieldText =
      "Your shields: " + std::to_string(FleetShieldPercent(PlayerShip[ship::kShields], base)) + "%";

  const std::int32_t level = state::PlayerData[player::kLevel];
  const std::int64_t experience = state::PlayerData[player::kExperience];
  const std::int64_t needed = std::max<std::int32_t>(state::GetLevelExperience(level), 1);
  const std::int64_t n = std::max<std::int64_t>(experience, 0) * 19 / needed;
  view.experienceBar = (n < 0 || n > 19 || level >= 20)
                           ? std::string("TravelScreen_ExpBar_0.jpg")
                           : "TravelScreen_ExpBar_" + std::to_string(n) + ".jpg";
  view.experienceText =
      "Experience " + std::to_string(experience * 100 / needed) + "% until level up.";
  view.shipPicture = state::GetShipClassImage(state::ShipClassOf(PlayerShip)) + "_topwire.jpg";
  view.portrait = state::GetHeroPortraitFile();
  return view;
}

void RefreshFleetBattleScreen(FleetBattleUi& ui) { ui.Refresh(); }

void ShowFleetShieldBars(FleetBattleUi& ui) { ui.ShowShieldBars(); }

// --- Handlers ------------------------------------------------------------------------------------

void ClickOwnShipSymbol(std::int32_t row, FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  SelectedEscort = row;
  RefreshFleetBattleScreen(ui);
}

void ClickEnemyShipSymbol(std::int32_t row, FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  SelectedTarget = row;
  RefreshFleetBattleScreen(ui);
}

void CloseTargetPanel(FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  SelectedTarget = 0;
  RefreshFleetBattleScreen(ui);
}

void CloseEscortPanel(FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  SelectedEscort = 0;
  RefreshFleetBattleScreen(ui);
}

void HiddenCloseButton(FleetBattleUi& ui) {
  SelectedEscort = 0;
  RefreshFleetBattleScreen(ui);
}

void AttackTargetYourself(FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  if (TargetReady(ui)) {
    auto& target = EnemyFleet[SelectedTarget];
    const state::ShipClassId shipClass = state::ShipClassOf(target);
    const Faction faction{target[fleet_ship::kFaction]};
    state::EnemyShip[ship::kClass] = state::Stored(shipClass);
    state::EnemyShip[ship::kFaction] = state::Stored(faction);
    rules::Ui& screens = ui.Rules();
    screens.SetupShipCombat(shipClass, faction, kMilitaryShip, 0);
    state::EnemyShip[ship::kShields] = target[fleet_ship::kHitPoints];
    const std::string picture = state::GetShipFactionImage(shipClass, faction) + "_Scene.jpg";
    audio::PlayAlertSound();
    screens.ShowEncounter("Hostile encounter!",
                          rules::FactionShortName(faction) + " " + state::GetShipClassName(shipClass),
                          "\"Alert! All hands to battle-stations. Hostile spaceship ahead and "
                          "closing in. Ready to engage...\"",
                          picture);
    screens.RunShipCombat();
    if (state::EnemyShip[ship::kAlive] == 0) {
      target[fleet_ship::kAlive] = 0;
      SelectedTarget = 0;
      TopUpShields(4);
      RefreshFleetBattleScreen(ui);
    }
    // An enemy that is still there (the player fled) keeps its old hit points.
  }
  CheckFleetBattleOutcome(ui);
}

void SelectedEscortAttacks(FleetBattleUi& ui) {
  // No duel test: a second order during a duel runs again on the running timer.
  if (!ValidRow(SelectedEscort) || !Alive(PlayerFleet[SelectedEscort])) {
    ui.ShowPopup("Who?",
                 "You have not yet selected which ship of your escort should attack. To do so "
                 "click on one of your fleet's symbols in the upper part of the screen.");
    return;
  }
  if (FleetRole{PlayerFleet[SelectedEscort][fleet_ship::kRole]} == kRoleFlagship) {
    ui.ShowPopup("Not an escort",
                 "The ship symbol you have selected is your own ship. To lead an attack "
                 "yourself please use the \"Attack target yourself\" button.");
    return;
  }
  if (!TargetReady(ui)) return;
  ui.SetSpeedButtonsEnabled(false);
  ui.ShowDuelPanels();
  TopUpShields(8);
  FleetDuelRunning = 1;
  ui.SetDuelTimer(true);
}

void FleetDuelTick(FleetBattleUi& ui) {
  const std::int32_t escortRow = SelectedEscort;
  const std::int32_t targetRow = SelectedTarget;
  if (!ValidRow(escortRow) || !ValidRow(targetRow)) {
    // The pair was taken apart under the running timer (the hidden Close): the duel is over.
    FleetDuelRunning = 0;
    ui.SetDuelTimer(false);
    ui.SetSpeedButtonsEnabled(true);
    return;
  }
  auto& escort = PlayerFleet[escortRow];
  auto& target = EnemyFleet[targetRow];
  audio::PlayFireGunsSound();
  FireAt(escort, true, target);
  FireAt(target, false, escort);
  ShowFleetShieldBars(ui);
  if (target[fleet_ship::kHitPoints] <= 0) DuelShipLost(target, SelectedTarget, ui);
  if (escort[fleet_ship::kHitPoints] <= 0) DuelShipLost(escort, SelectedEscort, ui);
}

void EmergencyShieldRecharge(FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  if (PlayerShip[ship::kEmergencyRechargeUsed] != 0) {
    ui.ShowPopup("N/A",
                 "You can only use the emergency shield recharge once in a battle (the radiation "
                 "would kill anyone on board)!");
    return;
  }
  if (!ui.Ask("Emergency recharge?",
              "An emergency shield recharge is very dangerous. The radiation might kill crew "
              "members. Still recharge?")) {
    return;
  }
  PlayerShip[ship::kShields] = MaxShields(Side::Player);
  PlayerShip[ship::kEmergencyRechargeUsed] = 1;
  RefreshFleetBattleScreen(ui);
  if (state::Random(100) < 61) {
    ui.ShowPopup("Success!",
                 "You successfully recharge your shields. Some crew members are reporting to be "
                 "sick, but the higher radiation has caused no permanent injuries.");
    return;
  }
  // The crewmen, officers, marines and pirates; the droids are spared.
  for (auto field = ship::kCrewmen; field <= ship::kPirates; ++field) PlayerShip[field] /= 2;
  ui.ShowPopup("Reactor breach!",
               "While you are able to recharge your shields a reactor breach kills many of your "
               "crew members.");
}

void RetreatFromFleetBattle(FleetBattleUi& ui) {
  if (FleetDuelRunning) return;
  if (!ui.Ask("Retreat?", "Do you really wish to retreat?")) return;
  CloseBattle(0, ui);
}

void CheckFleetBattleOutcome(FleetBattleUi& ui) {
  if (ui.IsClosed()) return;
  bool enemyLeft = false;
  for (int r = 1; r <= kLastFleetRow; ++r) enemyLeft = enemyLeft || Alive(EnemyFleet[r]);
  if (!enemyLeft) {
    ui.ShowPopup("Enemy fleet destroyed!", "Congratulations! The enemy fleet is destroyed.");
    CloseBattle(1, ui);
    return;
  }
  if (PlayerShip[ship::kAlive] == 0) {
    ui.ShowPopup("Your fleet destroyed!", "Your fleet has been destroyed. You have failed!");
    CloseBattle(0, ui);
  }
}

bool FleetBattleCloseQuery(FleetBattleUi& ui) {
  if (state::FleetBattleMayClose == 1) return true;
  if (!ui.Ask("Quit game?", "Do you really wish to quit this game? (No retiring, no highscore)"))
    return false;
  state::TravelMayClose = 1;
  ui.Rules().CloseTravelScreen();
  return true;
}

void FleetBattleScreenClosed() {
  FleetDuelRunning = 0;
  state::FleetBattleMayClose = 0;
}

}  // namespace combat
