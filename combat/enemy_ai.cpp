#include "combat/enemy_ai.h"

#include "combat/ability_ids.h"
#include <cstdint>

#include "combat/modifiers.h"
#include "combat/resolution.h"
#include "rules/tutorial.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace combat {
namespace {

bool InSlots(state::Ability id) {
  for (int k = 1; k <= 12; ++k)
    if (state::Ability{state::EnemyAbilitySlots[k]} == id) return true;
  return false;
}

bool Waiting() { return state::EnemyShip[ship::kAwaitingMessage] != 0; }
bool PlayerVolleyInFlight() { return state::PlayerMissileVolley[missile_volley::kInFlight] > 0; }
bool EnemyStunned() {
  return FindPlayerModifierSlot(kEmp) > 0 || FindPlayerModifierSlot(kEmp2) > 0;
}
bool PlayerOwns(state::Ability id) { return state::AbilityOwned[state::Stored(id)] == 1; }

// The step rule: step k is tried only when the list has not passed it and no action waits; trying
// it marks it as passed.
bool Enter(int k) {
  auto& e = state::EnemyShip;
  if (!(e[ship::kDecisionStep] < k && e[ship::kAwaitingMessage] == 0)) return false;
  e[ship::kDecisionStep] = k;
  return true;
}

// A step that uses `id` when `condition` holds.
void Step(int k, state::Ability id, bool inSlotsNeeded, bool condition, CombatUi& ui) {
  if (!Enter(k)) return;
  if (inSlotsNeeded && !InSlots(id)) return;
  if (!condition) return;
  ResolveCombatAction(Side::Enemy, id, ui);
}

// Whether any step up to `last` is still to be tried in this call.
bool StepsLeft(int last) { return state::EnemyShip[ship::kDecisionStep] < last && !Waiting(); }

}  // namespace

void TakeEnemyDecisions(CombatUi& ui) {
  auto& e = state::EnemyShip;
  auto& p = state::PlayerShip;

  // In the tutorial the enemy turns straight to its missiles, so there is one to intercept.
  if (rules::TutorialEnemyFiresMissileFirst() &&
      e[ship::kDecisionStep] < 19 && e[ship::kAwaitingMessage] == 0) {
    e[ship::kDecisionStep] = 19;
    if (InSlots(kFireMissiles)) ResolveCombatAction(Side::Enemy, kFireMissiles, ui);
  }

  // gate A: the defensive opening
  if (ShipKind{e[ship::kEnemyKind]} == kTraderShip && !EnemyStunned()) {
    Step(1, kFlee, true, !PlayerVolleyInFlight(), ui);
    Step(2, kSosBuoy, true, e[ship::kReinforcements] > 0, ui);
    Step(3, kFocusedShield, true, !PlayerVolleyInFlight(), ui);
    Step(4, kFocusedShield2, true, !PlayerVolleyInFlight(), ui);
    Step(5, kReflectionShield, true, !PlayerVolleyInFlight(), ui);
    Step(6, kReflectionShield2, true, !PlayerVolleyInFlight(), ui);
    Step(7, kEvading, true, !PlayerVolleyInFlight(), ui);
  }
  Step(8, kDisturb2, true, !PlayerVolleyInFlight(), ui);
  Step(9, kRecharge, true, true, ui);
  if (ShipKind{e[ship::kEnemyKind]} >= kMilitaryShip && !EnemyStunned() && PlayerOwns(kFlee))
    Step(10, kTractorBeam, true, !PlayerVolleyInFlight(), ui);

  // A stunned enemy passes by the rest of its list.
  if (!EnemyStunned()) {
    Step(11, kExploit, true, true, ui);
    Step(12, kExploit2, true, true, ui);
    Step(13, kExploit, false, true, ui);
    Step(14, kExploit2, false, true, ui);

    // Gate C is decided once per call that still has step 15 or 16 to try; its roll is made only
    // when the shield conditions hold, the rank is below 3 and the player has no tractor beam.
    if (StepsLeft(16)) {
      bool gate = e[ship::kShields] <= state::GetShipClassBaseShields(state::ShipClassOf(e)) / 3 &&
                  p[ship::kShields] > state::GetShipClassBaseShields(state::ShipClassOf(p)) / 3;
      const Rank rank{state::PlayerData[player::kRank]};
      if (gate && rank < kRankFirstLieutenant && !PlayerOwns(kTractorBeam))
        gate = state::Random(100) <= 50;
      if (gate) {
        Step(15, kFlee, true, !PlayerVolleyInFlight(), ui);
        Step(16, kCloak, true, !PlayerVolleyInFlight(), ui);
      }
    }

    // Each ECM step draws its roll when it is tried, before its other conditions.
    if (Enter(17)) {
      const std::int32_t r = state::Random(100) + 1;
      if (InSlots(kEcm) && PlayerVolleyInFlight() &&
          (r < 70 || state::PlayerMissileVolley[missile_volley::kTurnsToImpact] < 2))
        ResolveCombatAction(Side::Enemy, kEcm, ui);
    }
    if (Enter(18)) {
      const std::int32_t r = state::Random(100) + 1;
      if (InSlots(kEcm) && PlayerVolleyInFlight() &&
          (r < 30 || state::PlayerMissileVolley[missile_volley::kTurnsToImpact] < 2))
        ResolveCombatAction(Side::Enemy, kEcm, ui);
    }
    Step(19, kFireMissiles, true, true, ui);
    if (PlayerOwns(kFlee))
      Step(20, kTractorBeam, true, !IsMineLauncher(MissileId{p[ship::kMissileLauncher]}), ui);
    if (PlayerOwns(kCloak))
      Step(21, kMark, true, MissileId{p[ship::kMissileLauncher]} != kMissileMineMk2, ui);
    Step(22, kShipSpecial, true, true, ui);
    Step(23, kFocusBeam, true, true, ui);
    Step(24, kEmpResistance, true, true, ui);
    Step(25, kRadioJammer, true, p[ship::kReinforcements] > 0, ui);
    Step(26, kDiscipline, true, PlayerVolleyInFlight(), ui);
    Step(27, kTargetLock, true, true, ui);
    Step(28, kManouvers, true, true, ui);
    Step(29, kDoubleSpeed, true, true, ui);
    Step(30, kTaunt, true, true, ui);
    Step(31, kEvilTaunt, true, true, ui);

    // Gate E draws once per call that still has step 32 or 33 to try.
    if (StepsLeft(33) && state::Random(100) < 90) {
      Step(32, kEmp, true, true, ui);
      Step(33, kEmp2, true, true, ui);
    }
    Step(34, kRecharge, true, true, ui);
    Step(35, kFireGuns, true, true, ui);
    Step(36, kOverloadGun, true, true, ui);
    Step(37, kOverloadGun, true, true, ui);
    Step(38, kFireGuns, true, true, ui);
  }
}

}  // namespace combat
