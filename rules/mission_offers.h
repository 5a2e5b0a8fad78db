// The searches behind the mission boards: the invasion targets an offer heads for (their
// candidate lists and the draws from them), the enemy ship class an offer fights, and stepping the
// random generator over a run of draws. GenerateMissionOffers (rules/missions.h) fills the boards
// with them; they are declared here so that tests can hold each one against the plain search.
//
// Some offers look for a target by drawing invasion targets again and again (up to a thousand
// times) until one fits, and by drawing body numbers until a visible one comes up. Rescanning the
// galaxy for each draw would make a board refill slow, so GenerateMissionOffers collects each
// candidate list once per call and draws from it. Every draw is still made, in the same order,
// so the random stream is exactly the one of the plain search; only where the outcome of a run of
// draws is known in advance (nothing can ever fit) is the generator stepped forward in one go.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "state/factions.h"
#include "state/ship_classes.h"
namespace rules {

// The systems PickInvasionTarget(attacker, defender) chooses from, in its order, a system listed
// once per wormhole leading to it.
std::vector<std::int32_t> InvasionCandidates(Faction attacker, Faction defender);

// One PickInvasionTarget draw from its candidate list: 0 for none, the only one without a draw,
// otherwise the one at Random(count).
std::int32_t PickFromCandidates(const std::vector<std::int32_t>& candidates);

// PickInvasionTarget drawn again and again, at most `maxDraws` times in all, until `fits` holds.
// Returns the first fitting system, or 0 when none came up (the generator then stands where the
// plain search would have left it).
std::int32_t RedrawInvasionTarget(const std::vector<std::int32_t>& candidates,
                                  const std::function<bool(std::int32_t)>& fits,
                                  int maxDraws = 1000);

// How an offer's enemy class draw judges a class: a warship (role 1) at least as big as the
// player's ship; Search && Destroy throws back 41 in 100 of the classes not bigger than the
// player's; an Abduction wants a single ship, not a formation.
enum class EnemyClassRule { Plain, DiscardSameSize, SingleShip };

// ChooseEncounterShipType(kind, system, psize, faction) drawn until the class passes `rule`, at
// most 1000 times; the last draw stands, so the result may be a class that does not pass (or
// kNoShipClass).
state::ShipClassId DrawEnemyClass(std::int32_t kind, std::int32_t system, state::ShipSize psize,
                                  Faction faction, EnemyClassRule rule);

// Steps the generator forward as `draws` calls of Random would.
void SkipRandomDraws(std::uint64_t draws);

}  // namespace rules
