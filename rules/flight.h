// Flights inside a star system, docking and jumps through wormholes.
//
// A flight takes whole game days: the distance on the system map over the ship's pace, longer for
// an old pilot and much longer without a full crew. Each day runs the daily turn and, toward a
// body, may bring a hostile encounter. On arrival the ship's position and the day's prices are
// known, the tutorial and the active mission move on, a wanted pilot's crew may desert and the
// police may find contraband on board.
//
// Docking at the body the ship is at lands on a planet, enters a pirate hideout or jumps through
// a wormhole to the system at its other end, under the landing rules: the police turn a wanted
// pilot away unless the street-rules skills let the pilot sneak in, enemy planets and asteroid
// fields cannot be landed on, and a fighter has no jump engines.
//
// The windows that count the days belong to the screens (screens/travel/flight.h); everything
// they decide is here.
#pragma once

#include <cstdint>
#include <optional>

#include "rules/ui.h"
#include "state/ship_classes.h"

namespace rules {

inline constexpr int kShortestFlight = 2;    // days
inline constexpr int kLongestBodyFlight = 99;

// --- The length of a flight --------------------------------------------------------------------

// The days of a flight over `distance` map pixels at travel speed `speed`, by a pilot of `age`
// years, with a crew below the minimum when `shortHanded`. A flight to a body takes 2..99 days;
// one to a space find at least 2 and takes twice as long short-handed.
std::int32_t FlightDays(std::int32_t distance, std::int32_t speed, std::int32_t age,
                        bool shortHanded, bool toSpaceFind);

// The map distance (|dx| + |dy|) in `system` from place `from` to place `to`, each a body 1..15
// or a space-find slot given as -1..-4; 0 for a place outside those ranges.
std::int32_t FlightDistance(std::int32_t system, std::int32_t from, std::int32_t to);

// The crew aboard that counts toward the crew the ship needs to fly (PlayerMinCrew): crewmen,
// officers and pirates; marines and droids do not fly a ship.
std::int32_t FlyingCrew();

// --- A flight, day by day ----------------------------------------------------------------------

// Starts a flight of the player's ship in `system` to `target` (a body 1..15, or a space-find
// slot -1..-4): the tutorial lock (bodies only) and the crew question come first; a refused
// flight changes nothing and gives no value. Otherwise returns the days the flight takes, with
// this flight's encounter count cleared and the engines' sound started.
std::optional<std::int32_t> BeginFlight(std::int32_t target, std::int32_t system, Ui& ui);

// One day under way toward SelectedBody: the daily turn, then, toward a body, the day's hostile
// encounter, and `daysLeft` counts down. The window passes its own counter, which a new chance
// after a lost fight sets to 0 meanwhile (Ui::StopFlight); a ship lost for good ends the flight
// too. At 0 or less the ship arrives now.
void FlightDay(std::int32_t& daysLeft, Ui& ui);

// The ship reaches SelectedBody: its position and the day's prices, the travel screen redrawn,
// the tutorial, the active mission, a mutiny of a wanted pilot's crew, the contraband check with
// its police fight, and the space find resolved. The flight window is already hidden.
void ArriveFromFlight(Ui& ui);

// The police ship after contraband was found or a sneak attempt failed, in the ship's system:
// a warship of the player's size category (or, `biggerThanPlayer`, of a larger one), drawn at
// most 1001 times; 0 when no class at all fits.
state::ShipClassId DrawPoliceShip(bool biggerThanPlayer);

// --- Docking and jumping -----------------------------------------------------------------------

enum class Landing {
  Nothing,        // a sun, a pirate hideout, a space find: nothing to do at the body itself
  Wanted,         // a wanted pilot without the street-rules skills is turned away
  AskSneak,       // a wanted pilot with a street-rules skill may try to sneak in
  EnemyPlanet,    // the planet belongs to a faction at war with the player's
  Asteroids,      // an asteroid field cannot be landed on
  TutorialLocked, // the tutorial has not come to landing yet
  Land,           // the planet screen opens
  NoJumpEngines,  // a fighter at a wormhole
  Jump,           // through the wormhole to another system
};

// What docking at the ship's place does, before any question or roll.
Landing DecideLanding();

// A jump through the wormhole at `body` of `system`: where it leads, at which body the ship comes
// out (the wormhole back to `system`, else body 1), and the days it takes (at least 1).
struct WormholeJump {
  std::int32_t destination = 0;
  std::int32_t arrivalBody = 0;
  std::int32_t days = 0;
};
std::optional<WormholeJump> PlanJump(std::int32_t system, std::int32_t body);

// What the screens open after DockOrJump.
struct DockResult {
  bool planet = false;       // land: the planet screen
  bool hideout = false;      // the pirate hideout screen
  std::optional<WormholeJump> jump;  // the jump window, to the wormhole's destination
};

// Acts on the body the ship is at, under the landing rules: refusals as popups, the sneak question
// and its roll, the police fight after a failed attempt, the tutorial's step at a landing. A jump
// starts with this flight's encounter count cleared. A space find does nothing.
DockResult DockOrJump(Ui& ui);

// One day of a jump: the daily turn and the day's hostile encounter; `daysLeft` as in FlightDay.
void JumpDay(std::int32_t& daysLeft, Ui& ui);

// The ship comes out at the far end of the jump: its system and body, the destination marked as
// visited, the travel screen showing it with the ship's place selected.
void ArriveFromJump(const WormholeJump& jump, Ui& ui);

}  // namespace rules
