#include "rules/cheats.h"

#include <initializer_list>

#include "rules/credits.h"
#include "rules/missions.h"
#include "rules/promotion.h"
#include "rules/shipyard.h"
#include "state/abilities.h"
#include "state/equipment.h"
#include "state/equipment_offers.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

struct FastStart {
  std::int32_t credits, level;
  Rank rank;
  std::initializer_list<Skill> skills;
  std::initializer_list<state::Ability> abilities;
};

const FastStart kFastStartTable[kFastStarts] = {
    {100000, 7, kRankFirstLieutenant,
     {kSkillTrader, kSkillConnections, kSkillCriminalistics, kSkillCombatPatrol},
     {state::kTargetLock, state::kFlee}},
    {500000, 13, kRankCommander,
     {kSkillTrader, kSkillConnections, kSkillCriminalistics, kSkillCombatPatrol,
      kSkillDeepSpacePatrol, kSkillRewards, kSkillFastRecharge, kSkillRumors},
     {state::kTargetLock, state::kManouvers, state::kFlee, state::kTractorBeam}},
    {1000000, 15, kRankCaptain,
     {kSkillTrader, kSkillConnections, kSkillCriminalistics, kSkillTracking, kSkillCombatPatrol,
      kSkillDeepSpacePatrol, kSkillRewards, kSkillFastRecharge, kSkillRumors},
     {state::kTargetLock, state::kManouvers, state::kFlee, state::kTractorBeam,
      state::kFocusedShield}},
};

}  // namespace

void CheatCredits(Ui& ui) {
  // A full account stays full rather than wrapping round to a debt.
  AddSaturated(state::PlayerData[player::kCredits], 100000);
  ui.UpdateStatusBars();
}

void CheatNextPromotion(Ui& ui) {
  state::PlayerData[player::kExperience] =
      state::GetLevelExperience(state::PlayerData[player::kLevel]);
  CheckPromotion(ui);
}

state::ShipClassId FastStartShipClass(int start, Faction faction) {
  switch (start) {
    case 1: return faction == kFactionFederation ? state::kClassPaladin : state::kClassShadowcat;
    case 2: return state::kClassNeptun;
    case 3: return state::kClassMarauder;
    default: return state::kNoShipClass;
  }
}

void ApplyFastStart(int start, Ui& ui) {
  if (start < 1 || start > kFastStarts) return;
  const FastStart& f = kFastStartTable[start - 1];
  auto& player = state::PlayerData;
  player[player::kCredits] = f.credits;
  player[player::kLevel] = f.level;
  player[player::kRank] = state::Stored(f.rank);
  player[player::kExperience] = 0;
  for (const Skill skill : f.skills) state::SkillOwned[state::Stored(skill)] = 1;
  for (const state::Ability ability : f.abilities)
    state::AbilityOwned[state::Stored(ability)] = 1;

  auto& ship = state::PlayerShip;
  const state::ShipClassId shipClass = FastStartShipClass(start, Faction{player[player::kFaction]});
  ship[ship::kClass] = state::Stored(shipClass);
  ship[ship::kShields] = state::GetShipClassBaseShields(shipClass);
  ui.UpdateStatusBars();

  ship[ship::kSimulatorMissile] = 0;
  for (const ship::Field field : ship::kFittedItems) ship[field] = 0;
  state::ApplyStandardFit(ship);
  // The hold is the new hull's: the old one's capacity would let the cargo overflow or idle.
  ship[ship::kCargoSpace] =
      state::GetShipCargoCapacity(shipClass, CargoModuleId{ship[ship::kCargoModule]}, state::Side::Player);

  RedrawAllMissionBoards(ui);

  const std::int32_t crew = ship[ship::kCrewmen] + ship[ship::kOfficers] + ship[ship::kPirates];
  const std::int32_t needed = state::GetShipClassStat(shipClass, state::kAttrMinCrew);
  if (needed > crew) ship[ship::kCrewmen] += needed - crew;

  ui.Message(Popup::Text, "Done",
             "You receive a new ship, a higher rank, some credits and new abilities.");
}

void SwitchNoAgeing() { state::NoAgingFlag = state::NoAgingFlag == 1 ? 0 : 1; }

}  // namespace rules
