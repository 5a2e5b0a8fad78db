// Missions: the mission record and its 27 types (named in state/mission_types.h), the rewards,
// and the opponent operations that missions share with encounters, flights and docking.
//
// A mission record is MissionOffers[system][slot] on a board and ActiveMission once accepted; its
// fields are named in mission:: (state/fields.h).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "rules/ui.h"
#include "state/factions.h"
#include "state/mission_types.h"
#include "state/ship_classes.h"

namespace rules {

// The title the mission board shows ("Search & Destroy"); empty outside 1..27.
std::string_view MissionTitle(MissionType type);

// The reward of a mission of weight n (1..5) for the player's ship: half of n x 10000 x size
// (x 5 more for a battleship) plus a random part below that half.
std::int32_t ComputeMissionReward(std::int32_t n);

// A random faction at war with faction f, or 0 when f is at war with nobody.
Faction PickWarEnemyFaction(Faction f);

// Where an opponent is met, as the encounter rules weigh its faction and size: the `kind` of the
// functions below.
enum EncounterSituation : std::int32_t {
  kSituationCapital = 1,   // a faction's capital
  kSituationOrdinary = 2,  // any other system
  kSituationCampaign = 3,  // a system a campaign is fought over, a capital or not
};
// The situation in `system`; ordinary for a value that is no system.
EncounterSituation EncounterSituationOf(std::int32_t system);

// The faction of an opponent met near a system owned by f: the pirates (0), f itself or one of
// f's enemies, by the situation `kind`; any other kind gives 0.
Faction ChooseEncounterFaction(std::int32_t kind, Faction f);

// A ship class 1..19 that `faction` flies near `system`, of a size category near `size`; 0 when
// no class fits. Another kind than an EncounterSituation asks for `size` itself.
state::ShipClassId ChooseEncounterShipType(std::int32_t kind, std::int32_t system,
                                           std::int32_t size, Faction faction);

// What a search of encounter ship types makes of each class it draws.
class EncounterClassTest {
 public:
  virtual ~EncounterClassTest() = default;
  // The search ends at class c (kNoShipClass for a draw that found none).
  virtual bool Accepts(state::ShipClassId c) const = 0;
  // A roll of Random(100) follows the draw of class c, and 0..40 discard it: the draw gives 0.
  virtual bool DiscardRollFollows(state::ShipClassId) const { return false; }
};

// ChooseEncounterShipType drawn until `test` accepts the class, at most 1000 times; the class of
// the last draw when none was accepted. It draws the same random numbers as calling
// ChooseEncounterShipType each time, with a table look-up per draw, and steps over the draws of
// a search that can accept nothing without looking at their classes.
state::ShipClassId SearchEncounterShipType(std::int32_t kind, std::int32_t system,
                                           std::int32_t size, Faction faction,
                                           const EncounterClassTest& test);

// The size category 1..5 ChooseEncounterShipType asks for when its roll came up `r` (0..99).
std::int32_t EncounterWantedSize(std::int32_t kind, std::int32_t system, std::int32_t size,
                                 Faction faction, std::int32_t r);

// The classes 1..19 of size category `size` (1..5) that faction 0..4 flies as an opponent, in
// class order: what ChooseEncounterShipType draws from. Empty for any other size or faction.
const std::vector<state::ShipClassId>& EncounterClasses(state::ShipSize size, Faction faction);

// True when a class of encounter category `category` (ship-class attribute 14) may be flown by
// faction 0..4.
bool EncounterCategoryAdmits(state::EncounterCategory category, Faction faction);

// Fills the mission boards: at most one new offer on each of the 24 boards per call.
void GenerateMissionOffers(Ui& ui);

}  // namespace rules
