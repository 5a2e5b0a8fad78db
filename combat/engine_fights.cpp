#include "combat/engine_fights.h"

#include "combat/combat_end.h"
#include "combat/duel.h"
#include "combat/fleet_battle.h"
#include "combat/setup.h"

namespace combat {

void EngineFights::SetupShipCombat(std::int32_t enemyClass, std::int32_t enemyFaction,
                                   std::int32_t enemyKind, std::int32_t enemyTier) {
  // The combat screen's rules calls (credits, experience, promotions) come back through this Ui.
  screen_ = std::make_unique<RecordingUi>(*this);
  combat::SetupShipCombat(enemyClass, enemyFaction, enemyKind, enemyTier, *screen_);
}

void EngineFights::RunShipCombat() {
  if (!screen_) return;  // nothing was prepared
  RecordingUi& screen = *screen_;
  PrepareShipCombat();
  RefreshShipCombatScreen(screen);
  for (int round = 0; round < maxRounds_ && !screen.closed; ++round) {
    PlayPlayerTurn(screen);
    PumpEnemyTurn(screen);
  }
  CombatScreenClosed();
  ++fightsRun_;
  transcript_.insert(transcript_.end(), screen.transcript.begin(), screen.transcript.end());
  screen_.reset();
}

bool EngineFights::RunFleetBattle(std::int32_t enemyFaction, std::int32_t fleetKind) {
  PrepareFleetBattle(enemyFaction, fleetKind);
  // The own attacks' ship fights come back through this Ui onto the engine.
  RecordingFleetUi screen(*this);
  screen.defaultAnswer = true;  // the captain does recharge, and does retreat when told to
  RefreshFleetBattleScreen(screen);
  for (int order = 0; order < kMaxFleetOrders && !screen.closed; ++order) {
    PlayFleetCaptainOrder(screen);
  }
  if (!screen.closed) RetreatFromFleetBattle(screen);
  FleetBattleScreenClosed();
  ++fleetBattlesRun_;
  transcript_.insert(transcript_.end(), screen.transcript.begin(), screen.transcript.end());
  return FleetBattleWon == 1;
}

}  // namespace combat
