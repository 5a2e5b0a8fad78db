#include "rules/crew.h"

#include "state/equipment.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::CrewKind;
using state::PlayerShip;

constexpr std::string_view kPlaceTopic = "N/A";

// The kind of the body the ship is at; 0 (no port of either sort) away from a body.
std::int32_t HereKind() {
  const std::int32_t s = PlayerShip[ship::kSystem];
  const std::int32_t b = PlayerShip[ship::kBody];
  if (s < 1 || s > state::kLastSystem || b < 1 || b > state::kLastBody) return 0;
  return state::BodyData[s][b][body::kKind];
}

}  // namespace

std::int32_t PlayerMaxCrew() {
  return state::GetShipMaxCrew(state::ShipClassOf(PlayerShip),
                               CargoModuleId{PlayerShip[ship::kCargoModule]});
}

std::int32_t PlayerMinCrew() {
  return state::GetShipClassStat(state::ShipClassOf(PlayerShip), state::kAttrMinCrew);
}

std::optional<CrewRefusal> CrewHirePlaceRefusal(CrewKind kind) {
  const std::int32_t here = HereKind();
  switch (kind) {
    case CrewKind::Crewmen:
      if (here > 0) return std::nullopt;
      return CrewRefusal{kPlaceTopic,
                         "You can only hire crewmen at normal planets. Only pirates are available "
                         "at pirate hideouts."};
    case CrewKind::Officers:
      if (here > 0) return std::nullopt;
      return CrewRefusal{kPlaceTopic,
                         "You can only hire officers at normal planets. Only pirates are available "
                         "at pirate hideouts."};
    case CrewKind::Marines:
      if (here > 0) return std::nullopt;
      return CrewRefusal{kPlaceTopic,
                         "You can only hire marines at normal planets. Only pirates are available "
                         "at pirate hideouts."};
    case CrewKind::Pirates:
      if (here == state::kKindPirateHideout) return std::nullopt;
      return CrewRefusal{kPlaceTopic,
                         "You can only hire pirates at pirate hideouts - not at common planets."};
    case CrewKind::Droids: break;
  }
  return CrewRefusal{kPlaceTopic,
                     "Battle droids are very dangerous weapons and are not available on the free "
                     "market. You will have to seize some on enemy ships."};
}

std::optional<CrewRefusal> HireCrewMember(CrewKind kind, Ui& ui) {
  const std::int32_t maxCrew = PlayerMaxCrew();
  if (maxCrew == 0)
    return CrewRefusal{"No crew space!",
                       "This kind of ship cannot carry a crew. Buy a bigger one!"};
  if (state::PlayerCrewOnBoard() >= maxCrew)
    return CrewRefusal{"No crew space!", "Your ship cannot carry more crew members!"};
  const std::int32_t price = state::CrewHirePrice(kind);
  // A kind without a price is not for hire at all.
  if (price <= 0) return CrewHirePlaceRefusal(CrewKind::Droids);
  if (price > state::PlayerData[player::kCredits])
    return CrewRefusal{"Not enough money!", "Unfortunately you do not have enough money."};
  state::PlayerData[player::kCredits] -= price;
  PlayerShip[state::CrewCountField(kind)] += 1;
  ui.UpdateStatusBars();
  return std::nullopt;
}

std::optional<CrewRefusal> DismissCrewMember(CrewKind kind) {
  std::int32_t& count = PlayerShip[state::CrewCountField(kind)];
  if (count <= 0) return CrewRefusal{"No crew!", "There is nobody to dismiss!"};
  count -= 1;
  return std::nullopt;
}

}  // namespace rules
