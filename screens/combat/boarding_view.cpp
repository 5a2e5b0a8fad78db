#include "screens/combat/boarding_view.h"

#include "combat/boarding.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

BoardingView BuildBoardingView() {
  BoardingView v;
  const auto& p = state::PlayerShip;
  const auto& e = state::EnemyShip;
  for (int k = 0; k < state::kCrewKindCount; ++k)
    v.crew[k] = std::to_string(p[state::CrewCountField(static_cast<state::CrewKind>(k + 1))]);
  const ship::Field defenderFields[kDefenderKinds] = {
      ship::kDefendingCrewmen, ship::kDefendingMarines, ship::kDefendingDroids};
  for (int k = 0; k < kDefenderKinds; ++k) v.defenders[k] = std::to_string(e[defenderFields[k]]);
  for (int area = boarding_area::kAirlock; area <= boarding_area::kBridge; ++area) {
    const combat::AreaState areaState{state::BoardingAreas[area]};
    BoardingAreaView& a = v.areas[area - 1];
    a.picture = combat::BoardingAreaPicture(area, areaState);
    a.visible = !a.picture.empty();
    a.label = combat::BoardingAreaLabel(area, areaState);
  }
  v.attacksLive = combat::AttackButtonLights(1);
  v.compatibilityLabels = state::CompatibilityMode == 1;
  return v;
}

}  // namespace screens
