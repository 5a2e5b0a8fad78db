#include "combat/disruption.h"

#include <cstdint>
#include <limits>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/action_points.h"
#include "combat/defensive.h"
#include "combat/gun_attack.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "combat/weapons.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/variables.h"

namespace combat {
namespace {

bool Stuns(Side side) { return ModifierActive(side, kEmp) || ModifierActive(side, kEmp2); }

std::int32_t Triple(std::int32_t d) {
  const std::int64_t x = 3 * static_cast<std::int64_t>(d);
  if (x > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (x < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(x);
}

// --- EMP ------------------------------------------------------------------------------------------

// "EMP" and "EMP II": a stun that stands in the attacker's own list. Only "EMP" meets the
// defender's "EMP resistance".
void Emp(Side side, state::Ability id, CombatUi& ui) {
  const bool player = side == Side::Player;
  if (ModifierActive(side, id)) {
    if (player) ShowAlreadyActive(ui);
    return;
  }
  if ((player ? FindFreePlayerModifierSlot() : FindFreeEnemyModifierSlot()) == 0) return;
  if (!PayActionPoints(side, player ? 5 : 2, ui)) return;
  if (player)
    audio::PlayFireGunsSound();
  else
    audio::PlayEcmSound();
  const std::int32_t roll = state::Random(100);
  std::int32_t c = 50;
  if (id == kEmp && ModifierActive(Other(side), kEmpResistance)) c /= 4;
  const bool hit = c > roll;
  if (player) {
    if (hit) {
      ui.ShowMessage(side, "Firing EMP !!",
                     "The enemy is hit by your  EMP fire! His ship systems are jammed!");
      ui.Refresh(Display::AbilityButtons);
      AddPlayerModifier(id, ui);
      ui.Refresh(Display::Modifiers);
    } else {
      ui.ShowMessage(side, "Firing EMP !!", "You miss the Player ship.");
    }
    return;
  }
  if (hit) {
    ui.ShowMessage(side, "Firing EMP !!",
                   "You are hit by enemy EMP fire! Your ship systems are jammed!");
    AddEnemyModifier(id);
    ui.Refresh(Display::AbilityButtons);
    ui.Refresh(Display::Modifiers);
  } else {
    ui.ShowMessage(side, "Firing EMP !!", "The enemy EMP fire misses you!");
  }
}

// --- Gun attack variants --------------------------------------------------------------------------

// "Exploit II": the guns at three times their damage against an opponent the attacker's own EMP
// has stunned.
void Exploit2(Side side, CombatUi& ui) {
  const bool player = side == Side::Player;
  if (!Stuns(side)) {
    if (player)
      ui.ShowPopup(CombatPopup::Text, "Problem", "The enemy needs to be stunned by an EMP attack.");
    return;
  }
  if (!PayActionPoints(side, GunCost(side) + 2, ui)) return;
  PresentGunFire(side, ui);
  GunAttack attack;
  if (player) {
    attack.baseFactor = Triple;  // before scaling, so the scaling cap holds it
    attack.hitTopic = "Exploit II !!";
    attack.hitText = "You exploit the enemy being stunned by an EMP and cause ";
    attack.missTopic = "Exploit II !!";
    attack.missText = "You fire your guns, but miss the enemy ship.";
  } else {
    attack.damageFactor = Triple;
    attack.hitTopic = "Exploit II!!";
    attack.hitText = "The enemy exploits you being stunned by an EMP and causes ";
    attack.missTopic = "Exploit II!!";
    attack.missText = "The enemy fires his guns, but misses you.";
  }
  ResolveGunAttack(side, attack, ui);
}

void FocusBeam2(Side side, CombatUi& ui) { FireFocusedBeams(side, "Focus fire II !!", Triple, ui); }

// --- Disturb --------------------------------------------------------------------------------------

void PresentNonAttack(Side side) {
  if (side == Side::Player)
    audio::PlayAbilityUsedSound();
  else
    audio::PlayEcmSound();
}

// "Disturb": one of the opponent's effects, drawn at random among its eight slots, ends.
void Disturb(Side side, CombatUi& ui) {
  if (!PayActionPoints(side, 2, ui)) return;
  PresentNonAttack(side);
  auto& list = ListOf(Other(side));
  int standing = 0;
  for (int s = 1; s <= kModifierSlots; ++s) standing += list[s][modifier::kActive] != 0 ? 1 : 0;
  if (standing == 0) return;  // the points are spent all the same
  // Draws a slot 1..8 until one holds an effect, at most 101 times; after that the highest slot
  // that holds one.
  int slot = 0;
  for (int draw = 0; draw < 101 && slot == 0; ++draw) {
    const int s = state::Random(kModifierSlots) + 1;
    if (list[s][modifier::kActive] != 0) slot = s;
  }
  for (int s = kModifierSlots; slot == 0 && s >= 1; --s)
    if (list[s][modifier::kActive] != 0) slot = s;
  list[slot][modifier::kActive] = 0;
  ui.Refresh(Display::Modifiers);
  ui.ShowMessage(side, "Disturb !!", "One enemy bonus effect removed.");
  ui.Refresh(Display::AbilityButtons);
}

// "Disturb II": every effect of the opponent ends.
void Disturb2(Side side, CombatUi& ui) {
  if (!PayActionPoints(side, 2, ui)) return;
  PresentNonAttack(side);
  auto& list = ListOf(Other(side));
  int ended = 0;
  for (int s = 1; s <= kModifierSlots; ++s) {
    if (list[s][modifier::kActive] == 0) continue;
    list[s][modifier::kActive] = 0;
    ++ended;
  }
  ui.Refresh(Display::Modifiers);
  if (ended == 0) return;
  ui.ShowMessage(side, "Disturb II !!",
                 side == Side::Player ? "All enemy bonuses are removed." : "All your bonuses are removed.");
  ui.Refresh(Display::AbilityButtons);
}

// --- Timed effects --------------------------------------------------------------------------------

// clang-format off
constexpr TimedEffect kTimedEffects[] = {
  // id          player/enemy cost  excluded  player topic / text, enemy topic / text
  {kMark,        1, 1,              kNoAbility,
   "Mark !!",    "You put a target mark on the enemy ship making it impossible to cloak!",
   "Mark !!",    "The enemy pilot puts a target mark on you making it impossible to cloak!"},
  {kSosBuoy,     2, 2,              kNoAbility,
   "Firing SOS buoy !!", "You fire a SOS-buoy speeding up reinforcements.",
   "Firing SOS buoy !!", "The enemy fires a SOS-buoy speeding up reinforcements."},
  {kRadioJammer, 2, 2,              kNoAbility,
   "Radio jammer !!", "Enemy reinforcements are slowed down.",
   "Radio jammer !!", "Your reinforcements are slowed down!"},
};
// clang-format on

void TimedEffectAbility(Side side, state::Ability id, CombatUi& ui) {
  // The player may switch a standing "Mark" off again, free of charge.
  if (id == kMark && side == Side::Player && ModifierActive(Side::Player, kMark)) {
    ShowAlreadyActive(ui);
    if (ui.Ask("Turn off?", "Do you wish to turn off this ability?")) {
      ClearModifier(Side::Player, kMark);
      ui.Refresh(Display::Modifiers);
    }
    return;
  }
  for (const TimedEffect& effect : kTimedEffects) {
    if (effect.id == id) {
      ActivateTimedEffect(side, effect, ui);
      return;
    }
  }
}

}  // namespace

void ResolveDisruptionAbility(Side side, state::Ability id, CombatUi& ui) {
  switch (id) {
    case kEmp:
    case kEmp2: Emp(side, id, ui); break;
    case kExploit2: Exploit2(side, ui); break;
    case kFocusBeam2: FocusBeam2(side, ui); break;
    case kDisturb: Disturb(side, ui); break;
    case kDisturb2: Disturb2(side, ui); break;
    case kMark:
    case kSosBuoy:
    case kRadioJammer: TimedEffectAbility(side, id, ui); break;
    default: break;
  }
}

}  // namespace combat
