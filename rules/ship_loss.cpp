#include "rules/ship_loss.h"

#include <string>

#include "rules/credits.h"
#include "rules/displayed_system.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {

void HandlePlayerShipDestroyed(Ui& ui) {
  if (state::PlayerShip[ship::kAlive] != 0) return;
  AddSaturated(state::PlayerData[player::kLifePoints], -1);
  const std::int32_t lives = state::PlayerData[player::kLifePoints];
  if (lives <= 0) {
    state::PlayerShip[ship::kAlive] = 0;
    return;
  }
  ui.ShowScoredNotice(
      "New chance", "What happened? You got killed...",
      "Even the best fail sometimes. Do not worry, you get a new chance as long as you have enough "
      "life points left. You receive one life point for every campaign ribbon / promotion you "
      "receive. Feel free to use the Save/Load option in the Options-Menu to save/restore a game "
      "session as well.",
      "ghostshipr.jpg", "Lifepoints: " + std::to_string(lives));
  state::PlayerShip[ship::kAlive] = 1;
  state::PlayerShip[ship::kShields] =
      state::GetShipClassBaseShields(state::ShipClassOf(state::PlayerShip));
  ui.StopFlight();
  ShowSystem(ui, true, state::PlayerShip[ship::kSystem]);
}

bool EndGameIfShipLost(Ui& ui) {
  HandlePlayerShipDestroyed(ui);
  if (state::PlayerShip[ship::kAlive] != 0) return false;
  state::TravelMayClose = 1;
  ui.CloseTravelScreen();
  return true;
}

}  // namespace rules
