#include "screens/travel/galaxy_map_view.h"

#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {
namespace {

using state::IsSystem;

// The blip of a system by its owner; a battle there shows the battle icon instead. An owner
// that is none of the four factions shows a neutral blip.
std::string Blip(std::int32_t s) {
  if (state::SystemData[s][star_system::kCampaign] == 1) return "Battleicon.jpg";
  switch (Faction{state::SystemData[s][star_system::kOwner]}) {
    case kFactionFederation: return "GalaxyMapBlip_Fed.jpg";
    case kFactionOuterRim: return "GalaxyMapBlip_OuterR.jpg";
    case kFactionCoalition: return "GalaxyMapBlip_Coal.jpg";
    case kFactionSyndicate: return "GalaxyMapBlip_Synd.jpg";
    default: return "GalaxyMapBlip_Neutral.jpg";
  }
}

// "$ " and the price of good g at system s, "?" where the player has never been.
std::string PriceAt(std::int32_t s, std::int32_t g) {
  if (!IsSystem(s) || state::SystemVisited[s] < 1) return "$ ?";
  return "$ " + std::to_string(state::SystemPrice[s][g]);
}

void DescribeSystem(std::int32_t s, GalaxyMapView& v) {
  if (!IsSystem(s)) return;
  v.systemName = state::SystemText[s][system_text::kName];
  v.description = state::SystemText[s][system_text::kDescription];
  const EconomyClass economyClass{state::SystemData[s][star_system::kClass]};
  v.systemClass = std::string(state::EconomyClassCaption(economyClass));
  const Faction owner{state::SystemData[s][star_system::kOwner]};
  if (!state::IsFaction(owner)) return;
  const state::TFactionTextRow& texts = state::FactionText[state::Stored(owner)];
  v.faction = "Faction: " + texts[faction_text::kShortName];
  v.logo = texts[faction_text::kLogo] + ".jpg";
}

void FillPrices(bool pricesPanelShown, GalaxyMapView& v) {
  std::int64_t used = 0;
  for (int g = 1; g <= 100; ++g) used += state::Cargo[g];
  const std::int64_t capacity = state::PlayerShip[ship::kCargoSpace];
  v.freeCargo = std::to_string(capacity - used) + "/" + std::to_string(capacity);

  const std::int32_t good = state::SelectedGood;
  for (int g = 1; g <= kGalaxyGoods; ++g) {
    GalaxyGoodRow& row = v.goods[g - 1];
    row.name = state::GoodName[g];
    row.price = PriceAt(state::DisplayedSystem, g);
    row.stock = std::to_string(state::Cargo[g]);
    if (g == good) row.colour = kGalaxySelectedGood;
  }
  if (good < 1 || good > kGalaxyGoods || !pricesPanelShown) return;
  for (int s = 1; s <= kGalaxySystems; ++s) {
    v.systems[s - 1].priceShown = true;
    v.systems[s - 1].price = PriceAt(s, good);
  }
}

}  // namespace

bool GalaxySystemHostile(std::int32_t s) {
  if (!IsSystem(s)) return false;
  const Faction o{state::SystemData[s][star_system::kOwner]};
  const Faction p{state::PlayerData[player::kFaction]};
  if (!state::IsFaction(o) || !state::IsFaction(p)) return false;
  const state::TFactionRow& owner = state::FactionData[state::Stored(o)];
  return owner[faction::AtWarWith(p)] > 0 && owner[faction::kAlive] > 0 &&
         state::FactionData[state::Stored(p)][faction::kAlive] > 0;
}

GalaxyMapView BuildGalaxyMapView(bool displayedHighlighted, bool pricesPanelShown) {
  GalaxyMapView v;
  const std::int32_t shown = state::DisplayedSystem;
  for (int s = 1; s <= kGalaxySystems; ++s) {
    GalaxySystemView& system = v.systems[s - 1];
    if (s == shown) system.nameColour = kGalaxyDisplayed;
    if (state::SystemData[s][star_system::kPresent] < 1) continue;
    system.blip = Blip(s);
    if (GalaxySystemHostile(s)) system.nameColour = system.priceColour = kGalaxyHostile;
  }
  // A system just picked shows both its labels in the displayed colour, hostile or not.
  if (displayedHighlighted && IsSystem(shown))
    v.systems[shown - 1].nameColour = v.systems[shown - 1].priceColour = kGalaxyDisplayed;
  DescribeSystem(shown, v);
  FillPrices(pricesPanelShown, v);
  return v;
}

}  // namespace screens
