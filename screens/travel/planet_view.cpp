#include "screens/travel/planet_view.h"

#include <iterator>
#include <string_view>

#include "rules/promotion.h"
#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

namespace {

using state::IsSystem;
bool IsBody(std::int32_t b) { return b >= 1 && b < state::kBodies - 1; }

// The base name of a city picture by its number; any number without a city names the sun.
std::string CityPictureName(std::int32_t city) {
  switch (city) {
    case 9: return "city_earth";
    case 10: return "city_sirius";
    case 11: return "city_hope";
    case 12: return "city7";
    default: return "Sun";
  }
}

}  // namespace

bool GovernorReceivesPlayer() {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const std::int32_t b = state::PlayerShip[ship::kBody];
  if (!IsSystem(s) || !IsBody(b)) return false;
  return state::BodyData[s][b][body::kOwner] == state::PlayerData[player::kFaction];
}

PlanetView BuildPlanetView(std::int32_t system, std::int32_t body) {
  PlanetView view;
  if (!IsSystem(system) || !IsBody(body)) return view;
  const state::TBodyRow& row = state::BodyData[system][body];
  const state::TBodyTextRow& text = state::BodyText[system][body];
  view.isBody = true;
  view.name = text[body_text::kName];
  view.description = text[body_text::kDescription];
  const Faction owner{row[body::kOwner]};
  const std::string longName =
      state::IsFaction(owner) ? state::FactionText[state::Stored(owner)][faction_text::kLongName]
                              : std::string();
  view.faction = "Faction: " + longName;
  view.economyClass = std::string(state::EconomyClassCaption(EconomyClass{row[body::kKind]}));
  // A planet with a city shows the city; any other its own large picture.
  view.picture = row[body::kCityPicture] < 1
                     ? rules::GetBodyPictureName(row[body::kPicture]) + "r.jpg"
                     : CityPictureName(row[body::kCityPicture]) + ".jpg";
  return view;
}

}  // namespace screens
