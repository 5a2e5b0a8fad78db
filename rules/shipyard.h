// The shipyard: the ship classes a faction sells, what the screen shows of one, and buying a new
// ship. The old ship with its equipment goes in part payment at its trade-in value
// (ComputeShipTradeInValue); the new one comes with the standard fit of its size, and every
// mission board of the galaxy is drawn anew for the new ship size.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "rules/ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"

namespace rules {

// Twelve places in four rows of three: fighters, corvettes, destroyers, cruisers.
inline constexpr int kShipyardPlaces = 12;

// The class in each place for the player's faction 1..4; kNoShipClass where no ship stands.
// Battleships are never sold. Another faction sees empty places only.
std::array<state::ShipClassId, kShipyardPlaces> ShipyardOffers(Faction faction);

// The picture of a place: "<class>_topwire.jpg", or "NotAvailable_topwire.jpg" for no ship.
std::string ShipyardTilePicture(state::ShipClassId shipClass);

// The compatibility-mode caption of a place: the class name and its lower-case size word
// ("Starwolf fighter"), or "Not available".
std::string ShipyardTileCaption(state::ShipClassId shipClass);

// What the details show of a class on sale.
struct ShipOfferView {
  std::string picture;      // "<faction livery><class>_scene_sm.jpg"
  std::string name;
  std::string description;
  std::string type;         // "Fighter" .. "Battleship"
  std::string damage;       // "<n> pts."
  std::string shields;      // "<n> pts."
  std::string cargo;        // "<n> U"
  std::string speciality;   // the class's special ability
  state::ShipSpecial special = state::kNoSpecial;
  std::string price;        // "$ <n>"
  std::string oldShip;      // the trade-in of the present ship
  std::string balance;      // price less trade-in, never below 0
};
ShipOfferView BuildShipOfferView(state::ShipClassId shipClass);

enum class ShipPurchaseResult {
  Bought,
  NoShip,          // an empty place: nothing to buy
  AlreadyOwned,    // "N/A"
  NotEnoughMoney,  // "Not enough money!"
  Declined,        // "No" to "Purchase ship?"
};

// Buys a ship of `shipClass`: refuses an empty place, the class already flown and a price above
// the credits, asks the question, then pays the price less the trade-in (a negative difference is
// paid to the player), replaces the ship with the standard fit of its size, full shields and the
// cargo capacity of the plain bay, and draws every mission board anew. `refreshScreen` runs then;
// afterwards come the congratulations and, when the crew is short of the class's minimum, the
// free crewmen. A refusal changes nothing.
ShipPurchaseResult BuyShip(state::ShipClassId shipClass, Ui& ui,
                           const std::function<void()>& refreshScreen = {});

// The shipyard's hidden developer control, never shown to a player: a battleship for nothing
// (fitted out as a purchase is, with the livery and the hold left as they were). Its gift of
// credits is the cheat screen's.
inline constexpr state::ShipClassId kFreeBattleshipClass = state::kClassMarauder;
void GiveFreeBattleship(Ui& ui, const std::function<void()>& refreshScreen = {});

// What the shipyard pays for the player's ship: a third of the hull's price plus a quarter of each
// fitted item's price for the ship's class, each part truncated on its own.
std::int32_t ComputeShipTradeInValue();

// Empties and refills every offer slot of every star system one at a time, so that the boards
// hold offers drawn for the player's present ship.
void RedrawAllMissionBoards(Ui& ui);

}  // namespace rules
