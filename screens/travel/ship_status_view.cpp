#include "screens/travel/ship_status_view.h"

#include "rules/shipyard.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

namespace {

// The size word of a class: its size category, with the civilian names for the middle sizes.
std::string SizeWord(state::ShipClassId shipClass) {
  const bool military = state::GetShipClassRole(shipClass) == state::kRoleMilitary;
  switch (state::GetShipClassSize(shipClass)) {
    case state::kSizeFighter: return "Fighter";
    case state::kSizeCorvette: return "Corvette";
    case state::kSizeDestroyer: return military ? "Destroyer" : "Transporter";
    case state::kSizeCruiser: return military ? "Cruiser" : "Freighter";
    case state::kSizeBattleship: return "Battleship";
    default: return {};
  }
}

std::string Money(std::int32_t amount) { return "$ " + state::FormatThousands(amount); }

}  // namespace

ShipStatusView BuildShipStatusView(ShipStatusMode mode) {
  const bool own = mode == ShipStatusMode::OwnShip;
  const state::TShipRow& ship = own ? state::PlayerShip : state::EnemyShip;
  const state::ShipClassId c = state::ShipClassOf(ship);
  const Faction livery{ship[ship::kFaction]};
  auto stat = [c](state::ShipClassAttribute attribute) {
    return state::GetShipClassStat(c, attribute);
  };

  ShipStatusView view;
  view.name = state::GetShipClassName(c);
  view.size = SizeWord(c);
  view.summary = state::GetShipClassSummary(c);
  view.picture = state::GetShipFactionImage(c, livery) + "_scene.jpg";
  view.gunDamage = std::to_string(stat(state::kAttrGunDamage)) + " pts.";
  view.accuracy = std::to_string(stat(state::kAttrHitChance)) + "%";
  view.shields = std::to_string(stat(state::kAttrShields)) + " pts.";
  view.special = state::GetShipClassSpecial(c);
  view.speciality = state::GetShipSpecialName(view.special);
  view.value = Money(own ? rules::ComputeShipTradeInValue() : stat(state::kAttrPrice));
  view.crewRange =
      std::to_string(stat(state::kAttrMinCrew)) + " / " + std::to_string(stat(state::kAttrMaxCrew));
  view.equipmentShown = own;

  if (own) {
    std::int64_t total = 0;  // five int32 counts: summed wide so no count can wrap the total
    for (int k = 0; k < state::kCrewKindCount; ++k) {
      const std::int32_t count = ship[ship::kCrewmen + k];
      total += count;
      view.crew[static_cast<std::size_t>(k)] = std::to_string(count);
    }
    view.currentCrew = std::to_string(total);
  } else {
    view.crew.fill("?");
    view.currentCrew = "?";
  }

  // The scene behind "[...more]": the own ship is shown in the player's faction colours.
  const Faction moreLivery = own ? Faction{state::PlayerData[player::kFaction]} : livery;
  view.morePicture = state::GetShipFactionImage(c, moreLivery) + "_Scene.jpg";
  view.moreTopic = view.name;
  view.moreText = state::GetShipClassDescription(c);
  return view;
}

}  // namespace screens
