#include "combat/fleet_captain.h"

#include <cstdint>

#include "combat/sides.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/variables.h"

namespace combat {

using state::EnemyFleet;
using state::PlayerFleet;
using state::PlayerShip;

void PlayFleetCaptainOrder(FleetBattleUi& ui, int maxDuelTicks) {
  if (FleetDuelRunning) return;
  if (PlayerShip[ship::kEmergencyRechargeUsed] == 0 &&
      PlayerShip[ship::kShields] < MaxShields(Side::Player) / 4) {
    EmergencyShieldRecharge(ui);
  }
  const FleetBattleView view = BuildFleetBattleView();
  // The weakest enemy that may be attacked now; with none, the own attack ends the battle.
  std::int32_t target = 0;
  auto consider = [&target](const FleetSymbol& symbol) {
    if (!symbol.visible || StationProtected(symbol.row)) return;
    if (target == 0 || EnemyFleet[symbol.row][fleet_ship::kHitPoints] <
                           EnemyFleet[target][fleet_ship::kHitPoints]) {
      target = symbol.row;
    }
  };
  for (const FleetSymbol& symbol : view.enemyLarge) consider(symbol);
  for (const FleetSymbol& symbol : view.enemySmall) consider(symbol);
  // The escort with the most hit points goes in; none left, the captain attacks personally.
  std::int32_t escort = 0;
  for (const FleetSymbol& symbol : view.ownSmall) {
    if (!symbol.visible ||
        RoleDamageBase(FleetRole{PlayerFleet[symbol.row][fleet_ship::kRole]}) == 0)
      continue;
    if (escort == 0 || PlayerFleet[symbol.row][fleet_ship::kHitPoints] >
                           PlayerFleet[escort][fleet_ship::kHitPoints]) {
      escort = symbol.row;
    }
  }
  if (target != 0) ClickEnemyShipSymbol(target, ui);
  if (escort == 0 || target == 0) {
    AttackTargetYourself(ui);
    return;
  }
  ClickOwnShipSymbol(escort, ui);
  SelectedEscortAttacks(ui);
  for (int tick = 0; tick < maxDuelTicks && FleetDuelRunning; ++tick) FleetDuelTick(ui);
  if (FleetDuelRunning) {
    // A duel that cannot end: the escort is called back.
    FleetDuelRunning = 0;
    ui.SetDuelTimer(false);
    ui.SetSpeedButtonsEnabled(true);
  }
}

}  // namespace combat
