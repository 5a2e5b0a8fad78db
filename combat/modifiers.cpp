#include "combat/modifiers.h"

#include "combat/ability_ids.h"
#include "combat/display.h"
#include "combat/sides.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/variables.h"

namespace combat {
namespace {

int FindFree(const ModifierList& list) {
  for (int s = 1; s <= kModifierSlots; ++s)
    if (list[s][modifier::kActive] == 0) return s;
  return 0;
}

int Find(const ModifierList& list, state::Ability ability) {
  for (int s = 1; s <= kModifierSlots; ++s)
    if (list[s][modifier::kActive] == 1 && state::Ability{list[s][modifier::kAbility]} == ability)
      return s;
  return 0;
}

// Puts `ability` into the lowest free slot; false when the list is full.
bool Activate(ModifierList& list, state::Ability ability) {
  const int s = FindFree(list);
  if (s == 0) return false;
  list[s][modifier::kActive] = 1;
  list[s][modifier::kAbility] = state::Stored(ability);
  list[s][modifier::kTurnsLeft] = state::GetModifierDuration(ability);
  if (list[s][modifier::kTurnsLeft] == 0) list[s][modifier::kTurnsLeft] = 10;
  return true;
}

}  // namespace

int FindFreePlayerModifierSlot() { return FindFree(state::PlayerModifiers); }
int FindFreeEnemyModifierSlot() { return FindFree(state::EnemyModifiers); }
int FindPlayerModifierSlot(state::Ability ability) { return Find(state::PlayerModifiers, ability); }
int FindEnemyModifierSlot(state::Ability ability) { return Find(state::EnemyModifiers, ability); }

void AddPlayerModifier(state::Ability ability, CombatUi& ui) {
  Activate(state::PlayerModifiers, ability);
  ui.Refresh(Display::AbilityButtons);
  ui.Refresh(Display::Modifiers);
}

void AddEnemyModifier(state::Ability ability) { Activate(state::EnemyModifiers, ability); }

int FindModifierSlot(Side side, state::Ability ability) { return Find(ListOf(side), ability); }

bool ModifierActive(Side side, state::Ability ability) {
  return FindModifierSlot(side, ability) > 0;
}

void AddModifier(Side side, state::Ability ability, CombatUi& ui) {
  if (side == Side::Player)
    AddPlayerModifier(ability, ui);
  else
    AddEnemyModifier(ability);
}

bool ClearModifier(Side side, state::Ability ability) {
  const int s = FindModifierSlot(side, ability);
  if (s == 0) return false;
  ListOf(side)[s][modifier::kActive] = 0;
  return true;
}

void CountDownModifiers(Side side, CombatUi& ui) {
  const bool player = side == Side::Player;
  auto& list = ListOf(side);
  for (int s = 1; s <= kModifierSlots; ++s) {
    if (list[s][modifier::kActive] <= 0) continue;
    list[s][modifier::kTurnsLeft] -= 1;
    if (list[s][modifier::kTurnsLeft] < 1) {
      list[s][modifier::kActive] = 0;
      ui.Refresh(Display::Modifiers);
      // The end of a player's effect may free its button; the player's buttons are also shown
      // switched off while the enemy's EMP or EMP II is in force, so the end of either switches
      // them back on.
      const state::Ability ability{list[s][modifier::kAbility]};
      if (player || ability == kEmp || ability == kEmp2) ui.Refresh(Display::AbilityButtons);
    } else if (player && state::Ability{list[s][modifier::kAbility]} == kDoubleSpeed) {
      state::PlayerShip[ship::kActionPoints] += 2;
      state::PlayerShip[ship::kLongActionPointBar] = 1;
      ShowActionPointBar(ui);
    }
  }
}

}  // namespace combat
