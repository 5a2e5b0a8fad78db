#include "state/start_ship.h"

#include <array>

#include "state/factions.h"
#include "state/professions.h"

namespace state {
namespace {

struct StartShip {
  ShipClassId shipClass;
  std::string_view label;
};

constexpr StartShip kOrion{kClassOrion, "Orion II shuttle"};
constexpr StartShip kStarwolf{kClassStarwolf, "Starwolf fighter"};
constexpr StartShip kStargun{kClassStargun, "Stargun fighter"};
constexpr StartShip kAvenger{kClassAvenger, "Avenger fighter"};
constexpr StartShip kSabre{kClassSabre, "Sabre fighter"};
constexpr StartShip kNone{kNoShipClass, ""};

// clang-format off
// By profession 1..6 (rows) and faction 1..4 (columns).
constexpr std::array<std::array<StartShip, 4>, 6> kStartShips{{
  //  Federation  Outer Rim  Coalition  Syndicate
  {{kOrion,     kOrion,    kOrion,    kOrion}},     // 1 Trader
  {{kStarwolf,  kStarwolf, kStarwolf, kStarwolf}},  // 2 Combat Trader
  {{kAvenger,   kStargun,  kStargun,  kSabre}},     // 3 Mercenary
  {{kAvenger,   kStargun,  kStargun,  kSabre}},     // 4 Bounty-hunter
  {{kStarwolf,  kStarwolf, kStarwolf, kStarwolf}},  // 5 Smuggler
  {{kStarwolf,  kStarwolf, kStarwolf, kStarwolf}},  // 6 Pirates
}};
// clang-format on

const StartShip& Lookup(Profession profession, Faction faction) {
  if (!IsProfession(profession) || !IsPower(faction)) return kNone;
  return kStartShips[Stored(profession) - 1][Stored(faction) - 1];
}

}  // namespace

ShipClassId StartShipClass(Profession profession, Faction faction) {
  return Lookup(profession, faction).shipClass;
}

std::string_view StartShipLabel(Profession profession, Faction faction) {
  return Lookup(profession, faction).label;
}

}  // namespace state
