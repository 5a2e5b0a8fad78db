#include "combat/screens/boarding_view.h"

#include "combat/boarding.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

BoardingView BuildBoardingView() {
  BoardingView v;
  const auto& p = state::PlayerShip;
  const auto& e = state::EnemyShip;
  // The screen's order differs from the ship row's (marines before pirates there).
  const int crewFields[kCrewKinds] = {ship::kCrewmen, ship::kOfficers, ship::kPirates,
                                      ship::kMarines, ship::kDroids};
  for (int k = 0; k < kCrewKinds; ++k) v.crew[k] = std::to_string(p[crewFields[k]]);
  const int defenderFields[kDefenderKinds] = {ship::kDefendingCrewmen, ship::kDefendingMarines,
                                              ship::kDefendingDroids};
  for (int k = 0; k < kDefenderKinds; ++k) v.defenders[k] = std::to_string(e[defenderFields[k]]);
  for (int area = combat::kAirlock; area <= combat::kBridge; ++area) {
    const std::int32_t areaState = state::BoardingAreas[area];
    BoardingAreaView& a = v.areas[area - 1];
    a.picture = combat::BoardingAreaPicture(area, areaState);
    a.visible = !a.picture.empty();
    a.label = combat::BoardingAreaLabel(area, areaState);
  }
  v.attacksLive = combat::AttackButtonLights(1);
  v.compatibilityLabels = state::CompatibilityMode == 1;
  return v;
}

CrewKindInfo GetCrewKindInfo(CrewKind kind) {
  switch (kind) {
    case CrewKind::Crewmen:
      return {"Crewmen",
              "Crewmen are the cheapest and most versatile members of your crew, but they are "
              "trained in navigation not in combat."};
    case CrewKind::Officers:
      return {"Officers",
              "Officers are highly skilled and experienced soldiers that can navigate a ship and "
              "can increase the fighting force of your crew by 5% (max. 50%)."};
    case CrewKind::Pirates:
      return {"Pirates",
              "If you are committing crimes all other kinds of crew members might rally and leave "
              "your ship. Pirates will be used to this kind of foul deeds."};
    case CrewKind::Marines:
      return {"Space marines",
              "Space marines are the toughest fighting force humans can muster. They are trained "
              "and equipped for combat."};
    case CrewKind::Droids:
      return {"Battle droids",
              "Heavily armed and even better armored these monsters are almost unstoppable. "
              "Capture some during crew combat!"};
  }
  return {};
}

}  // namespace screens
