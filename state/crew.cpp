#include "state/crew.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "state/fields.h"
#include "state/variables.h"

namespace state {

ship::Field CrewCountField(CrewKind kind) {
  switch (kind) {
    case CrewKind::Crewmen: return ship::kCrewmen;
    case CrewKind::Officers: return ship::kOfficers;
    case CrewKind::Pirates: return ship::kPirates;
    case CrewKind::Marines: return ship::kMarines;
    case CrewKind::Droids: return ship::kDroids;
  }
  return ship::kCrewmen;
}

std::int32_t CrewHirePrice(CrewKind kind) {
  switch (kind) {
    case CrewKind::Crewmen: return 1000;
    case CrewKind::Officers: return 5000;
    case CrewKind::Pirates: return 2000;
    case CrewKind::Marines: return 5000;
    case CrewKind::Droids: return 0;
  }
  return 0;
}

std::int32_t PlayerCrewOnBoard() {
  std::int64_t heads = 0;
  for (int k = 1; k <= kCrewKindCount; ++k)
    heads += PlayerShip[CrewCountField(static_cast<CrewKind>(k))];
  using Limits = std::numeric_limits<std::int32_t>;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(heads, Limits::min(), Limits::max()));
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

}  // namespace state
