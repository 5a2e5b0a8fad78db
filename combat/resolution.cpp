#include "combat/resolution.h"

#include "combat/ability_ids.h"
#include "combat/defensive.h"
#include "combat/disruption.h"
#include "combat/ship_special.h"
#include "combat/tactical.h"
#include "combat/weapons.h"

namespace combat {

AbilityFamily AbilityFamilyOf(state::Ability id) {
  if (id >= kFireGuns && id <= kOverloadGun) return AbilityFamily::Weapon;
  if (id >= kTargetLock && id <= kExploit) return AbilityFamily::Tactical;
  if (id == kRecharge || (id >= kEmpResistance && id <= kCalmness)) return AbilityFamily::Defensive;
  if (id == kEmp || id == kExploit2 || id == kDisturb || id == kMark ||
      (id >= kSosBuoy && id <= kDisturb2))
    return AbilityFamily::Disruption;
  if (id == kShipSpecial) return AbilityFamily::ShipSpecial;
  return AbilityFamily::None;  // 0, 30 "Reinforcements", 37 "Overheated" and unknown ids
}

void ResolveCombatAction(Side side, state::Ability id, CombatUi& ui) {
  if (side == Side::Enemy &&
      (id == kShieldBoost || id == kSacrifice || id == kCalmness || id == kShipSpecial))
    return;
  switch (AbilityFamilyOf(id)) {
    case AbilityFamily::Weapon:
      ResolveWeaponAbility(side, id, ui);
      break;
    case AbilityFamily::Defensive:
      ResolveDefensiveAbility(side, id, ui);
      break;
    case AbilityFamily::Disruption:
      ResolveDisruptionAbility(side, id, ui);
      break;
    case AbilityFamily::Tactical:
      ResolveTacticalAbility(side, id, ui);
      break;
    case AbilityFamily::ShipSpecial:
      ResolveShipSpecial(ui);
      break;
    case AbilityFamily::None:
      break;
  }
}

}  // namespace combat
