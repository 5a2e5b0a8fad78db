#include "rules/shipyard.h"

#include <algorithm>
#include <limits>

#include "audio/sound.h"
#include "rules/credits.h"
#include "rules/missions.h"
#include "state/equipment.h"
#include "state/equipment_offers.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {
namespace {

// clang-format off
// The classes on sale by faction (columns 1..4) and place (rows 1..12, three per size).
using enum state::ShipClassId;
constexpr state::ShipClassId kOffers[kShipyardPlaces][4] = {
  // Federation       Outer Rim        Coalition        Syndicate
  {kClassStarwolf,  kClassStarwolf,  kClassStarwolf,  kClassStarwolf},   // fighters
  {kClassAvenger,   kClassStargun,   kClassStargun,   kClassSabre},
  {kClassOrion,     kClassOrion,     kClassOrion,     kClassOrion},
  {kClassShadowcat, kClassShadowcat, kClassShadowcat, kClassShadowcat},  // corvettes
  {kClassPaladin,   kClassHellcat,   kClassHellcat,   kClassHellcat},
  {kNoShipClass,    kNoShipClass,    kNoShipClass,    kNoShipClass},
  {kClassPatton,    kClassPatton,    kClassPatton,    kClassShark},      // destroyers
  {kClassFerendar,  kClassFerendar,  kClassFerendar,  kClassFerendar},
  {kNoShipClass,    kNoShipClass,    kNoShipClass,    kNoShipClass},
  {kClassNeptun,    kClassNeptun,    kClassNeptun,    kClassNeptun},     // cruisers
  {kClassGalaxy,    kClassGalaxy,    kClassGalaxy,    kClassGalaxy},
  {kNoShipClass,    kClassCorsair,   kClassCorsair,   kClassCorsair},
};
// clang-format on

std::string Money(std::int64_t value) {
  return "$ " + state::FormatThousands(static_cast<std::int32_t>(value));
}

const char* SizeWord(state::ShipSize size) {
  switch (size) {
    case state::kSizeFighter: return "Fighter";
    case state::kSizeCorvette: return "Corvette";
    case state::kSizeDestroyer: return "Destroyer";
    case state::kSizeCruiser: return "Cruiser";
    case state::kSizeBattleship: return "Battleship";
    default: return "";
  }
}

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::int64_t NetPrice(state::ShipClassId shipClass) {
  return static_cast<std::int64_t>(state::GetShipClassStat(shipClass, state::kAttrPrice)) -
         ComputeShipTradeInValue();
}

// The crew a ship needs counts crewmen, officers and pirates; marines and droids do not fly it.
void FillMinimumCrew(Ui& ui) {
  state::TShipRow& p = state::PlayerShip;
  const std::int64_t needed = state::GetShipClassStat(state::ShipClassOf(p), state::kAttrMinCrew);
  const std::int64_t crew = static_cast<std::int64_t>(p[ship::kCrewmen]) + p[ship::kOfficers] +
                            p[ship::kPirates];
  if (needed <= crew) return;
  AddSaturated(p[ship::kCrewmen], needed - crew);
  ui.Message(Popup::Text, "New crewmen!",
             "Your crew is spreading the word about your new ship and soon new volunteers show up "
             "to join your crew for glory and adventure.");
}

}  // namespace

std::array<state::ShipClassId, kShipyardPlaces> ShipyardOffers(Faction faction) {
  std::array<state::ShipClassId, kShipyardPlaces> offers{};
  if (!state::IsPower(faction)) return offers;
  const int column = state::Stored(faction) - 1;
  for (int place = 0; place < kShipyardPlaces; ++place) offers[place] = kOffers[place][column];
  return offers;
}

std::string ShipyardTilePicture(state::ShipClassId shipClass) {
  return state::GetShipClassImage(shipClass) + "_topwire.jpg";
}

std::string ShipyardTileCaption(state::ShipClassId shipClass) {
  if (shipClass == state::kNoShipClass) return "Not available";
  return state::GetShipClassName(shipClass) + " " +
         LowerCase(SizeWord(state::GetShipClassSize(shipClass)));
}

ShipOfferView BuildShipOfferView(state::ShipClassId c) {
  ShipOfferView v;
  const Faction faction{state::PlayerData[player::kFaction]};
  v.picture = state::GetShipFactionImage(c, faction) + "_scene_sm.jpg";
  v.name = state::GetShipClassName(c);
  v.description = state::GetShipClassDescription(c);
  v.type = SizeWord(state::GetShipClassSize(c));
  v.damage = std::to_string(state::GetShipClassStat(c, state::kAttrGunDamage)) + " pts.";
  v.shields = std::to_string(state::GetShipClassBaseShields(c)) + " pts.";
  v.cargo = std::to_string(state::GetShipClassStat(c, state::kAttrCargoSpace)) + " U";
  v.special = state::GetShipClassSpecial(c);
  v.speciality = state::GetShipSpecialName(v.special);
  const std::int32_t price = state::GetShipClassStat(c, state::kAttrPrice);
  const std::int32_t old = ComputeShipTradeInValue();
  v.price = Money(price);
  v.oldShip = Money(old);
  v.balance = Money(std::max<std::int64_t>(0, static_cast<std::int64_t>(price) - old));
  return v;
}

void RedrawAllMissionBoards(Ui& ui) {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int slot = 1; slot <= state::kLastOfferSlot; ++slot) {
      state::MissionOffers[s][slot][mission::kActive] = 0;
      GenerateMissionOffers(ui);
    }
  }
}

namespace {

// The new ship of class `c` replaces the old one: full shields, the standard fit of its size (and,
// with `plainHold`, the hold of its bay without a module, worked out once the old engine is out),
// every mission board drawn anew for it, the congratulations and the free crewmen it needs. The
// faction's livery is the caller's.
void FitOutNewShip(state::ShipClassId c, bool plainHold, Ui& ui,
                   const std::function<void()>& refreshScreen) {
  state::TShipRow& p = state::PlayerShip;
  p[ship::kClass] = state::Stored(c);
  p[ship::kShields] = state::GetShipClassBaseShields(c);
  ui.UpdateStatusBars();
  p[ship::kSimulatorMissile] = 0;
  for (const ship::Field field : ship::kFittedItems) p[field] = 0;
  if (plainHold)
    p[ship::kCargoSpace] = state::GetShipCargoCapacity(c, kModuleCargoBay, state::Side::Player);
  state::ApplyStandardFit(p);
  RedrawAllMissionBoards(ui);
  if (refreshScreen) refreshScreen();
  ui.Message(Popup::Picture, "Congratulations!", "You have successfully bought the new ship!",
             state::GetShipFactionImage(c, Faction{state::PlayerData[player::kFaction]}) +
                 "_scene.jpg");
  FillMinimumCrew(ui);
}

}  // namespace

ShipPurchaseResult BuyShip(state::ShipClassId c, Ui& ui,
                           const std::function<void()>& refreshScreen) {
  // An empty place holds no class to buy.
  if (c == state::kNoShipClass || state::GetShipClassName(c).empty())
    return ShipPurchaseResult::NoShip;
  if (c == state::ShipClassOf(state::PlayerShip)) {
    ui.Message(Popup::Text, "N/A", "You already own this kind of ship.");
    return ShipPurchaseResult::AlreadyOwned;
  }
  // A ship worth less than the old one pays the player, even one in debt.
  const std::int64_t net = NetPrice(c);
  if (net >= 0 && net > state::PlayerData[player::kCredits]) {
    ui.Message(Popup::Text, "Not enough money!",
               "Unfortunately you do not have enough money to buy this ship.");
    return ShipPurchaseResult::NotEnoughMoney;
  }
  if (!ui.Ask("Purchase ship?",
              "Do you really wish to buy this ship (" + state::GetShipClassName(c) + ") ?"))
    return ShipPurchaseResult::Declined;

  audio::PlayRewardMusic();
  AddSaturated(state::PlayerData[player::kCredits], -net);
  state::PlayerShip[ship::kFaction] = state::PlayerData[player::kFaction];
  FitOutNewShip(c, /*plainHold=*/true, ui, refreshScreen);
  return ShipPurchaseResult::Bought;
}

void GiveFreeBattleship(Ui& ui, const std::function<void()>& refreshScreen) {
  FitOutNewShip(kFreeBattleshipClass, /*plainHold=*/false, ui, refreshScreen);
}

std::int32_t ComputeShipTradeInValue() {
  const state::ShipClassId c = state::ShipClassOf(state::PlayerShip);
  const state::TShipRow& ship = state::PlayerShip;
  std::int64_t value = state::GetShipClassStat(c, state::kAttrPrice) / 3;
  value += state::GetMissilePrice(c, MissileId{ship[ship::kMissileLauncher]}) / 4;
  value += state::GetGunPrice(c, GunId{ship[ship::kGun]}) / 4;
  value += state::GetEcmPrice(c, EcmId{ship[ship::kEcm]}) / 4;
  value += state::GetComputerPrice(c, ComputerId{ship[ship::kTargeting]}) / 4;
  value += state::GetEnginePrice(c, EngineId{ship[ship::kEngine]}) / 4;
  value += state::GetCargoModulePrice(c, CargoModuleId{ship[ship::kCargoModule]}) / 4;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace rules
